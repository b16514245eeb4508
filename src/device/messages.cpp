#include "device/messages.h"

#include <utility>

namespace gm::device {

namespace {

constexpr std::pair<std::string_view, std::string_view> kEnglish[] = {
    {"Str022", "Finding the specified device"},
    {"Str100", "Waiting for the device reconnect"},
    {"Str102", "RDXM421xData.bin file type error"},
    {"Str103", "Macro bin length out of range"},
    {"Str106", "This macro already exists"},
    {"gm.loadingBinError", "Loading .bin is error!"},
    {"gm.noSuchConfig", "There is no factory configuration %1; choose 1, 2 or 3."},
    {"gm.permission", "%1"},
    {"gm.fileNote", "%1"},
    {"gm.patchForOtherChip", "%1 was loaded for a different chip type; load it again."},
    // What a read found: %1 names the sections.
    {"gm.interrupted.completed",
     "A write to the %1 section was cut off before its check byte; the check byte was written "
     "now, and %2"},
    {"gm.interrupted.rewritten",
     "A write to the %1 section was cut off midway; the section was written again whole, and "
     "the mouse keeps the new settings."},
    {"gm.interrupted.rearm",
     "The mouse was cut off while it took new key tables; profile %1 was set again, and the mouse "
     "keeps the new settings."},
    {"gm.interrupted.asked", "the mouse keeps the new settings."},
    {"gm.interrupted.before", "the mouse keeps the settings it had before."},
    {"gm.rebuilt.backup",
     "The check byte of %1 does not fit its bytes, so it is rebuilt from defaults. Backup %2 "
     "holds the image as it was read ('gmousectl backups restore %2')."},
    {"gm.rebuilt.noBackup",
     "The check byte of %1 does not fit its bytes, so it is rebuilt from defaults. No backup of "
     "the image as it was read could be kept (%2)."},
    // Failures of a result: %1 is the step, %2 the detail.
    {"gm.failed.noDevice", "No mouse is connected; nothing was sent."},
    {"gm.failed.busy", "Another operation on the mouse is still running; nothing was sent."},
    {"gm.failed.invalidRequest",
     "The request does not fit the mouse's command (%2); nothing was sent."},
    {"gm.failed.commandRefused", "The mouse refused the command while %1."},
    {"gm.failed.transferIncomplete", "The mouse refused %3 of %4 reports while %1."},
    {"gm.failed.deviceLeft", "The mouse left the bus while %1."},
    {"gm.failed.wrongIdentify",
     "RDXM421xData.bin file type error: while %1, the mouse answered %2, not its chip byte "
     "followed by 3A."},
    {"gm.failed.fileUnusable", "%2"},
    {"gm.failed.badMarker", "Loading .bin is error! (%2)"},
    {"gm.failed.backupNotStored",
     "Could not keep a backup of the mouse's image (%2); nothing was written to the mouse."},
    {"gm.failed.notBack", "The mouse did not come back after its restart (%1)."},
    {"gm.failed.readBackDiffers",
     "The mouse accepted the write, but after its restart it holds other bytes in: %2."},
    {"gm.failed.unsupported", "Made for the other chip type: %2."},
    {"gm.failed.otherChip", "%2. Its patch code does not fit this chip, so nothing was written."},
    // What the mouse holds after a failed step.
    {"gm.holds.unchanged", "The mouse still holds what it held before."},
    {"gm.holds.partial", "The mouse may now hold part of the new bytes."},
    {"gm.holds.backup",
     "Backup %1 holds the image it had before ('gmousectl backups restore %1')."},
    {"gm.holds.nothingWritten", "Nothing was written to the mouse."},
    // The steps that completed before a failure: %1.. are steps.
    {"gm.completed.1", "Done before it: %1."},
    {"gm.completed.2", "Done before it: %1, then %2."},
    {"gm.completed.3", "Done before it: %1, %2, then %3."},
    {"gm.holds.noBackup", "No backup of the image it had before was kept."},
    // Steps, as they fill %1 of the failures.
    {"gm.step.none", "working"},
    {"gm.step.identify", "identifying the mouse"},
    {"gm.step.readImage", "reading the image"},
    {"gm.step.keepBackup", "keeping a backup of the image"},
    {"gm.step.writeImage", "writing the image"},
    {"gm.step.restart", "restarting the mouse"},
    {"gm.step.readBack", "reading the image back after the restart"},
    {"gm.step.writePatchHeader", "writing the patch header"},
    {"gm.step.writePatchCode", "writing the patch code"},
    {"gm.step.writeMacroArea", "writing the macro area"},
    {"gm.step.writeMacroFirstHalf", "writing the first half of the macro area"},
    {"gm.step.writeMacroSecondHalf", "writing the second half of the macro area"},
    {"gm.step.writeFireMacros", "writing the fire macros"},
    {"gm.step.writeProfiles", "writing the key tables"},
    {"gm.step.writeFireKeys", "writing the fire keys"},
    {"gm.step.writeVendor", "writing the Vendor section"},
    {"gm.step.writeLedColours", "writing the LED colours"},
    {"gm.step.writeUser", "writing the User section"},
    {"gm.step.readUser", "reading the User section back"},
    {"gm.step.rearmKeyTables", "switching the mouse to the new key tables"},
    {"gm.step.liveWrite", "writing a setting"},
    {"gm.step.xdataWrite", "writing XDATA"},
    {"gm.step.saveFile", "saving the file"},
    {"gm.step.writeLedType", "writing the LED type"},
    {"gm.step.writeLedMode", "writing the LED mode"},
    {"gm.step.readFile", "reading the file"},
    {"gm.busyNotice", "Busy: the change was not sent."},
    {"gm.notSent", "The mouse refused the change; it keeps its previous value."},
    // Macros: %1 is a macro's name or a file.
    {"gm.macro.slotsFull", "The mouse already holds 15 macros."},
    {"gm.macro.libraryFull", "The macro list already holds 100 macros."},
    {"gm.macro.notFound", "There is no macro named \"%1\"."},
    {"gm.macro.badName",
     "\"%1\" cannot be a macro name: it needs 1 to 8 characters, and the first may not be "
     "one the mouse reads as an empty slot (U+00FF, U+FFxx)."},
    {"gm.macro.unended", "The macro \"%1\" has no end within 256 bytes."},
    {"gm.macro.noRecord", "%1 holds no macro."},
    {"gm.macro.imageIncomplete",
     "The mouse's image was not read whole, so its macros are not known; nothing was written. "
     "Read the mouse again (unplug and plug it in) before changing its macros."},
};

}  // namespace

std::string_view englishText(std::string_view textId) {
    for (const auto& [id, english] : kEnglish) {
        if (id == textId)
            return english;
    }
    return {};
}

std::string fillArguments(std::string_view pattern, const std::vector<std::string>& args) {
    std::string filled;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (index < args.size())
                filled += args[index];
            ++i;
        } else {
            filled += c;
        }
    }
    return filled;
}

bool isTextIdentifier(std::string_view argument) {
    return argument.starts_with("gm.") && !englishText(argument).empty();
}

Message makeMessage(std::string_view textId, std::vector<std::string> args) {
    std::vector<std::string> shown = args;
    for (std::string& argument : shown) {
        if (isTextIdentifier(argument))
            argument = std::string(englishText(argument));
    }
    Message message{std::string(textId), fillArguments(englishText(textId), shown), {}, {}};
    message.args = std::move(args);
    return message;
}

}  // namespace gm::device
