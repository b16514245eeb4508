#include "app/ctl/command.h"

namespace gm::ctl {

void registerDeviceCommands(CommandRegistry& /*registry*/) {}

}  // namespace gm::ctl
