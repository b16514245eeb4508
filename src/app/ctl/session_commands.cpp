#include "app/ctl/command.h"

namespace gm::ctl {

void registerSessionCommands(CommandRegistry& /*registry*/) {}

}  // namespace gm::ctl
