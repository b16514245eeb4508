#pragma once
// What an operation on the mouse or on a file achieved. Every operation of the core returns one:
// it names what went wrong and at which step, so a driver can tell the user exactly that (through
// messageOf(), by text identifier) and never shows an operation that did not fully happen as done.

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device/presenter.h"

namespace gm::device {

enum class Failure {
    None,
    NoDevice,            // no mouse is open
    Busy,                // another operation is running; nothing was sent
    InvalidRequest,      // the request does not fit the command (length, address); nothing sent
    CommandRefused,      // the mouse refused the command report; the transfer did not start
    TransferIncomplete,  // the mouse refused some data reports (or left midway)
    WrongIdentify,       // the identify answer lacks its marker
    FileUnusable,        // missing, not a regular file, unreadable, too short to use
    BadMarker,           // a profile file without the 0xE0 marker
    BackupNotStored,     // the image the write would replace could not be kept
    NotBack,             // the mouse did not come back (or could not be read) after a restart
    ReadBackDiffers,     // the write was accepted but the mouse holds other bytes afterwards
    Unsupported,         // a file or setting made for the other chip type
    OtherChip,           // an image file made for the other chip; written only when confirmed
    DeviceLeft,          // the mouse left the bus during the step
};

// The step of a composite operation that failed, so the user learns how far it got.
enum class Step {
    None,
    Identify,
    ReadImage,
    KeepBackup,
    WriteImage,
    Restart,
    ReadBack,
    WritePatchHeader,
    WritePatchCode,
    WriteMacroArea,
    WriteMacroFirstHalf,
    WriteMacroSecondHalf,
    WriteFireMacros,
    WriteProfiles,
    WriteFireKeys,
    WriteVendor,
    WriteLedColours,
    WriteUser,
    ReadUser,
    RearmKeyTables,
    LiveWrite,
    XDataWrite,
    SaveFile,
    ReadFile,
    WriteLedType,
    WriteLedMode,
};

struct Result {
    Failure failure = Failure::None;
    Step step = Step::None;
    int refused = 0;  // data reports (or live-write chunks) the mouse refused
    int reports = 0;  // data reports (or chunks) the step carried
    // What the failure is about: a file's error, the sections that differ, the XDATA writes
    // refused. Shown after the message; a path or a number, never a sentence to translate.
    std::string detail;
    // The backup kept before a whole-image write (1 = newest), so a failure can say how to go back.
    std::optional<std::size_t> backup;
    // Things the user should know that did not make the operation fail (a short file, say).
    std::vector<Message> notes;
    // The steps of a multi-step operation that completed before the one that failed, in order.
    std::vector<Step> completed;

    bool ok() const { return failure == Failure::None; }
    explicit operator bool() const { return ok(); }

    static Result done() { return {}; }
    static Result fail(Failure failure, Step step = Step::None, std::string detail = {}) {
        Result result;
        result.failure = failure;
        result.step = step;
        result.detail = std::move(detail);
        return result;
    }
    // Names the step of a failure that has none yet; composite operations tag their steps' results.
    Result& at(Step where) {
        if (!ok() && step == Step::None)
            step = where;
        return *this;
    }
    // A failure records that `steps` completed before it (ahead of what it recorded itself).
    Result& after(std::initializer_list<Step> steps) {
        if (!ok())
            completed.insert(completed.begin(), steps);
        return *this;
    }
};

// The English words of a step ("writing the image").
std::string_view stepText(Step step);

// The message a driver shows for a failed result (the first line says what failed, at which
// step; the rest what the mouse holds now and what to do).
Message messageOf(const Result& result);

}  // namespace gm::device
