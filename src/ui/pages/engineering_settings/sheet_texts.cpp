#include "ui/pages/engineering_settings/sheet_texts.h"

#include <array>

#include "ui/host/operation_host.h"

namespace gm::ui {

namespace {

struct Pair {
    const char* english;
    const char* chinese;
};

QString pick(const OperationHost& host, const Pair& pair) {
    return QString::fromUtf8(host.termLanguage() == 2 ? pair.chinese : pair.english);
}

struct OptionText {
    std::string_view field;
    const char* control;
    int term;  // -1: the caption below
    Pair caption;
};

constexpr int kSensorRotationTerm = 138;

// Every field of Vendor 4..8 that has a combo box, in the order of the option map.
constexpr std::array<OptionText, 22> kOptions{{
    {"chip-type", "cb_ICType", -1, {"IC Type:", "芯片类型:"}},
    {"sensor-enhance", "cb_SensorEnhance", -1, {"Sensor Enhance:", "传感器增强:"}},
    {"package", "cb_Package", -1, {"Package:", "封装:"}},
    {"key-matrix", "cb_KbdType", -1, {"Key Matrix:", "按键矩阵:"}},
    {"cpi-indication", "cb_CPIIndication", -1, {"CPI Indication:", "CPI 指示:"}},
    {"cpi-set", "cb_CPISet", -1, {"Legacy CPI Set:", "旧 CPI 组:"}},
    {"cpi-start-level", "cb_CPILevel", -1, {"Legacy Start Level:", "旧起始档位:"}},
    {"sensor-rotation", "cb_SensorRotation", kSensorRotationTerm, {"", ""}},
    {"cpi-prescaler", "cb_CPIPrescaleSel", -1, {"CPI Prescaler:", "CPI 预分频:"}},
    {"fire-key-rate", "cb_FireKeyFreq", -1, {"Fire Key Rate:", "连发频率:"}},
    {"fire-key-count", "cb_FireKeyCount", -1, {"Fire Key Count:", "连发次数:"}},
    {"led-ctrl0", "cb_LEDCtrl0", -1, {"LED Drive 0:", "LED 驱动 0:"}},
    {"led-ctrl1", "cb_LEDCtrl1", -1, {"LED Drive 1:", "LED 驱动 1:"}},
    {"led-mode-fuse", "cb_LEDModeFuse", -1, {"LED Mode Fuse:", "LED 模式熔丝:"}},
    {"combo-key-time", "cb_ComboKeyTime", -1, {"Combo Key Time:", "组合键时间:"}},
    {"usb-cdr", "cb_USBCDR", -1, {"USB Clock Recovery:", "USB 时钟恢复:"}},
    {"sensor-sleep", "cb_SensorSleep", -1, {"Sensor Sleep:", "传感器休眠:"}},
    {"led-power", "cb_LEDPower", -1, {"LED Power:", "LED 电源:"}},
    {"eft-rely-nak", "cb_EFTrelyNAK", -1, {"EFT Rely NAK:", "EFT NAK 依赖:"}},
    {"eft-relug", "cb_EFTrelug", -1, {"EFT Re-plug:", "EFT 重新插拔:"}},
    {"keep-profile-info", "cb_KeepProfileInfo", -1, {"Keep Profile Info:", "保留模式信息:"}},
    {"profile-led-flash", "cb_ProfileLEDFlash", -1, {"Profile LED Flash:", "切换模式闪灯:"}},
}};

const OptionText* optionText(std::string_view field) {
    for (const OptionText& option : kOptions) {
        if (option.field == field)
            return &option;
    }
    return nullptr;
}

}  // namespace

QString sheetText(const OperationHost& host, SheetText which) {
    switch (which) {
        case SheetText::OptionsTab:
            return pick(host, {"Options", "选项"});
        case SheetText::UsbSensorTab:
            return pick(host, {"USB / Sensor", "USB / 传感器"});
        case SheetText::DeviceOptions:
            return pick(host, {"Device Options", "设备选项"});
        case SheetText::CpiOptions:
            return pick(host, {"CPI Options", "CPI 选项"});
        case SheetText::ReportRate:
            return pick(host, {"Report Rate", "回报率"});
        case SheetText::SensorRegisters:
            return pick(host, {"Sensor Registers (Hex)", "传感器寄存器 (十六进制)"});
        case SheetText::ModesOffered:
            return pick(host, {"Modes offered", "可选模式"});
        case SheetText::McuLed:
            return pick(host, {"MCU LED", "MCU 灯"});
        case SheetText::Red:
            return pick(host, {"R", "红"});
        case SheetText::Green:
            return pick(host, {"G", "绿"});
        case SheetText::Blue:
            return pick(host, {"B", "蓝"});
        case SheetText::Offset:
            return pick(host, {"Offset (Hex):", "偏移 (十六进制):"});
        case SheetText::OnMouse:
            return pick(host, {"on mouse", "鼠标中"});
        case SheetText::ImageTab:
            return pick(host, {"Image", "镜像"});
        case SheetText::PatchChecksum:
            return pick(host, {"Patch code checksum:", "补丁代码校验和:"});
        case SheetText::ComputedChecksum:
            return pick(host, {"computed", "计算值"});
    }
    return {};
}

QString optionCaption(const OperationHost& host, std::string_view field) {
    const OptionText* option = optionText(field);
    if (option == nullptr)
        return {};
    return option->term >= 0 ? host.term(option->term) : pick(host, option->caption);
}

QString optionControlName(std::string_view field) {
    const OptionText* option = optionText(field);
    return option == nullptr ? QString() : QString::fromUtf8(option->control);
}

}  // namespace gm::ui
