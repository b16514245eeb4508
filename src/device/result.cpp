#include "device/result.h"

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
    }
    return "gm.step.none";
}

// Failures after which the mouse may no longer hold what it held before the operation.
bool mayHaveChangedTheMouse(const Result& result) {
    switch (result.failure) {
        case Failure::TransferIncomplete:
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
    if (!mayHaveChangedTheMouse(result))
        return message;
    Message holds = result.backup ? makeMessage("gm.holds.backup", {std::to_string(*result.backup)})
                                  : makeMessage("gm.holds.partial");
    message.text += " " + holds.text;
    message.then.push_back(std::move(holds));
    return message;
}

}  // namespace gm::device
