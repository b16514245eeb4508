#include "app/ctl/command.h"

namespace gm::ctl {

void registerImageCommands(CommandRegistry& /*registry*/) {}

}  // namespace gm::ctl
