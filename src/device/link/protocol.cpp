#include "device/link/protocol.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <string>

#include "device/pumped_wait.h"
#include "image/hex_text.h"

namespace gm::device {
namespace {

constexpr std::size_t kLiveChunkLength = 3;
constexpr std::size_t kMaxBlockLength = std::numeric_limits<std::uint16_t>::max();
constexpr std::size_t kMaxLiveReadLength = std::numeric_limits<std::uint8_t>::max();
constexpr std::uint8_t kLiveTargetImage = 0x00;
constexpr std::uint8_t kLiveTargetKeyTest = 0x01;

constexpr std::uint8_t highByte(std::uint32_t value) {
    return static_cast<std::uint8_t>((value >> 8) & 0xFF);
}
constexpr std::uint8_t lowByte(std::uint32_t value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

constexpr std::size_t chunkCount(std::size_t length, std::size_t chunkLength) {
    return (length + chunkLength - 1) / chunkLength;
}

// Bytes carried by chunk `index` of a transfer of `length` bytes: full chunks, then the rest.
constexpr std::size_t chunkLengthAt(std::size_t index, std::size_t length,
                                    std::size_t chunkLength) {
    return std::min(chunkLength, length - index * chunkLength);
}

void presetFF(std::span<std::uint8_t> bytes) {
    std::fill(bytes.begin(), bytes.end(), 0xFF);
}

Result busy() {
    return Result::fail(Failure::Busy);
}

// The result of a transfer whose command was accepted: done unless reports were refused.
Result counted(int refused, std::size_t reports) {
    Result result;
    if (refused > 0)
        result.failure = Failure::TransferIncomplete;
    result.refused = refused;
    result.reports = static_cast<int>(reports);
    return result;
}

}  // namespace

CommandProtocol::CommandProtocol(Transport& transport, OperationGuard& guard, Clock& clock,
                                 const Timing& timing, Presenter& presenter)
    : transport_(transport), guard_(guard), clock_(clock), timing_(timing), presenter_(presenter) {}

Result CommandProtocol::writeBlock(std::uint16_t address, std::span<const std::uint8_t> source) {
    const auto operation = guard_.tryEnter();
    if (!operation)
        return busy();
    if (!transport_.hasCommandChannel() || !transport_.hasDataChannel())
        return Result::fail(Failure::NoDevice);
    if (source.size() > kMaxBlockLength) {
        return Result::fail(Failure::InvalidRequest, Step::None,
                            std::to_string(source.size()) + " bytes in one block");
    }
    if (source.empty())
        return Result::done();

    // The response buffer doubles as the staging buffer: a short last chunk keeps the bytes of
    // the chunk before it (0xFF for a single chunk); the mouse uses only `length` bytes.
    Payload& staging = transport_.response();
    presetFF(staging);
    const auto length = static_cast<std::uint32_t>(source.size());
    if (!transport_.sendCommand(command::kBlockWrite, highByte(address), lowByte(address),
                                highByte(length), lowByte(length))) {
        return leftOr(Result::fail(Failure::CommandRefused));
    }
    const std::size_t chunks = chunkCount(source.size(), kPayloadLength);
    int refused = 0;
    for (std::size_t i = 0; i < chunks; ++i) {
        presenter_.showProgress(static_cast<int>(i), static_cast<int>(chunks));
        const auto chunk =
            source.subspan(i * kPayloadLength, chunkLengthAt(i, source.size(), kPayloadLength));
        std::copy(chunk.begin(), chunk.end(), staging.begin());
        if (!transport_.sendData(staging))
            ++refused;
    }
    return leftOr(counted(refused, chunks));
}

Result CommandProtocol::readBlock(std::uint16_t address, std::span<std::uint8_t> destination,
                                  Progress progress) {
    const auto operation = guard_.tryEnter();
    if (!operation)
        return busy();
    presetFF(destination);
    if (Result refused = checkRead(destination.size(), kMaxBlockLength); !refused)
        return refused;
    if (destination.empty())
        return Result::done();
    const auto length = static_cast<std::uint32_t>(destination.size());
    if (!transport_.sendCommand(command::kBlockRead, highByte(address), lowByte(address),
                                highByte(length), lowByte(length))) {
        return leftOr(Result::fail(Failure::CommandRefused));
    }
    return receiveChunks(destination, progress);
}

Result CommandProtocol::checkRead(std::size_t length, std::size_t maxLength) const {
    presetFF(transport_.response());
    if (!transport_.hasCommandChannel() || !transport_.hasDataChannel())
        return Result::fail(Failure::NoDevice);
    if (length > maxLength) {
        return Result::fail(
            Failure::InvalidRequest, Step::None,
            std::to_string(length) + " bytes in one read; at most " + std::to_string(maxLength));
    }
    return Result::done();
}

Result CommandProtocol::receiveChunks(std::span<std::uint8_t> destination, Progress progress) {
    const std::size_t chunks = chunkCount(destination.size(), kPayloadLength);
    int refused = 0;
    for (std::size_t i = 0; i < chunks; ++i) {
        if (progress == Progress::Shown)
            presenter_.showProgress(static_cast<int>(i), static_cast<int>(chunks));
        // A refused report leaves the response at 0xFF, and so the chunk.
        if (!transport_.readData())
            ++refused;
        const std::size_t n = chunkLengthAt(i, destination.size(), kPayloadLength);
        const Payload& response = transport_.response();
        std::copy_n(response.begin(), n,
                    destination.begin() + static_cast<long>(i * kPayloadLength));
    }
    return leftOr(counted(refused, chunks));
}

Result CommandProtocol::liveWrite(std::uint8_t address, std::uint8_t d0, std::uint8_t d1,
                                  std::uint8_t d2, std::uint8_t count) {
    const auto operation = guard_.tryEnter();
    if (!operation)
        return busy();
    if (count < 1 || count > kLiveChunkLength) {
        return Result::fail(Failure::InvalidRequest, Step::None,
                            std::to_string(count) + " bytes in one live write");
    }
    const std::array<std::uint8_t, kFeatureReportLength> report{
        kCommandReportId, command::kLiveWrite, kLiveTargetImage, address, d0, d1, d2, count};
    return sendLiveWrite(report);
}

Result CommandProtocol::liveWrite4(std::uint8_t address, std::array<std::uint8_t, 4> data) {
    const auto operation = guard_.tryEnter();
    if (!operation)
        return busy();
    const std::array<std::uint8_t, kFeatureReportLength> report{kCommandReportId,
                                                                command::kLiveWrite,
                                                                kLiveTargetKeyTest,
                                                                address,
                                                                data[0],
                                                                data[1],
                                                                data[2],
                                                                data[3]};
    return sendLiveWrite(report);
}

Result CommandProtocol::sendLiveWrite(std::span<const std::uint8_t, kFeatureReportLength> report) {
    if (!transport_.hasCommandChannel())
        return Result::fail(Failure::NoDevice);
    presenter_.showProgress(0, 1);
    const bool accepted = transport_.sendCommandReport(report);
    waitPumping(clock_, timing_, presenter_, timing_.afterLiveWrite);
    presenter_.hideProgress();
    presenter_.pumpEvents();
    return accepted ? Result::done() : leftOr(Result::fail(Failure::CommandRefused));
}

Result CommandProtocol::liveWriteRange(std::uint8_t start, std::span<const std::uint8_t> source) {
    const auto operation = guard_.tryEnter();
    if (!operation)
        return busy();
    // Staging as for block writes: a short last chunk keeps the previous chunk's tail bytes.
    Payload& staging = transport_.response();
    presetFF(staging);
    if (!transport_.hasCommandChannel())
        return Result::fail(Failure::NoDevice);

    const std::size_t chunks = chunkCount(source.size(), kLiveChunkLength);
    int refused = 0;
    for (std::size_t i = 0; i < chunks; ++i) {
        presenter_.showProgress(static_cast<int>(i), static_cast<int>(chunks));
        const std::size_t n = chunkLengthAt(i, source.size(), kLiveChunkLength);
        std::copy_n(source.begin() + static_cast<long>(i * kLiveChunkLength), n, staging.begin());
        const auto address = static_cast<std::uint8_t>((start + i * kLiveChunkLength) & 0xFF);
        const std::array<std::uint8_t, kFeatureReportLength> report{
            kCommandReportId, command::kLiveWrite, kLiveTargetImage, address,
            staging[0],       staging[1],          staging[2],       static_cast<std::uint8_t>(n)};
        if (!transport_.sendCommandReport(report))
            ++refused;
    }
    return leftOr(counted(refused, chunks));
}

Result CommandProtocol::liveRead(std::uint8_t target, std::uint8_t address,
                                 std::span<std::uint8_t> destination) {
    const auto operation = guard_.tryEnter();
    if (!operation)
        return busy();
    presetFF(destination);
    if (Result refused = checkRead(destination.size(), kMaxLiveReadLength); !refused)
        return refused;
    if (destination.empty())
        return Result::done();
    const auto count = static_cast<std::uint8_t>(destination.size());
    if (!transport_.sendCommand(command::kLiveRead, target, address, 0x00, count))
        return leftOr(Result::fail(Failure::CommandRefused));
    return receiveChunks(destination, Progress::Hidden);
}

Result CommandProtocol::xdataRead(std::uint16_t address, std::uint8_t& value) {
    const auto operation = guard_.tryEnter();
    if (!operation)
        return busy();
    if (Result refused = checkRead(1, 1); !refused)
        return refused;
    if (!transport_.sendCommand(command::kXDataRead, highByte(address), lowByte(address), 0x00,
                                0x01)) {
        return leftOr(Result::fail(Failure::CommandRefused));
    }
    if (!transport_.readData())
        return leftOr(counted(1, 1));
    value = transport_.response()[0];
    return leftOr(counted(0, 1));
}

Result CommandProtocol::xdataWrite(std::uint16_t address, std::uint8_t value) {
    const auto operation = guard_.tryEnter();
    if (!operation)
        return busy();
    presetFF(transport_.response());
    if (!transport_.hasCommandChannel())
        return Result::fail(Failure::NoDevice);
    if (!transport_.sendCommand(command::kXDataWrite, highByte(address), lowByte(address), value))
        return leftOr(Result::fail(Failure::CommandRefused));
    return Result::done();
}

Result CommandProtocol::changeXData() {
    const auto operation = guard_.tryEnter();
    if (!operation)
        return busy();
    if (!transport_.hasCommandChannel())
        return Result::fail(Failure::NoDevice);
    constexpr std::array<std::pair<std::uint16_t, std::uint8_t>, 3> kWrites{
        {{0x7241, 0x01}, {0x7242, 0x06}, {0x7243, 0x01}}};
    // Every write is sent whatever the one before it answered, and each refusal is named.
    std::string refusedAddresses;
    int refused = 0;
    for (const auto& [address, value] : kWrites) {
        if (xdataWrite(address, value))
            continue;
        ++refused;
        refusedAddresses += (refusedAddresses.empty() ? "" : ", ") + image::hexText(address, 4);
    }
    Result result = leftOr(counted(refused, kWrites.size()));
    if (!result)
        result.detail = refusedAddresses;
    return result.at(Step::XDataWrite);
}

Result CommandProtocol::leftOr(Result refused) const {
    if (!refused.ok() && refused.failure != Failure::InvalidRequest && transport_.linkLost())
        refused.failure = Failure::DeviceLeft;
    return refused;
}

Result CommandProtocol::identify(IdentifyAnswer& answer) {
    const auto operation = guard_.tryEnter();
    if (!operation)
        return busy();
    answer.payload.fill(0xFF);
    if (Result refused = checkRead(1, 1); !refused)
        return refused.at(Step::Identify);
    if (!transport_.sendCommand(command::kIdentify))
        return leftOr(Result::fail(Failure::CommandRefused, Step::Identify));
    // A refused data report leaves 0xFF, which is not a valid answer.
    const bool answered = transport_.readData();
    answer.payload = transport_.response();
    if (!answered)
        return leftOr(counted(1, 1)).at(Step::Identify);
    if (!answer.valid()) {
        // The two bytes that matter: the chip byte and the marker.
        return Result::fail(
            Failure::WrongIdentify, Step::Identify,
            image::hexText(answer.payload[0], 2) + " " + image::hexText(answer.payload[1], 2));
    }
    return Result::done();
}

Result CommandProtocol::restart() {
    const auto operation = guard_.tryEnter();
    if (!operation)
        return busy();
    if (!transport_.hasCommandChannel())
        return Result::fail(Failure::NoDevice, Step::Restart);
    if (!transport_.sendCommand(command::kRestart))
        return leftOr(Result::fail(Failure::CommandRefused, Step::Restart));
    return Result::done();
}

}  // namespace gm::device
