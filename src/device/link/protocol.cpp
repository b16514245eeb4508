#include "device/link/protocol.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <mutex>

#include "device/pumped_wait.h"
#include "image/check_byte.h"

namespace gm::device {
namespace {

constexpr std::size_t kLiveChunkLength = 3;
constexpr std::size_t kMaxBlockLength = std::numeric_limits<std::uint16_t>::max();
constexpr std::size_t kMaxLiveReadLength = std::numeric_limits<std::uint8_t>::max();
constexpr std::uint8_t kLiveTargetImage = 0x00;
constexpr std::uint8_t kLiveTargetKeyTest = 0x01;
constexpr std::uint8_t kReforceUserByte = 0x0F;

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

}  // namespace

// Holds the transaction lock for a public operation and keeps the refused-report count of the
// outermost one (operations such as the profile push call others).
class CommandProtocol::Operation {
public:
    explicit Operation(CommandProtocol& protocol)
        : protocol_(protocol), lock_(protocol.transport_.transaction()) {
        if (protocol_.operationDepth_++ == 0)
            protocol_.refusedReports_ = 0;
    }
    ~Operation() {
        if (--protocol_.operationDepth_ == 0) {
            protocol_.lastRefusedReports_ = protocol_.refusedReports_;
        }
    }
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;

private:
    CommandProtocol& protocol_;
    std::unique_lock<std::recursive_mutex> lock_;
};

CommandProtocol::CommandProtocol(Transport& transport, Clock& clock, const Timing& timing,
                                 Presenter& presenter)
    : transport_(transport), clock_(clock), timing_(timing), presenter_(presenter) {}

bool CommandProtocol::writeBlock(std::uint16_t address, std::span<const std::uint8_t> source) {
    Operation operation(*this);
    if (!transport_.hasCommandChannel() || !transport_.hasDataChannel())
        return false;
    if (source.size() > kMaxBlockLength)
        return false;
    if (source.empty())
        return true;

    // The response buffer doubles as the staging buffer: a short last chunk keeps the bytes of
    // the chunk before it (0xFF for a single chunk); the mouse uses only `length` bytes.
    Payload& staging = transport_.response();
    presetFF(staging);
    const auto length = static_cast<std::uint32_t>(source.size());
    if (!transport_.sendCommand(command::kBlockWrite, highByte(address), lowByte(address),
                                highByte(length), lowByte(length))) {
        return false;
    }
    const std::size_t chunks = chunkCount(source.size(), kPayloadLength);
    for (std::size_t i = 0; i < chunks; ++i) {
        presenter_.showProgress(static_cast<int>(i), static_cast<int>(chunks));
        const auto chunk =
            source.subspan(i * kPayloadLength, chunkLengthAt(i, source.size(), kPayloadLength));
        std::copy(chunk.begin(), chunk.end(), staging.begin());
        if (!transport_.sendData(staging))
            noteRefused();
    }
    return true;
}

bool CommandProtocol::readBlock(std::uint16_t address, std::span<std::uint8_t> destination,
                                bool withProgress) {
    Operation operation(*this);
    if (!prepareRead(destination, kMaxBlockLength))
        return false;
    if (destination.empty())
        return true;
    const auto length = static_cast<std::uint32_t>(destination.size());
    if (!transport_.sendCommand(command::kBlockRead, highByte(address), lowByte(address),
                                highByte(length), lowByte(length))) {
        return false;
    }
    receiveChunks(destination, withProgress);
    return true;
}

bool CommandProtocol::prepareRead(std::span<std::uint8_t> destination, std::size_t maxLength) {
    presetFF(destination);
    presetFF(transport_.response());
    return transport_.hasCommandChannel() && transport_.hasDataChannel() &&
           destination.size() <= maxLength;
}

void CommandProtocol::receiveChunks(std::span<std::uint8_t> destination, bool withProgress) {
    const std::size_t chunks = chunkCount(destination.size(), kPayloadLength);
    for (std::size_t i = 0; i < chunks; ++i) {
        if (withProgress) {
            presenter_.showProgress(static_cast<int>(i), static_cast<int>(chunks));
        }
        // A refused report leaves the response at 0xFF, and so the chunk.
        if (!transport_.readData())
            noteRefused();
        const std::size_t n = chunkLengthAt(i, destination.size(), kPayloadLength);
        const Payload& response = transport_.response();
        std::copy_n(response.begin(), n,
                    destination.begin() + static_cast<long>(i * kPayloadLength));
    }
}

bool CommandProtocol::liveWrite(std::uint8_t address, std::uint8_t d0, std::uint8_t d1,
                                std::uint8_t d2, std::uint8_t count) {
    Operation operation(*this);
    if (count < 1 || count > kLiveChunkLength)
        return false;
    const std::array<std::uint8_t, kFeatureReportLength> report{
        kCommandReportId, command::kLiveWrite, kLiveTargetImage, address, d0, d1, d2, count};
    return sendLiveWrite(report);
}

bool CommandProtocol::liveWrite4(std::uint8_t address, std::array<std::uint8_t, 4> data) {
    Operation operation(*this);
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

bool CommandProtocol::sendLiveWrite(std::span<const std::uint8_t, kFeatureReportLength> report) {
    if (!transport_.hasCommandChannel())
        return false;
    presenter_.showProgress(0, 1);
    const bool accepted = transport_.sendCommandReport(report);
    waitPumping(clock_, timing_, presenter_, timing_.afterLiveWrite);
    presenter_.hideProgress();
    presenter_.pumpEvents();
    return accepted;
}

bool CommandProtocol::liveWriteRange(std::uint8_t start, std::span<const std::uint8_t> source) {
    Operation operation(*this);
    // Staging as for block writes: a short last chunk keeps the previous chunk's tail bytes.
    Payload& staging = transport_.response();
    presetFF(staging);
    if (!transport_.hasCommandChannel())
        return false;

    const std::size_t chunks = chunkCount(source.size(), kLiveChunkLength);
    for (std::size_t i = 0; i < chunks; ++i) {
        presenter_.showProgress(static_cast<int>(i), static_cast<int>(chunks));
        const std::size_t n = chunkLengthAt(i, source.size(), kLiveChunkLength);
        std::copy_n(source.begin() + static_cast<long>(i * kLiveChunkLength), n, staging.begin());
        const auto address = static_cast<std::uint8_t>((start + i * kLiveChunkLength) & 0xFF);
        const std::array<std::uint8_t, kFeatureReportLength> report{
            kCommandReportId, command::kLiveWrite, kLiveTargetImage, address,
            staging[0],       staging[1],          staging[2],       static_cast<std::uint8_t>(n)};
        // A refused chunk does not stop the run; the count tells the caller.
        if (!transport_.sendCommandReport(report))
            noteRefused();
    }
    return true;
}

bool CommandProtocol::liveRead(std::uint8_t target, std::uint8_t address,
                               std::span<std::uint8_t> destination) {
    Operation operation(*this);
    if (!prepareRead(destination, kMaxLiveReadLength))
        return false;
    if (destination.empty())
        return true;
    const auto count = static_cast<std::uint8_t>(destination.size());
    if (!transport_.sendCommand(command::kLiveRead, target, address, 0x00, count))
        return false;
    receiveChunks(destination, false);
    return true;
}

std::optional<std::uint8_t> CommandProtocol::xdataRead(std::uint32_t address) {
    Operation operation(*this);
    presetFF(transport_.response());
    if (!transport_.hasCommandChannel() || !transport_.hasDataChannel())
        return std::nullopt;
    if (!transport_.sendCommand(command::kXDataRead, highByte(address), lowByte(address), 0x00,
                                0x01)) {
        return std::nullopt;
    }
    if (!transport_.readData()) {
        noteRefused();
        return std::nullopt;
    }
    return transport_.response()[0];
}

bool CommandProtocol::xdataWrite(std::uint32_t address, std::uint8_t value) {
    Operation operation(*this);
    presetFF(transport_.response());
    if (!transport_.hasCommandChannel())
        return false;
    return transport_.sendCommand(command::kXDataWrite, highByte(address), lowByte(address), value);
}

bool CommandProtocol::changeXData() {
    Operation operation(*this);
    // Stops at the first refused write, as every transfer does at a refused command report.
    return xdataWrite(0x7241, 0x01) && xdataWrite(0x7242, 0x06) && xdataWrite(0x7243, 0x01);
}

std::optional<IdentifyAnswer> CommandProtocol::identify() {
    Operation operation(*this);
    presetFF(transport_.response());
    if (!transport_.hasCommandChannel() || !transport_.hasDataChannel())
        return std::nullopt;
    if (!transport_.sendCommand(command::kIdentify))
        return std::nullopt;
    // A refused data report leaves 0xFF, which is not a valid answer.
    if (!transport_.readData())
        noteRefused();
    return IdentifyAnswer{transport_.response()};
}

bool CommandProtocol::restart() {
    Operation operation(*this);
    if (!transport_.hasCommandChannel())
        return false;
    return transport_.sendCommand(command::kRestart);
}

bool CommandProtocol::readImage(image::ImageModel& model) {
    return readBlock(0, model.buffer, true);
}

bool CommandProtocol::writeImage(const image::ImageModel& model) {
    return writeBlock(0, model.buffer);
}

bool CommandProtocol::pushProfiles(image::ImageModel& model, bool withFireKeys) {
    Operation operation(*this);
    if (!transport_.hasCommandChannel() || !transport_.hasDataChannel())
        return false;

    auto& profiles = model.copies.profiles;
    for (std::size_t p = 0; p < image::kProfileCount; ++p) {
        image::setCheckByte(std::span<std::uint8_t>(profiles).subspan(
            p * image::kProfileSectionSize, image::kProfileSectionSize));
    }
    if (!writeBlock(static_cast<std::uint16_t>(image::kProfiles.offset), profiles))
        return false;
    if (withFireKeys) {
        const auto fireKeys = model.copies.fireKeys;
        if (!writeBlock(static_cast<std::uint16_t>(image::kFireKeys.offset), fireKeys)) {
            return false;
        }
    }

    // Re-read the User section into a scratch copy: a partial answer must not replace the
    // working copy, nor send its 0xFF back to the mouse as User byte 0.
    std::array<std::uint8_t, image::kUser.length> user{};
    const int refusedBefore = refusedReports_;
    if (!liveRead(kLiveTargetImage, static_cast<std::uint8_t>(image::kUser.offset), user) ||
        refusedReports_ != refusedBefore) {
        return false;
    }
    model.copies.user = user;

    // Forcing User byte 0 to 15 and back makes the mouse take the new key tables.
    const auto userAddress = static_cast<std::uint8_t>(image::kUser.offset);
    return liveWrite(userAddress, kReforceUserByte, 0x00, 0x00, 1) &&
           liveWrite(userAddress, model.copies.user[0], 0x00, 0x00, 1);
}

}  // namespace gm::device
