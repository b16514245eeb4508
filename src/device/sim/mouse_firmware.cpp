#include "device/sim/mouse_firmware.h"

#include <algorithm>

#include "device/wire.h"
#include "image/check_byte.h"

namespace gm::sim {

namespace {

namespace command = device::command;

constexpr std::size_t kLiveSpace = 256;  // live transfers address the first 256 image bytes

std::size_t bigEndian(std::uint8_t high, std::uint8_t low) {
    return static_cast<std::size_t>(high) << 8 | low;
}

}  // namespace

MouseFirmware::MouseFirmware(image::ChipType chip)
    : chip_(chip),
      identifyByte0_(chip == image::ChipType::Chip4230A ? kIdentify4230A : kIdentify4210A),
      xdata_(kXDataSize, 0x00) {
    eeprom_.fill(0xFF);
}

bool MouseFirmware::command(std::span<const std::uint8_t, 8> report) {
    const std::uint8_t code = report[1];
    switch (code) {
        case command::kXDataWrite:
            resetTransfers();
            xdata_[bigEndian(report[2], report[3])] = report[4];
            return true;
        case command::kXDataRead:
            startReadStream({xdata_[bigEndian(report[2], report[3])]});
            return true;
        case command::kLiveWrite: {
            const std::uint8_t target = report[2];
            const std::uint8_t count = report[7];
            if (target > 1 || (target == 0 && (count < 1 || count > 3))) {
                return false;
            }
            resetTransfers();
            liveWrite(report);
            return true;
        }
        case command::kLiveRead: {
            if (report[2] != 0) {
                return false;
            }
            std::vector<std::uint8_t> bytes(report[5]);
            for (std::size_t i = 0; i < bytes.size(); ++i) {
                bytes[i] = eeprom_[(report[3] + i) % kLiveSpace];
            }
            startReadStream(std::move(bytes));
            return true;
        }
        case command::kBlockWrite:
            resetTransfers();
            writeAddress_ = bigEndian(report[2], report[3]);
            writeRemaining_ = bigEndian(report[4], report[5]);
            return true;
        case command::kBlockRead: {
            const std::size_t address = bigEndian(report[2], report[3]);
            std::vector<std::uint8_t> bytes(bigEndian(report[4], report[5]), 0xFF);
            for (std::size_t i = 0; i < bytes.size() && address + i < image::kImageSize; ++i) {
                bytes[i] = eeprom_[address + i];
            }
            startReadStream(std::move(bytes));
            return true;
        }
        case command::kIdentify:
            startReadStream(
                {identifyByte0_, badIdentify_ ? std::uint8_t{0x00} : device::kIdentifyMarker});
            return true;
        case command::kRestart:
            resetTransfers();
            return true;
        default:
            return false;
    }
}

void MouseFirmware::liveWrite(std::span<const std::uint8_t, 8> report) {
    const std::uint8_t address = report[3];
    if (report[2] == 1) {
        keyStatusWrites_.push_back({address, {report[4], report[5], report[6], report[7]}});
        return;
    }
    for (std::size_t i = 0; i < report[7]; ++i) {
        eeprom_[(address + i) % kLiveSpace] = report[4 + i];
    }
}

MouseFirmware::Payload MouseFirmware::nextDataReport() {
    Payload payload{};
    const std::size_t available = readStream_.size() - readPosition_;
    const std::size_t n = std::min(payload.size(), available);
    std::copy_n(readStream_.begin() + static_cast<std::ptrdiff_t>(readPosition_), n,
                payload.begin());
    readPosition_ += n;
    return payload;
}

void MouseFirmware::receiveData(const Payload& payload) {
    const std::size_t n = std::min(payload.size(), writeRemaining_);
    for (std::size_t i = 0; i < n; ++i) {
        // Bytes addressed beyond the EEPROM are dropped rather than wrapped onto its start.
        if (writeAddress_ + i < image::kImageSize) {
            eeprom_[writeAddress_ + i] = payload[i];
        }
    }
    writeAddress_ += n;
    writeRemaining_ -= n;
}

void MouseFirmware::resetTransfers() {
    readStream_.clear();
    readPosition_ = 0;
    writeAddress_ = 0;
    writeRemaining_ = 0;
}

void MouseFirmware::startReadStream(std::vector<std::uint8_t> bytes) {
    resetTransfers();
    readStream_ = std::move(bytes);
}

std::uint8_t MouseFirmware::press(device::StatusButton button) {
    if (button == device::StatusButton::Profile) {
        const std::uint8_t profile = currentProfile();
        const std::uint8_t next = profile + 1U >= image::kProfileCount ? 0 : profile + 1;
        eeprom_[kProfileOffset] =
            static_cast<std::uint8_t>((eeprom_[kProfileOffset] & 0xF0) | next);
    } else {
        const int count = std::min<int>(eeprom_[kLevelCountOffset], 7) + 1;
        const int level = std::min<int>(currentLevel(), count - 1);
        // CPI loops through the levels; CPI+ and CPI- stop at the ends.
        const int next = button == device::StatusButton::Cpi     ? (level + 1) % count
                         : button == device::StatusButton::CpiUp ? std::min(level + 1, count - 1)
                                                                 : std::max(level - 1, 0);
        eeprom_[kCurrentLevelOffset] = static_cast<std::uint8_t>(next);
    }
    // The firmware keeps its own User section consistent when it changes it.
    image::setCheckByte(std::span(eeprom_).subspan(image::kUser.offset, image::kUser.length));
    return device::statusBitOf(button);
}

}  // namespace gm::sim
