#include "device/session/session.h"

#include "device/pumped_wait.h"
#include "image/check_byte.h"
#include "image/fields.h"
#include "image/image_model.h"

namespace gm::device::session {

namespace {

// Data reports of a whole-image read: the progress window's chunk count.
constexpr int kImageChunks =
    static_cast<int>((image::kImageSize + kPayloadLength - 1) / kPayloadLength);

Result busy() {
    return Result::fail(Failure::Busy);
}

}  // namespace

Session::Session(SessionParts parts)
    : parts_(parts),
      listener_(parts.transport, parts.protocol, parts.clock, parts.timing, parts.changes) {}

Session::~Session() {
    stopListener();
}

void Session::startListener() {
    listener_.start();
}

void Session::stopListener() {
    listener_.stop();
}

void Session::applyPostedChanges() {
    for (const Change& change : parts_.changes.takePosted()) {
        switch (change.kind) {
            case ChangeKind::CpiLevel:
                levelRead(static_cast<std::uint8_t>(change.value));
                break;
            case ChangeKind::Profile:
                profileRead(static_cast<std::uint8_t>(change.value));
                break;
            default:
                parts_.changes.notify(change);
                break;
        }
    }
}

void Session::poll() {
    if (!pollEnabled_)
        return;
    const auto operation = parts_.guard.tryEnter();
    if (!operation)
        return;
    int stableRounds = 0;
    int current = 0;
    for (int round = 0; round < kPollRounds; ++round) {
        const int first = parts_.transport.countHidDevices();
        const int second = parts_.transport.countHidDevices();
        if (first == second)
            ++stableRounds;
        current = first;
    }
    const bool stable = stableRounds >= kStableRoundsNeeded;
    if (parts_.transport.linkLost()) {
        // The handle died (unplugged and back within one interval, or a revoked node): the
        // count may not have changed, but the session must start over.
        deviceGone();
        waitPumping(parts_.clock, parts_.timing, parts_.presenter, parts_.timing.populationSettle);
        searchIdentityTable(ImageRead::Yes);
        if (stable)
            lastDeviceCount_ = current;
        return;
    }
    if (permissionDenied_) {
        // The rule may have been installed, or the seat's access granted, since: look again.
        searchIdentityTable(ImageRead::Yes);
        if (stable)
            lastDeviceCount_ = current;
        return;
    }
    if (current == lastDeviceCount_ || !stable)
        return;
    if (current < lastDeviceCount_) {
        // Any device going away drops the session; the next rise reconnects.
        deviceGone();
    } else {
        waitPumping(parts_.clock, parts_.timing, parts_.presenter, parts_.timing.populationSettle);
        searchIdentityTable(ImageRead::Yes);
    }
    lastDeviceCount_ = current;
}

Result Session::searchForMouse(ImageRead read) {
    const auto operation = parts_.guard.tryEnter();
    if (!operation)
        return busy();
    parts_.transport.invalidate();
    return searchIdentityTable(read);
}

Result Session::searchIdentityTable(ImageRead read) {
    std::string problem;
    bool denied = false;
    for (const DeviceIdentity& identity : identities_) {
        if (identity.vendorId == 0 || identity.productId == 0)
            continue;
        const OpenMouseResult opened =
            parts_.transport.openMouse(identity.vendorId, identity.productId);
        if (opened.found) {
            permissionDenied_ = false;
            notify(ChangeKind::Connected, opened.version);
            listener_.deviceOpened();
            return identifyAndRead(read);
        }
        if (!opened.problem.empty())
            problem = opened.problem;
        denied = denied || opened.permissionDenied;
    }
    // One device-gone for the whole table, and when the mouse is there but may not be opened
    // the user learns why instead of waiting for a reconnect that cannot happen; told once,
    // not on every poll that looks again.
    const bool toldAlready = permissionDenied_ && denied;
    permissionDenied_ = denied;
    if (!toldAlready) {
        deviceGone(problem.empty() ? messages::kWaitingForReconnect
                                   : makeMessage(text::kPermission, {problem}));
    }
    return Result::fail(Failure::NoDevice, Step::None, problem);
}

Result Session::identifyAndRead(ImageRead read) {
    const auto operation = parts_.guard.tryEnter();
    if (!operation)
        return busy();
    IdentifyAnswer answer;
    const Result identified = parts_.protocol.identify(answer);
    if (identified.failure == Failure::WrongIdentify) {
        // The system's own "file type error", with the step and what the mouse answered.
        parts_.presenter.showMessage(messageOf(identified));
        setErrorPage(true);
        return identified;
    }
    if (!identified)
        return identified;
    const image::ChipType chip = image::chipFromIdentify(answer.payload[0]);
    parts_.model.setChip(chip);
    notify(ChangeKind::Identified, answer.payload[0], std::string(image::chipText(chip)));
    if (read == ImageRead::No)
        return Result::done();
    return readWholeImage();
}

Result Session::readWholeImage() {
    const auto operation = parts_.guard.tryEnter();
    if (!operation)
        return busy();
    Presenter& presenter = parts_.presenter;
    readBusy_ = true;
    presenter.showProgress(0, kImageChunks);
    Result read =
        parts_.protocol.readBlock(0, parts_.model.buffer, Progress::Shown).at(Step::ReadImage);
    // Only an image read whole tells what the mouse holds.
    if (read && sectionCheck_)
        sectionCheck_();
    if (imageReadHook_)
        imageReadHook_(parts_.model);
    image::split(parts_.model);
    image::rebuildCodeTexts(parts_.model);
    presenter.hideProgress();
    presenter.pumpEvents();
    // The pages are back: the no-device page ends with the read.
    setErrorPage(false);
    pollEnabled_ = true;
    imageRead_ = true;
    imageWhole_ = read.ok();
    readBusy_ = false;
    notify(ChangeKind::ImageReplaced, read.ok() ? 1 : 0);
    if (read) {
        levelRead(parts_.model.buffer[image::fields::kCurrentLevel]);
        profileRead(parts_.model.buffer[image::fields::kActiveProfile]);
    }
    return read;
}

void Session::deviceGone(const Message& message) {
    parts_.transport.invalidate();
    parts_.presenter.pumpEvents();
    setErrorPage(true);
    parts_.model.setChip(std::nullopt);
    parts_.model.ledTypeText.clear();
    parts_.model.reportRateHz = 0;
    currentLevel_.reset();
    currentProfile_.reset();
    imageRead_ = false;
    imageWhole_ = false;
    lastProblem_ = message;
    parts_.presenter.showMessage(message);
    notify(ChangeKind::Disconnected, 0, message.text);
}

Result Session::restartAndReconnect() {
    const auto operation = parts_.guard.tryEnter();
    if (!operation)
        return busy();
    pollEnabled_ = false;
    waitPumping(parts_.clock, parts_.timing, parts_.presenter, parts_.timing.beforeRestart);
    const Result restarted = parts_.protocol.restart();
    deviceGone();
    parts_.presenter.pumpEvents();
    waitPumping(parts_.clock, parts_.timing, parts_.presenter, parts_.timing.restartSettle);
    Result found = searchForMouse(ImageRead::Yes);
    // Polling goes on whenever the mouse was found and identified, even when its image came
    // back incomplete, so a later unplug is noticed; a mouse that did not come back stays
    // unpolled until the driver searches again.
    pollEnabled_ = hasDevice() && parts_.model.chip.has_value();
    if (!restarted)
        return restarted;
    if (found.failure == Failure::NoDevice)
        return Result::fail(Failure::NotBack, Step::Restart, found.detail);
    if (!found)
        found.step = Step::ReadBack;
    return found;
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

DeviceOperation Session::beginWithDevice() {
    std::optional<OperationGuard::Scope> scope = parts_.guard.tryEnter();
    if (!scope)
        return {std::nullopt, busy()};
    if (!requireDevice())
        return {std::nullopt, Result::fail(Failure::NoDevice)};
    return {std::move(scope), Result::done()};
}

void Session::setErrorPage(bool shown) {
    if (errorPage_ == shown && !shown)
        return;
    errorPage_ = shown;
    notify(ChangeKind::ErrorPage, shown ? 1 : 0);
}

void Session::notify(ChangeKind kind, int value, std::string text) {
    parts_.changes.notify(Change{kind, value, std::move(text)});
}

void Session::takeUserByte(std::size_t address, std::uint8_t value) {
    // The mouse switched the level or profile in its own User section and kept that section's
    // check byte right. The buffer and the working copy take the byte, so the views show the new
    // state and a later write that re-sends the current level or profile does not switch the
    // mouse back.
    if (!imageRead_)
        return;
    image::ImageModel& model = parts_.model;
    model.buffer[address] = value;
    image::setCheckByte(std::span(model.buffer).subspan(image::kUser.offset, image::kUser.length));
    model.copies.user[address - image::kUser.offset] = value;
    image::setCheckByte(std::span(model.copies.user));
}

void Session::levelRead(std::uint8_t value) {
    currentLevel_ = value;
    takeUserByte(image::fields::kCurrentLevel, value);
    notify(ChangeKind::CpiLevel, value);
}

void Session::profileRead(std::uint8_t value) {
    // Only profiles 0..2 change the shown profile; any other value is ignored.
    const std::uint8_t profile = image::fields::profileOf(value);
    if (!image::fields::isProfile(profile))
        return;
    currentProfile_ = profile;
    takeUserByte(image::fields::kActiveProfile, value);
    notify(ChangeKind::Profile, profile);
}

}  // namespace gm::device::session
