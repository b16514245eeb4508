#include "buttons/fire_key_fields.h"

#include <algorithm>

#include "buttons/fire_key_set.h"

namespace gm::buttons {

namespace {

// The digits' value, saturated well above any field's maximum; nothing when not all digits.
std::optional<long> valueOf(std::string_view text) {
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    long value = 0;
    for (const char c : text)
        value = std::min(value * 10 + (c - '0'), 1'000'000L);
    return value;
}

}  // namespace

bool fieldAcceptsKey(char key) {
    return key == '\b' || (key >= '0' && key <= '9');
}

std::string repeatWhileTyping(std::string_view text) {
    const auto value = valueOf(text);
    if (!value)
        return "2";
    if (*value > kMaxRepeat)
        return std::to_string(kMaxRepeat);
    return std::string(text);
}

std::string repeatOnLeaving(std::string_view text) {
    const std::string typed = repeatWhileTyping(text);
    return *valueOf(typed) < kMinUserRepeat ? std::to_string(kMinUserRepeat) : typed;
}

std::string intervalWhileTyping(std::string_view text) {
    const auto value = valueOf(text);
    if (!value || *value < kMinInterval)
        return std::to_string(kMinInterval);
    if (*value > kMaxInterval)
        return std::to_string(kMaxInterval);
    return std::string(text);
}

}  // namespace gm::buttons
