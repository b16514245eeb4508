#pragma once
// The per-user folders the programs keep their own state in, as the XDG base directories name
// them.

#include <filesystem>

namespace gm::host {

// $XDG_STATE_HOME/gmouse when that is an absolute path, else ~/.local/state/gmouse; empty when
// neither is known.
std::filesystem::path stateFolder();

// $XDG_CONFIG_HOME/gmouse when that is an absolute path, else ~/.config/gmouse; empty when
// neither is known.
std::filesystem::path configFolder();

// The journal of interrupted writes in the state folder: one for real mice, one for the virtual
// mouse, so a simulated run never repairs a real mouse. Empty without a state folder.
std::filesystem::path writeJournalFile(bool virtualMouse);

}  // namespace gm::host
