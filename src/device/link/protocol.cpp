#include "device/link/protocol.h"
