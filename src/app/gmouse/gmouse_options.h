#pragma once
// The command line of the editor:
//   gmouse [--simulate[=4210A|4230A]] [--sim-eeprom FILE] [--sim-fault KIND]...
//          [--macro-folder DIR]
//          [--screenshot FILE [--page 1..8] [--lang 1..3] [--tab NAME] [--key-menu 1..12]
//                             [--macro-popup 1|2] [--chord-dialog 1..12] [--gun-preset 1..7]]

#include <optional>
#include <string>

#include "app/ctl/command.h"
#include "host/device_choice/device_choice.h"

namespace gm::app {

struct GmouseOptions {
    host::DeviceChoiceOptions device;
    std::string screenshot;  // empty: run the editor
    int page = 1;
    int language = 1;
    std::string tab;      // object name of an engineering tab sheet to show, e.g. ts_Led
    int keyMenu = 0;      // 1..12: the key menu of that key label is open in the screenshot
    int macroEditor = 0;  // 1: recording, 2: the insert panel open, 3: the event popup open
    int macroPopup = 0;   // 1: the PC macro list's popup is open in the screenshot, 2: the mouse's
    int chordDialog = 0;  // 1..12: the chord dialog of that key label is open, a chord in it
    int gunPreset = 0;    // 1..7: the gun-preset page is open on that preset (key 1's menu)
    std::string macroFolder;  // the macro file's folder; empty: the folder rules
    bool help = false;        // print the usage and end
};

extern const std::string kGmouseUsage;

// nullopt with `error` set on a bad command line.
std::optional<GmouseOptions> parseGmouseOptions(const ctl::Args& args, std::string& error);

}  // namespace gm::app
