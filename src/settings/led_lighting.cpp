#include "settings/led_lighting.h"

#include <algorithm>
#include <array>
#include <string>

#include "device/session/factory_reset.h"
#include "image/check_byte.h"
#include "settings/device_options.h"
#include "settings/live_write.h"

namespace gm::settings {
namespace {

constexpr std::size_t kKeyMatrixBit = 6;
constexpr std::array<int, kLedTypeCount> kStartingModes{5, 2, 3, 4};
constexpr std::size_t kMcuStepByte = 8;
constexpr std::size_t kMcuLampsByte = 9;
constexpr std::size_t kMcuCheckByte = 15;
constexpr std::uint16_t kMcuStepXData = 0x07C4;
constexpr std::uint16_t kMcuLampsXData = 0x07C5;

device::Result invalid(const std::string& detail) {
    return device::Result::fail(device::Failure::InvalidRequest, device::Step::None, detail);
}

device::Result writeLedByte(device::Workspace& workspace, std::uint8_t value) {
    workingByte(workspace.model(), kLedByteAddress) = value;
    return writeLive(workspace, kLedByteAddress, 1);
}

}  // namespace

LedByte ledOf(const image::ImageModel& model) {
    return decodeLed(model.copies.user[kLedByteAddress - image::kUser.offset]);
}

device::Result setLedType(device::Workspace& workspace, LedType type) {
    // The new type rebuilds the image from defaults: the backup comes before the first write, so
    // it holds the old type too.
    device::Result backup;
    if (device::session::maySend(workspace)) {
        backup = device::session::keepBackup(workspace, "led-type");
        if (!backup)
            return backup;
    }
    image::ImageModel& model = workspace.model();
    const bool rgb = type == LedType::Rgb;
    std::uint8_t& options = workingByte(model, kPackageAddress);
    options = static_cast<std::uint8_t>((options & 0x3F) | (rgb ? 1 : 0) << kPackageBit |
                                        (rgb ? 1 : 0) << kKeyMatrixBit);
    model.packageItem = rgb ? 1 : 0;
    model.ledTypeText = std::string(ledTypeText(type));
    // A refused write names its own step, the steps done before it and the backup.
    const auto failed = [&backup](device::Result result, device::Step step,
                                  std::initializer_list<device::Step> done) {
        result.step = step;
        result.backup = backup.backup;
        return result.after(done);
    };
    if (device::Result written = writeLive(workspace, kPackageAddress, 1); !written)
        return failed(written, device::Step::WriteLedType, {});
    const int mode = kStartingModes[static_cast<std::size_t>(type)];
    if (device::Result written =
            writeLedByte(workspace, encodeLed(type, mode, ledOf(model).zkLamps));
        !written) {
        return failed(written, device::Step::WriteLedMode, {device::Step::WriteLedType});
    }
    if (!device::session::maySend(workspace))
        return device::Result::done();
    device::Result rebuilt = device::session::rebuildEngineeringDefaults(
        workspace, device::session::KeptBackup{backup.backup});
    return rebuilt.after({device::Step::WriteLedType, device::Step::WriteLedMode});
}

device::Result setLedMode(device::Workspace& workspace, int mode) {
    const LedByte led = ledOf(workspace.model());
    if (mode < 0 || mode >= static_cast<int>(modeNames(led.type).size()))
        return invalid("mode " + std::to_string(mode));
    const std::uint8_t held = workingByte(workspace.model(), kLedByteAddress);
    return writeLedByte(workspace,
                        static_cast<std::uint8_t>((held & 0xF0) | modeCodeOf(led.type, mode)));
}

device::Result setZkLamps(device::Workspace& workspace, int lamps) {
    const LedByte led = ledOf(workspace.model());
    if (led.type != LedType::Zk || lamps < 1 || lamps > 8)
        return invalid("ZK lamp count " + std::to_string(lamps));
    return writeLedByte(workspace, encodeLed(LedType::Zk, led.mode.value_or(0), lamps - 1));
}

device::Result setUserColour(device::Workspace& workspace, int k, Rgb colour) {
    if (k < 1 || k > kUserColourCount)
        return invalid("colour " + std::to_string(k) + " (1..10)");
    const std::size_t address = kUserColoursAddress + 3 * static_cast<std::size_t>(k - 1);
    return writeColour(workspace, address, colour);
}

namespace {

constexpr std::size_t kModeMaskAddress = 42;

// The mask bit of a mode is the number of its checkbox. The MCU LED's modes use bits 1..7; the
// ZK LED has no checkboxes 3 and 6, so its modes 3 and 4 are bits 4 and 5, like their codes (its
// default mask 37 offers all five).
int modeBit(const image::ImageModel& model, int mode) {
    const LedType type = ledOf(model).type;
    if (type == LedType::Mcu)
        return mode + 1;
    if (type == LedType::Zk)
        return modeCodeOf(type, mode);
    return mode;
}

struct BreathingField {
    std::size_t address;
    int width;  // bytes
    int maximum;
};

BreathingField fieldOf(Breathing which) {
    switch (which) {
        case Breathing::Lower:
            return {48, 2, 65535};
        case Breathing::Upper:
            return {50, 2, 65535};
        case Breathing::LowerTime:
            return {52, 2, 4094};
        case Breathing::UpperTime:
            return {54, 2, 65535};
        case Breathing::StepTime:
            break;
    }
    return {kStepTimeAddress, 1, 255};
}

}  // namespace

bool modeOffered(const image::ImageModel& model, int mode) {
    return (model.copies.vendor[kModeMaskAddress] >> modeBit(model, mode) & 1) != 0;
}

device::Result setModeOffered(device::Workspace& workspace, int mode, bool offered) {
    image::ImageModel& model = workspace.model();
    if (mode < 0 || mode >= static_cast<int>(modeNames(ledOf(model).type).size()))
        return invalid("mode " + std::to_string(mode));
    std::uint8_t& mask = workingByte(model, kModeMaskAddress);
    const auto bit = static_cast<std::uint8_t>(1 << modeBit(model, mode));
    mask = static_cast<std::uint8_t>(offered ? mask | bit : mask & ~bit);
    return writeLive(workspace, kModeMaskAddress, 1);
}

int breathingOf(const image::ImageModel& model, Breathing which) {
    const BreathingField field = fieldOf(which);
    const auto& vendor = model.copies.vendor;
    return field.width == 1 ? vendor[field.address]
                            : vendor[field.address] << 8 | vendor[field.address + 1];
}

device::Result setBreathing(device::Workspace& workspace, Breathing which, int value) {
    const BreathingField field = fieldOf(which);
    const int clamped = std::clamp(value, 0, field.maximum);
    image::ImageModel& model = workspace.model();
    if (field.width == 1) {
        workingByte(model, field.address) = static_cast<std::uint8_t>(clamped);
    } else {
        workingByte(model, field.address) = static_cast<std::uint8_t>(clamped >> 8);
        workingByte(model, field.address + 1) = static_cast<std::uint8_t>(clamped & 0xFF);
    }
    return writeLive(workspace, field.address, static_cast<std::uint8_t>(field.width));
}

device::Result setSpeedStep(device::Workspace& workspace, int step) {
    if (step < 1 || step > kSpeedSteps)
        return invalid("speed step " + std::to_string(step) + " (1..10)");
    workingByte(workspace.model(), kStepTimeAddress) = static_cast<std::uint8_t>(55 - 5 * step);
    return writeLive(workspace, kStepTimeAddress, 1);
}

int speedStepOf(std::uint8_t stepTime) {
    if (stepTime <= 5)
        return kSpeedSteps;
    // 6..10 is step 9, 11..15 step 8, and so on; above 45 step 1.
    return std::max(1, kSpeedSteps - (stepTime - 1) / 5);
}

McuLed mcuLedOf(const image::ImageModel& model) {
    const auto& header = model.copies.patchHeader;
    McuLed settings;
    settings.step = kMcuSteps - 1 - std::min<int>(header[kMcuStepByte], kMcuSteps - 1);
    settings.fullBrightness = (header[kMcuLampsByte] & 0x80) != 0;
    settings.lamps = kMcuMaxLamps - std::min(header[kMcuLampsByte] & 0x0F, 9);
    return settings;
}

device::Result setMcuLed(device::Workspace& workspace, const McuLed& settings) {
    image::ImageModel& model = workspace.model();
    if (model.chip != image::ChipType::Chip4210A) {
        return device::Result::fail(device::Failure::Unsupported, device::Step::None,
                                    "MCU LED settings (4210A only)");
    }
    if (settings.step < 0 || settings.step >= kMcuSteps || settings.lamps < kMcuMinLamps ||
        settings.lamps > kMcuMaxLamps) {
        return invalid("MCU LED step " + std::to_string(settings.step + 1) + ", lamps " +
                       std::to_string(settings.lamps));
    }
    auto& header = model.copies.patchHeader;
    header[kMcuStepByte] = static_cast<std::uint8_t>(kMcuSteps - 1 - settings.step);
    header[kMcuLampsByte] = static_cast<std::uint8_t>((settings.fullBrightness ? 0x80 : 0) |
                                                      (kMcuMaxLamps - settings.lamps));
    std::fill(header.begin() + kMcuLampsByte + 1, header.begin() + kMcuCheckByte, 0);
    header[kMcuCheckByte] = image::checkByteOf(
        std::span<const std::uint8_t>(header).subspan(kMcuStepByte, kMcuCheckByte - kMcuStepByte));
    if (!maySend(workspace))
        return device::Result::done();
    const device::session::DeviceOperation operation = workspace.session().beginWithDevice();
    if (!operation.started()) {
        std::copy_n(model.buffer.begin() + image::kPatchHeader.offset, header.size(),
                    header.begin());
        return operation.refusal;
    }
    if (device::Result written =
            writeArea(workspace, image::kPatchHeader, device::Step::WritePatchHeader);
        !written) {
        return written;
    }
    device::CommandProtocol& protocol = workspace.protocol();
    if (device::Result step = protocol.xdataWrite(kMcuStepXData, header[kMcuStepByte]); !step)
        return step.at(device::Step::XDataWrite);
    return protocol.xdataWrite(kMcuLampsXData, header[kMcuLampsByte]).at(device::Step::XDataWrite);
}

}  // namespace gm::settings
