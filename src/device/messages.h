#pragma once
// Every text the core shows the user, by identifier: the language tables' StrNNN where the
// tables hold one, otherwise a project identifier ("gm.busy"). A driver with language tables
// translates by the identifier and fills in the arguments; the English text is for the command
// line and the tests.

#include <string>
#include <string_view>
#include <vector>

namespace gm::device {

struct Message {
    std::string textId;
    std::string text;                // the English text with the arguments filled in
    std::vector<std::string> args;   // what %1, %2 ... of the text stand for; an argument that is
                                     // itself a text identifier ("gm.step.writeImage") is
                                     // translated before it is filled in
    std::vector<Message> then = {};  // said after this one (what the mouse holds now)
};

// The English text of an identifier, with %1.. placeholders; empty when unknown.
std::string_view englishText(std::string_view textId);
// The identifier's message with `args` filled into its English text.
Message makeMessage(std::string_view textId, std::vector<std::string> args = {});
// Whether an argument is a text identifier to translate rather than a value to show.
bool isTextIdentifier(std::string_view argument);
// Replaces %1..%9 in `pattern` by args[0..8] (missing arguments become empty).
std::string fillArguments(std::string_view pattern, const std::vector<std::string>& args);

namespace text {
inline constexpr std::string_view kDeviceNotFound = "Str022";
inline constexpr std::string_view kWaitingForReconnect = "Str100";
inline constexpr std::string_view kWrongFileType = "Str102";
inline constexpr std::string_view kLoadingBinError = "gm.loadingBinError";
inline constexpr std::string_view kNoSuchConfig = "gm.noSuchConfig";
inline constexpr std::string_view kPermission = "gm.permission";
inline constexpr std::string_view kFileNote = "gm.fileNote";
inline constexpr std::string_view kPatchForOtherChip = "gm.patchForOtherChip";
inline constexpr std::string_view kInterruptedWriteCompleted = "gm.interrupted.completed";
inline constexpr std::string_view kInterruptedWriteRewritten = "gm.interrupted.rewritten";
inline constexpr std::string_view kInterruptedRearmCompleted = "gm.interrupted.rearm";
inline constexpr std::string_view kRebuiltWithBackup = "gm.rebuilt.backup";
inline constexpr std::string_view kRebuiltWithoutBackup = "gm.rebuilt.noBackup";
inline constexpr std::string_view kMacroAreaFull = "Str103";
inline constexpr std::string_view kMacroExists = "Str106";
}  // namespace text

namespace messages {
inline const Message kDeviceNotFound = makeMessage(text::kDeviceNotFound);
inline const Message kWaitingForReconnect = makeMessage(text::kWaitingForReconnect);
inline const Message kLoadingBinError = makeMessage(text::kLoadingBinError);
}  // namespace messages

}  // namespace gm::device
