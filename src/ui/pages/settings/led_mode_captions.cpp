#include "ui/pages/settings/led_mode_captions.h"

#include <array>
#include <string>

#include "ui/host/operation_host.h"
#include "ui/text/language_table.h"
#include "ui/text/text_ids.h"

namespace gm::ui {

namespace {

using settings::LedType;

// Chinese names in the order of settings::modeNames(); English comes from there.
const std::vector<const char*>& chineseNames(LedType type) {
    static const std::vector<const char*> kRgb{"关闭",     "随机",     "轮流呼吸", "固定颜色",
                                               "混合颜色", "DPI 颜色", "模式 7"};
    static const std::vector<const char*> kSync{"关闭", "同步呼吸", "同步常亮"};
    static const std::vector<const char*> kZk{"关闭", "随机", "混色", "固定", "CPI 呼吸"};
    static const std::vector<const char*> kMcu{"DPI 模式", "炫彩", "彩虹", "流光",
                                               "华尔兹",   "四季", "关闭"};
    return settings::perLedType(type, kRgb, kSync, kZk, kMcu);
}

// The language table's text of a mode; empty for the Sync and ZK LED, which it does not name.
std::string textIdOf(LedType type, int mode) {
    if (type == LedType::Rgb)
        return text::textKey(text::ids::kFirstRgbLedModeNumber + mode);
    if (type == LedType::Mcu)
        return mode < 6 ? text::textKey(text::ids::kFirstMcuLedModeNumber + mode)
                        : std::string(text::ids::kLedOff);
    return {};
}

}  // namespace

QString ledModeCaption(const OperationHost& host, LedType type, int mode) {
    const auto& english = settings::modeNames(type);
    if (mode < 0 || mode >= static_cast<int>(english.size()))
        return {};
    if (const std::string id = textIdOf(type, mode); !id.empty()) {
        const QString text = host.caption(id);
        if (!text.isEmpty())
            return text;
    }
    const auto index = static_cast<std::size_t>(mode);
    if (host.language() == 2)
        return QString::fromUtf8(chineseNames(type)[index]);
    return QString::fromUtf8(english[index].data(), static_cast<qsizetype>(english[index].size()));
}

QString ledTypeCaption(const OperationHost& host, LedType type) {
    static constexpr std::array<std::array<const char*, 2>, settings::kLedTypeCount> kNames{{
        {"RGB LED", "RGB 灯"},
        {"Sync LED", "同步灯"},
        {"ZK LED", "ZK 灯"},
        {"MCU LED", "MCU 灯"},
    }};
    const auto& names = kNames[static_cast<std::size_t>(type)];
    return QString::fromUtf8(names[host.language() == 2 ? 1 : 0]);
}

}  // namespace gm::ui
