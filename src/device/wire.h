#pragma once
// What crosses the wire between the editor and the mouse: the three report ids and their
// lengths, the command codes and the identify marker. Shared by the transport and protocol on
// the host side and by the virtual mouse's firmware model on the other.

#include <array>
#include <cstddef>
#include <cstdint>

namespace gm::device {

inline constexpr std::uint8_t kCommandReportId = 0x40;  // feature report, host to mouse
inline constexpr std::uint8_t kDataReportId = 0x41;     // feature report, both directions
inline constexpr std::uint8_t kStatusReportId = 0x42;   // input report, mouse to host
inline constexpr std::size_t kFeatureReportLength = 8;  // report id + 7 bytes
inline constexpr std::size_t kPayloadLength = 7;

using Payload = std::array<std::uint8_t, kPayloadLength>;

namespace command {
inline constexpr std::uint8_t kXDataWrite = 0x01;
inline constexpr std::uint8_t kXDataRead = 0x02;
inline constexpr std::uint8_t kLiveWrite = 0x05;
inline constexpr std::uint8_t kLiveRead = 0x06;
inline constexpr std::uint8_t kBlockWrite = 0x07;
inline constexpr std::uint8_t kBlockRead = 0x09;
inline constexpr std::uint8_t kIdentify = 0x0D;
inline constexpr std::uint8_t kRestart = 0x0E;
}  // namespace command

// Payload byte 1 of every valid identify answer (":").
inline constexpr std::uint8_t kIdentifyMarker = 0x3A;

// The four status buttons of the mouse. A status input report carries the held button's bit in
// byte kStatusEventByte, and 0 when it is released.
enum class StatusButton { Cpi, CpiUp, CpiDown, Profile };
inline constexpr std::array<StatusButton, 4> kStatusButtons{
    StatusButton::Cpi, StatusButton::CpiUp, StatusButton::CpiDown, StatusButton::Profile};
inline constexpr std::size_t kStatusEventByte = 3;
inline constexpr std::uint8_t kStatusReleased = 0x00;

constexpr std::uint8_t statusBitOf(StatusButton button) {
    return static_cast<std::uint8_t>(1U << static_cast<unsigned>(button));
}

}  // namespace gm::device
