#include "device/result.h"

#include <algorithm>
#include <iterator>

namespace gm::device {

namespace {

std::string_view failureId(Failure failure) {
    switch (failure) {
        case Failure::None:
            return {};
        case Failure::NoDevice:
            return "gm.failed.noDevice";
        case Failure::Busy:
            return "gm.failed.busy";
        case Failure::InvalidRequest:
            return "gm.failed.invalidRequest";
        case Failure::CommandRefused:
            return "gm.failed.commandRefused";
        case Failure::TransferIncomplete:
            return "gm.failed.transferIncomplete";
        case Failure::WrongIdentify:
            return "gm.failed.wrongIdentify";
        case Failure::FileUnusable:
            return "gm.failed.fileUnusable";
        case Failure::BadMarker:
            return "gm.failed.badMarker";
        case Failure::BackupNotStored:
            return "gm.failed.backupNotStored";
        case Failure::NotBack:
            return "gm.failed.notBack";
        case Failure::ReadBackDiffers:
            return "gm.failed.readBackDiffers";
        case Failure::Unsupported:
            return "gm.failed.unsupported";
        case Failure::OtherChip:
            return "gm.failed.otherChip";
        case Failure::DeviceLeft:
            return "gm.failed.deviceLeft";
    }
    return {};
}

std::string_view stepId(Step step) {
    switch (step) {
        case Step::None:
            return "gm.step.none";
        case Step::Identify:
            return "gm.step.identify";
        case Step::ReadImage:
            return "gm.step.readImage";
        case Step::KeepBackup:
            return "gm.step.keepBackup";
        case Step::WriteImage:
            return "gm.step.writeImage";
        case Step::Restart:
            return "gm.step.restart";
        case Step::ReadBack:
            return "gm.step.readBack";
        case Step::WritePatchHeader:
            return "gm.step.writePatchHeader";
        case Step::WritePatchCode:
            return "gm.step.writePatchCode";
        case Step::WriteMacroArea:
            return "gm.step.writeMacroArea";
        case Step::WriteMacroFirstHalf:
            return "gm.step.writeMacroFirstHalf";
        case Step::WriteMacroSecondHalf:
            return "gm.step.writeMacroSecondHalf";
        case Step::WriteFireMacros:
            return "gm.step.writeFireMacros";
        case Step::WriteProfiles:
            return "gm.step.writeProfiles";
        case Step::WriteFireKeys:
            return "gm.step.writeFireKeys";
        case Step::WriteVendor:
            return "gm.step.writeVendor";
        case Step::WriteLedColours:
            return "gm.step.writeLedColours";
        case Step::WriteUser:
            return "gm.step.writeUser";
        case Step::ReadUser:
            return "gm.step.readUser";
        case Step::RearmKeyTables:
            return "gm.step.rearmKeyTables";
        case Step::LiveWrite:
            return "gm.step.liveWrite";
        case Step::XDataWrite:
            return "gm.step.xdataWrite";
        case Step::SaveFile:
            return "gm.step.saveFile";
        case Step::ReadFile:
            return "gm.step.readFile";
        case Step::WriteLedType:
            return "gm.step.writeLedType";
        case Step::WriteLedMode:
            return "gm.step.writeLedMode";
    }
    return "gm.step.none";
}

// Steps that only read the mouse: failing there, the operation wrote nothing (unless earlier steps
// did).
bool readsOnly(Step step) {
    return step == Step::Identify || step == Step::ReadImage || step == Step::ReadUser;
}

// Failures after which the mouse may no longer hold what it held before the operation.
bool mayHaveChangedTheMouse(const Result& result) {
    if (!result.completed.empty())
        return true;
    if (readsOnly(result.step))
        return false;
    switch (result.failure) {
        case Failure::TransferIncomplete:
        case Failure::DeviceLeft:
        case Failure::NotBack:
        case Failure::ReadBackDiffers:
            return true;
        case Failure::CommandRefused:
            // A refused command sends nothing, but an earlier step may have written.
            return result.step != Step::WriteImage && result.step != Step::WritePatchHeader &&
                   result.step != Step::WriteMacroArea && result.step != Step::WriteFireMacros &&
                   result.step != Step::WriteProfiles;
        default:
            return false;
    }
}

// "Done first: ..." for the steps that completed, one pattern per count (the last names the
// rest together).
Message completedMessage(const std::vector<Step>& steps) {
    static constexpr const char* kPatterns[] = {"gm.completed.1", "gm.completed.2",
                                                "gm.completed.3"};
    std::vector<std::string> args;
    for (Step step : steps)
        args.emplace_back(stepId(step));
    const std::size_t count = std::min(args.size(), std::size(kPatterns));
    return makeMessage(kPatterns[count - 1], std::move(args));
}

}  // namespace

std::string_view stepText(Step step) {
    return englishText(stepId(step));
}

Message messageOf(const Result& result) {
    if (result.ok())
        return {};
    Message message = makeMessage(failureId(result.failure),
                                  {std::string(stepId(result.step)), result.detail,
                                   std::to_string(result.refused), std::to_string(result.reports)});
    std::vector<Message> then;
    if (!result.completed.empty())
        then.push_back(completedMessage(result.completed));
    if (mayHaveChangedTheMouse(result)) {
        then.push_back(result.backup
                           ? makeMessage("gm.holds.backup", {std::to_string(*result.backup)})
                           : makeMessage("gm.holds.partial"));
    } else if (readsOnly(result.step)) {
        then.push_back(makeMessage("gm.holds.nothingWritten"));
    }
    for (Message& next : then) {
        message.text += " " + next.text;
        message.then.push_back(std::move(next));
    }
    return message;
}

}  // namespace gm::device
