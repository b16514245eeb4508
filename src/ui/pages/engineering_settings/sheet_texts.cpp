#include "ui/pages/engineering_settings/sheet_texts.h"

#include <array>
#include <optional>

#include "ui/host/operation_host.h"
#include "ui/host/window_texts.h"

namespace gm::ui {

namespace {

struct OptionText {
    std::string_view field;
    const char* control;
    std::optional<Term> term;  // none: the caption below
    TextPair caption;
};

// Every field of Vendor 4..8 that has a combo box, in the order of the option map.
constexpr std::array<OptionText, 22> kOptions{{
    {"chip-type", "cb_ICType", std::nullopt, {"IC Type:", "芯片类型:"}},
    {"sensor-enhance", "cb_SensorEnhance", std::nullopt, {"Sensor Enhance:", "传感器增强:"}},
    {"package", "cb_Package", std::nullopt, {"Package:", "封装:"}},
    {"key-matrix", "cb_KbdType", std::nullopt, {"Key Matrix:", "按键矩阵:"}},
    {"cpi-indication", "cb_CPIIndication", std::nullopt, {"CPI Indication:", "CPI 指示:"}},
    {"cpi-set", "cb_CPISet", std::nullopt, {"Legacy CPI Set:", "旧 CPI 组:"}},
    {"cpi-start-level", "cb_CPILevel", std::nullopt, {"Legacy Start Level:", "旧起始档位:"}},
    {"sensor-rotation", "cb_SensorRotation", Term::SensorRotation, {"", ""}},
    {"cpi-prescaler", "cb_CPIPrescaleSel", std::nullopt, {"CPI Prescaler:", "CPI 预分频:"}},
    {"fire-key-rate", "cb_FireKeyFreq", std::nullopt, {"Fire Key Rate:", "连发频率:"}},
    {"fire-key-count", "cb_FireKeyCount", std::nullopt, {"Fire Key Count:", "连发次数:"}},
    {"led-ctrl0", "cb_LEDCtrl0", std::nullopt, {"LED Drive 0:", "LED 驱动 0:"}},
    {"led-ctrl1", "cb_LEDCtrl1", std::nullopt, {"LED Drive 1:", "LED 驱动 1:"}},
    {"led-mode-fuse", "cb_LEDModeFuse", std::nullopt, {"LED Mode Fuse:", "LED 模式熔丝:"}},
    {"combo-key-time", "cb_ComboKeyTime", std::nullopt, {"Combo Key Time:", "组合键时间:"}},
    {"usb-cdr", "cb_USBCDR", std::nullopt, {"USB Clock Recovery:", "USB 时钟恢复:"}},
    {"sensor-sleep", "cb_SensorSleep", std::nullopt, {"Sensor Sleep:", "传感器休眠:"}},
    {"led-power", "cb_LEDPower", std::nullopt, {"LED Power:", "LED 电源:"}},
    {"eft-rely-nak", "cb_EFTrelyNAK", std::nullopt, {"EFT Rely NAK:", "EFT NAK 依赖:"}},
    {"eft-relug", "cb_EFTrelug", std::nullopt, {"EFT Re-plug:", "EFT 重新插拔:"}},
    {"keep-profile-info",
     "cb_KeepProfileInfo",
     std::nullopt,
     {"Keep Profile Info:", "保留模式信息:"}},
    {"profile-led-flash",
     "cb_ProfileLEDFlash",
     std::nullopt,
     {"Profile LED Flash:", "切换模式闪灯:"}},
}};

const OptionText* optionText(std::string_view field) {
    for (const OptionText& option : kOptions) {
        if (option.field == field)
            return &option;
    }
    return nullptr;
}

}  // namespace

QString optionCaption(const OperationHost& host, std::string_view field) {
    const OptionText* option = optionText(field);
    if (option == nullptr)
        return {};
    return option->term ? host.term(*option->term) : textIn(option->caption, host.termLanguage());
}

QString optionControlName(std::string_view field) {
    const OptionText* option = optionText(field);
    return option == nullptr ? QString() : QString::fromUtf8(option->control);
}

}  // namespace gm::ui
