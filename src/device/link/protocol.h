#pragma once
// The mouse's command set on top of the transport: block and live transfers of the
// configuration image, XDATA access, identify and restart. Every operation runs under the
// operation guard (busy, nothing sent, while another operation runs) and returns a Result that
// counts the data reports the mouse refused: a transfer carries on past a refused data report,
// as the mouse expects, but never reports such a transfer as done.

#include <array>
#include <cstdint>
#include <span>

#include "device/clock.h"
#include "device/link/operation_guard.h"
#include "device/link/transport.h"
#include "device/presenter.h"
#include "device/result.h"
#include "device/timing.h"
#include "device/wire.h"

namespace gm::device {

// Answer of the identify command.
struct IdentifyAnswer {
    Payload payload{};
    bool valid() const { return payload[1] == kIdentifyMarker; }
};

enum class Progress { Hidden, Shown };

class CommandProtocol {
public:
    // `presenter` is called with the guard sealed (see SealedPresenter).
    CommandProtocol(Transport& transport, OperationGuard& guard, Clock& clock, const Timing& timing,
                    Presenter& presenter);

    // A transfer needs the command channel and, when data reports follow, the data channel;
    // without them it fails with NoDevice and sends nothing. Lengths above 0xFFFF (blocks) or
    // 255 (live reads) are refused as InvalidRequest. A length of 0 sends nothing.

    // Block write (0x07) of `source` at `address`; ceil(n/7) data reports, back to back. The
    // progress window stays shown; the caller hides it.
    Result writeBlock(std::uint16_t address, std::span<const std::uint8_t> source);
    // Block read (0x09) of destination.size() bytes at `address`. The destination is preset to
    // 0xFF; a refused data report leaves its chunk 0xFF and the read goes on.
    Result readBlock(std::uint16_t address, std::span<std::uint8_t> destination,
                     Progress progress = Progress::Hidden);
    // Live write, target 0: count (1..3) bytes at an 8-bit image address. Shows and hides the
    // progress window and waits afterLiveWrite.
    Result liveWrite(std::uint8_t address, std::uint8_t d0, std::uint8_t d1, std::uint8_t d2,
                     std::uint8_t count);
    // Live write, target 1: four data bytes (key status test).
    Result liveWrite4(std::uint8_t address, std::array<std::uint8_t, 4> data);
    // A run of target-0 live writes of 3 bytes each; the address wraps at 256. A refused chunk
    // does not stop the run.
    Result liveWriteRange(std::uint8_t start, std::span<const std::uint8_t> source);
    // Live read (0x06) of destination.size() bytes (at most 255) at an 8-bit address.
    Result liveRead(std::uint8_t target, std::uint8_t address, std::span<std::uint8_t> destination);
    // XDATA access at a 16-bit address. A read whose data report was refused leaves `value`.
    Result xdataRead(std::uint16_t address, std::uint8_t& value);
    Result xdataWrite(std::uint16_t address, std::uint8_t value);
    // The engineering "change XDATA" sequence: 0x7241 = 1, 0x7242 = 6, 0x7243 = 1. All three
    // are sent; the detail of a failure lists the addresses the mouse refused.
    Result changeXData();

    // Identify (0x0D) and one data report.
    Result identify(IdentifyAnswer& answer);
    // Restart (0x0E): the mouse leaves the bus and enumerates again.
    Result restart();

    OperationGuard& guard() { return guard_; }

private:
    // Shows the progress window, sends one live-write report, waits afterLiveWrite, hides.
    Result sendLiveWrite(std::span<const std::uint8_t, kFeatureReportLength> report);
    // Busy, NoDevice or InvalidRequest before a read of `length` bytes; done when it may start.
    Result checkRead(std::size_t length, std::size_t maxLength) const;
    // A refusal that came because the mouse left the bus becomes DeviceLeft.
    Result leftOr(Result refused) const;
    // Reads the data reports of a sent read command into the destination, 7 bytes each.
    Result receiveChunks(std::span<std::uint8_t> destination, Progress progress);

    Transport& transport_;
    OperationGuard& guard_;
    Clock& clock_;
    const Timing& timing_;
    Presenter& presenter_;
};

}  // namespace gm::device
