#include "device/session/session.h"

#include "device/pumped_wait.h"
#include "device/session/complete_read.h"
#include "image/image_model.h"

namespace gm::device::session {

namespace {

// Data reports of a whole-image read: the progress window's chunk count.
constexpr int kImageChunks =
    static_cast<int>((image::kImageSize + kPayloadLength - 1) / kPayloadLength);
constexpr std::uint8_t kProfileMask = 0x0F;
constexpr std::uint8_t kProfileCount = 3;

}  // namespace

Session::Session(SessionParts parts)
    : parts_(parts),
      listener_(parts.transport, parts.protocol, parts.clock, parts.timing, parts.presenter,
                StatusListener::Sinks{[this](std::uint8_t v) { levelRead(v); },
                                      [this](std::uint8_t v) { profileRead(v); }}) {}

Session::~Session() {
    stopListener();
}

void Session::startListener() {
    listener_.start();
}

void Session::stopListener() {
    listener_.stop();
}

void Session::poll() {
    if (!pollEnabled_ || pollBusy_)
        return;
    pollBusy_ = true;
    int stableRounds = 0;
    int current = 0;
    for (int round = 0; round < kPollRounds; ++round) {
        const int first = parts_.transport.countHidDevices();
        const int second = parts_.transport.countHidDevices();
        if (first == second)
            ++stableRounds;
        current = first;
    }
    if (current != lastDeviceCount_ && stableRounds >= kStableRoundsNeeded) {
        if (current < lastDeviceCount_) {
            // Any device going away drops the session; the next rise reconnects.
            deviceGone();
        } else {
            waitPumping(parts_.clock, parts_.timing, parts_.presenter,
                        parts_.timing.populationSettle);
            searchIdentityTable();
        }
        lastDeviceCount_ = current;
    }
    pollBusy_ = false;
}

bool Session::reFindDev() {
    parts_.transport.invalidate();
    return searchIdentityTable();
}

bool Session::searchIdentityTable() {
    std::string problem;
    for (const DeviceIdentity& identity : identities_) {
        if (identity.vendorId == 0 || identity.productId == 0)
            continue;
        const OpenMouseResult opened =
            parts_.transport.openMouse(identity.vendorId, identity.productId);
        if (opened.found) {
            notify(SessionEventKind::Connected, opened.version);
            listener_.deviceOpened();
            return readDevInfo();
        }
        if (!opened.problem.empty())
            problem = opened.problem;
    }
    // One device-gone for the whole table, and when the mouse is there but may not be opened
    // the user learns why instead of waiting for a reconnect that cannot happen.
    deviceGone(problem.empty() ? messages::kWaitingForReconnect : Message{"", problem});
    return false;
}

bool Session::readDevInfo() {
    const std::optional<IdentifyAnswer> answer = parts_.protocol.identify();
    if (!answer)
        return false;
    if (!answer->valid()) {
        parts_.presenter.showMessage(messages::kWrongFileType);
        showErrorPage();
        return false;
    }
    const image::ChipType chip = image::chipFromIdentify(answer->payload[0]);
    parts_.model.setChip(chip);
    notify(SessionEventKind::Identified, answer->payload[0], std::string(image::chipText(chip)));
    return readWholeImage();
}

bool Session::readWholeImage() {
    Presenter& presenter = parts_.presenter;
    readBusy_ = true;
    pollEnabled_ = false;
    presenter.setOverlays(true);
    presenter.showProgress(0, kImageChunks);
    const bool read = readCompletely(parts_.transport, parts_.protocol,
                                     [this] { return parts_.protocol.readImage(parts_.model); });
    image::split(parts_.model);
    image::rebuildCodeTexts(parts_.model);
    presenter.refresh(View::Everything);
    presenter.hideProgress();
    presenter.pumpEvents();
    // The pages are back: the no-device page ends with the read.
    errorPage_ = false;
    pollEnabled_ = true;
    presenter.setOverlays(false);
    readBusy_ = false;
    if (read) {
        levelRead(parts_.model.buffer[kCurrentLevelAddress]);
        profileRead(parts_.model.buffer[kCurrentProfileAddress]);
        notify(SessionEventKind::ImageRead);
    }
    return read;
}

void Session::deviceGone(const Message& message) {
    Presenter& presenter = parts_.presenter;
    parts_.transport.invalidate();
    errorPage_ = false;
    presenter.pumpEvents();
    showErrorPage();
    parts_.model.setChip(std::nullopt);
    parts_.model.ledTypeText.clear();
    currentLevel_ = kUnknown;
    currentProfile_ = kUnknown;
    presenter.setOverlays(true);
    presenter.showMessage(message);
    notify(SessionEventKind::Disconnected, 0, message.text);
}

bool Session::restartAndReconnect() {
    pollEnabled_ = false;
    waitPumping(parts_.clock, parts_.timing, parts_.presenter, parts_.timing.beforeRestart);
    parts_.protocol.restart();
    deviceGone();
    parts_.presenter.pumpEvents();
    waitPumping(parts_.clock, parts_.timing, parts_.presenter, parts_.timing.restartSettle);
    const bool read = reFindDev();
    // A mouse that was not found back leaves polling off, as after any failed reconnect; a
    // mouse that was found but could not be read is not polled either.
    if (!read)
        pollEnabled_ = false;
    return read;
}

bool Session::hasDevice() const {
    return parts_.transport.hasCommandChannel() && parts_.transport.hasDataChannel();
}

bool Session::requireDevice() {
    if (hasDevice())
        return true;
    parts_.presenter.showMessage(messages::kDeviceNotFound);
    return false;
}

std::optional<std::uint8_t> Session::currentLevel() const {
    const int value = currentLevel_;
    if (value == kUnknown)
        return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

std::optional<std::uint8_t> Session::currentProfile() const {
    const int value = currentProfile_;
    if (value == kUnknown)
        return std::nullopt;
    return static_cast<std::uint8_t>(value);
}

void Session::showErrorPage() {
    parts_.presenter.refresh(View::ErrorPage);
    errorPage_ = true;
}

void Session::notify(SessionEventKind kind, int value, std::string text) {
    if (observer_)
        observer_(SessionEvent{kind, value, std::move(text)});
}

void Session::levelRead(std::uint8_t value) {
    currentLevel_ = value;
    notify(SessionEventKind::CpiLevel, value);
}

void Session::profileRead(std::uint8_t value) {
    // Only profiles 0..2 change the shown profile; any other value is ignored.
    const std::uint8_t profile = value & kProfileMask;
    if (profile >= kProfileCount)
        return;
    currentProfile_ = profile;
    notify(SessionEventKind::Profile, profile);
}

}  // namespace gm::device::session
