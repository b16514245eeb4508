#include "buttons/chord_name.h"

#include <array>
#include <vector>

#include "buttons/key_usages.h"

namespace gm::buttons {

namespace {

constexpr std::array<std::string_view, 4> kModifiers{"Ctrl", "Shift", "Alt", "Win"};

void join(std::string& name, std::string_view part) {
    if (!name.empty())
        name += '+';
    name += part;
}

std::vector<std::string_view> partsOf(std::string_view name) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t plus = name.find('+', start);
        // "OEM_Plus" has no '+', but a key named "+" does not exist: a '+' always separates,
        // except a trailing one ("Ctrl++" is not a chord).
        if (plus == std::string_view::npos)
            plus = name.size();
        parts.push_back(name.substr(start, plus - start));
        start = plus + 1;
    }
    return parts;
}

}  // namespace

std::string chordNameOf(const image::KeyCode& code) {
    std::string name;
    for (std::size_t bit = 0; bit < kModifiers.size(); ++bit) {
        if (code[1] & (1u << bit))
            join(name, kModifiers[bit]);
    }
    for (const std::uint8_t usage : {code[2], code[3]}) {
        if (usage != 0)
            join(name, keyNameOfUsage(usage));
    }
    return name;
}

std::optional<image::KeyCode> chordOfName(std::string_view name) {
    image::KeyCode code{0x02, 0x00, 0x00, 0x00};
    std::size_t keys = 0;
    for (const std::string_view part : partsOf(name)) {
        bool modifier = false;
        for (std::size_t bit = 0; bit < kModifiers.size(); ++bit) {
            if (part == kModifiers[bit] && keys == 0 && !(code[1] & (1u << bit))) {
                code[1] = static_cast<std::uint8_t>(code[1] | (1u << bit));
                modifier = true;
            }
        }
        if (modifier)
            continue;
        const auto usage = usageOfKeyName(part);
        if (!usage || keys == 2)
            return std::nullopt;
        code[2 + keys++] = *usage;
    }
    return code;
}

}  // namespace gm::buttons
