#include "device/link/transport.h"
