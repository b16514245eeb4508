#pragma once
// The mouse's command set on top of the transport: block and live transfers of the
// configuration image, XDATA access, identify and restart, and the transfer patterns the editor
// uses (whole-image read and write, profile push). Every operation holds the transport's
// transaction lock for its whole length and returns a success flag; none throws.

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
#include <span>

#include "device/clock.h"
#include "device/link/transport.h"
#include "device/presenter.h"
#include "device/timing.h"
#include "device/wire.h"
#include "image/image_model.h"
#include "image/layout.h"

namespace gm::device {

// Answer of the identify command.
struct IdentifyAnswer {
    Payload payload{};
    bool valid() const { return payload[1] == kIdentifyMarker; }
};

class CommandProtocol {
public:
    CommandProtocol(Transport& transport, Clock& clock, const Timing& timing, Presenter& presenter);

    // A transfer needs the command channel and, when data reports follow, the data channel;
    // without them it returns false and sends nothing. Lengths above 0xFFFF (blocks) or 255
    // (live reads) are refused the same way. A length of 0 sends nothing and succeeds when the
    // mouse is open.

    // Block write (0x07) of `source` at `address`; ceil(n/7) data reports, back to back. The
    // progress window stays shown; the caller hides it.
    bool writeBlock(std::uint16_t address, std::span<const std::uint8_t> source);
    // Block read (0x09) of destination.size() bytes at `address`. The destination is preset to
    // 0xFF; a refused data report leaves its chunk 0xFF and the read goes on. Only a refused
    // command report fails the read, so a mouse that leaves midway still gives true, with 0xFF
    // in the chunks it never sent; lastRefusedReports() tells that case apart.
    bool readBlock(std::uint16_t address, std::span<std::uint8_t> destination,
                   bool withProgress = false);
    // Live write, target 0: count (1..3) bytes at an 8-bit image address. Shows and hides the
    // progress window and waits afterLiveWrite.
    bool liveWrite(std::uint8_t address, std::uint8_t d0, std::uint8_t d1, std::uint8_t d2,
                   std::uint8_t count);
    // Live write, target 1: four data bytes (key status test).
    bool liveWrite4(std::uint8_t address, std::array<std::uint8_t, 4> data);
    // A run of target-0 live writes of 3 bytes each; the address wraps at 256.
    bool liveWriteRange(std::uint8_t start, std::span<const std::uint8_t> source);
    // Live read (0x06) of destination.size() bytes (at most 255) at an 8-bit address.
    bool liveRead(std::uint8_t target, std::uint8_t address, std::span<std::uint8_t> destination);
    // XDATA access; addresses above 0xFFFF are sent as their low 16 bits. A read whose data
    // report was refused gives nullopt rather than a made-up 0xFF.
    std::optional<std::uint8_t> xdataRead(std::uint32_t address);
    bool xdataWrite(std::uint32_t address, std::uint8_t value);
    // The engineering "change XDATA" sequence: 0x7241 = 1, 0x7242 = 6, 0x7243 = 1.
    bool changeXData();

    // Identify (0x0D) and one data report; nullopt when the command report was refused.
    std::optional<IdentifyAnswer> identify();
    // Restart (0x0E): the mouse leaves the bus and enumerates again.
    bool restart();

    // Whole image read into model.buffer with the progress window (does not split). The
    // progress window stays shown; the caller hides it.
    bool readImage(image::ImageModel& model);
    // Whole image write of model.buffer at address 0.
    bool writeImage(const image::ImageModel& model);
    // Writes the three profile sections (check bytes recomputed first), optionally the fire key
    // area, re-reads the User section and re-arms the mouse's key tables. The User working copy
    // changes only when its whole re-read arrived; otherwise the push stops and returns false.
    bool pushProfiles(image::ImageModel& model, bool withFireKeys);

    // Data reports and live-write chunks the mouse refused during the last operation to finish.
    // Transfers carry on past such refusals (only a refused command report aborts one), so a
    // caller that must know every byte arrived checks this after a successful transfer. Where
    // other threads use the protocol too, hold transport.transaction() across both calls.
    int lastRefusedReports() const { return lastRefusedReports_.load(); }

private:
    class Operation;
    // Shows the progress window, sends one live-write report, waits afterLiveWrite, hides.
    bool sendLiveWrite(std::span<const std::uint8_t, kFeatureReportLength> report);
    // Presets the destination and the response to 0xFF; false when the link cannot read or
    // the length does not fit the command.
    bool prepareRead(std::span<std::uint8_t> destination, std::size_t maxLength);
    // Reads the data reports of a sent read command into the destination, 7 bytes each.
    void receiveChunks(std::span<std::uint8_t> destination, bool withProgress);
    // Counts a refused data report or live-write chunk of the running operation.
    void noteRefused() { ++refusedReports_; }

    Transport& transport_;
    Clock& clock_;
    const Timing& timing_;
    Presenter& presenter_;
    int operationDepth_ = 0;  // nesting of public operations; guarded by the transaction lock
    int refusedReports_ = 0;  // of the running outermost operation
    std::atomic<int> lastRefusedReports_{0};
};

}  // namespace gm::device
