#pragma once
// The mouse's firmware as the editor sees it: a 2048-byte EEPROM, a 64 KiB XDATA space, the
// command set on the 0x40 command report with its 0x41 data-report streams, and the four status
// buttons. A plain state machine: no locking, no clock, no presence; VirtualMouse adds those.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "device/wire.h"
#include "image/fields.h"
#include "image/geometry.h"
#include "image/layout.h"

namespace gm::sim {

inline constexpr std::size_t kXDataSize = 0x10000;
inline constexpr std::uint8_t kIdentify4210A = 0x40;
inline constexpr std::uint8_t kIdentify4230A = 0x3F;

// Image offsets the status buttons act on.
inline constexpr std::size_t kLevelCountOffset = 43;  // Vendor 43: number of levels - 1
inline constexpr std::size_t kCurrentLevelOffset = image::fields::kCurrentLevel;
inline constexpr std::size_t kProfileOffset = image::fields::kActiveProfile;

// One target-1 live write (key status test): kept, never stored in the EEPROM.
struct KeyStatusWrite {
    std::uint8_t address = 0;
    std::array<std::uint8_t, 4> data{};
    bool operator==(const KeyStatusWrite&) const = default;
};

class MouseFirmware {
public:
    using Payload = std::array<std::uint8_t, 7>;

    explicit MouseFirmware(image::ChipType chip);

    // A command report [0x40, code, a2..a7]. False for an unknown code or bad arguments; the
    // report then changes nothing.
    bool command(std::span<const std::uint8_t, 8> report);
    // Payload of the next data report the host fetches: the next chunk of a pending read
    // stream or answer, else seven zero bytes.
    Payload nextDataReport();
    // A data report from the host: lands in the EEPROM while a block write is open, else is
    // ignored.
    void receiveData(const Payload& payload);
    // Drops any pending stream (restart, power loss).
    void resetTransfers();

    // Applies a status button to the current level or profile; returns the event bit.
    std::uint8_t press(device::StatusButton button);
    std::uint8_t currentLevel() const { return eeprom_[kCurrentLevelOffset]; }
    std::uint8_t currentProfile() const {
        return image::fields::profileOf(eeprom_[kProfileOffset]);
    }

    image::Image& eeprom() { return eeprom_; }
    const image::Image& eeprom() const { return eeprom_; }
    std::vector<std::uint8_t>& xdata() { return xdata_; }
    const std::vector<std::uint8_t>& xdata() const { return xdata_; }

    image::ChipType chip() const { return chip_; }
    // Byte 0 of the identify answer (0x40 for the 4210A, 0x3F for the 4230A by default).
    void setIdentifyByte0(std::uint8_t value) { identifyByte0_ = value; }
    // Answers identify without the 0x3A marker.
    void setBadIdentify(bool bad) { badIdentify_ = bad; }

    const std::vector<KeyStatusWrite>& keyStatusWrites() const { return keyStatusWrites_; }

private:
    void startReadStream(std::vector<std::uint8_t> bytes);
    void liveWrite(std::span<const std::uint8_t, 8> report);

    image::ChipType chip_;
    std::uint8_t identifyByte0_;
    bool badIdentify_ = false;
    image::Image eeprom_{};
    std::vector<std::uint8_t> xdata_;

    // Pending answer to the host, handed out 7 bytes per data report.
    std::vector<std::uint8_t> readStream_;
    std::size_t readPosition_ = 0;
    // Open block write: next EEPROM address and bytes still expected.
    std::size_t writeAddress_ = 0;
    std::size_t writeRemaining_ = 0;

    std::vector<KeyStatusWrite> keyStatusWrites_;
};

}  // namespace gm::sim
