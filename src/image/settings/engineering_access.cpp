#include "image/settings/engineering_access.h"

#include <utility>

namespace gm::image::settings {

namespace {

constexpr std::uint64_t kClicksPerPrompt = 5;

}  // namespace

EngineeringAccess::EngineeringAccess(PasswordPrompt prompt) : prompt_(std::move(prompt)) {}

std::optional<std::string> EngineeringAccess::countAndPrompt() {
    ++doubleClicks_;
    if (doubleClicks_ % kClicksPerPrompt != 0 || !prompt_)
        return std::nullopt;
    return prompt_();
}

AccessVisibility EngineeringAccess::logoDoubleClicked() {
    if (unlocked_) {
        visibility_.engineeringView = false;
        unlocked_ = false;
        return visibility_;
    }
    const std::optional<std::string> code = countAndPrompt();
    if (code == kFireRecorderCode) {
        unlocked_ = true;
    } else if (code == kEngineeringCode) {
        visibility_.engineeringView = true;
        unlocked_ = true;
    }
    return visibility_;
}

AccessVisibility EngineeringAccess::fireRecorderDoubleClicked() {
    if (unlocked_) {
        unlocked_ = false;
    } else if (countAndPrompt() == kFireRecorderCode) {
        unlocked_ = true;
    }
    visibility_.fireRecorder = unlocked_;
    return visibility_;
}

}  // namespace gm::image::settings
