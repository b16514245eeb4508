#pragma once
// The device session: watches the HID population, finds and identifies the mouse, reads its
// image into the workspace, drops the session when the mouse goes away and reconnects after a
// restart. Owns the status listener thread. Every method runs on the driver's thread (GUI or
// command line); what the listener learns reaches the session through applyPostedChanges().

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "device/clock.h"
#include "device/link/operation_guard.h"
#include "device/link/protocol.h"
#include "device/link/transport.h"
#include "device/presenter.h"
#include "device/result.h"
#include "device/session/changes.h"
#include "device/session/status_listener.h"
#include "device/timing.h"
#include "image/image_model.h"

namespace gm::device::session {

// The objects a session works with; all outlive it. `presenter` is the sealed one.
struct SessionParts {
    Transport& transport;
    OperationGuard& guard;
    CommandProtocol& protocol;
    Clock& clock;
    const Timing& timing;
    Presenter& presenter;
    image::ImageModel& model;
    ChangeHub& changes;
};

inline constexpr std::size_t kIdentityEntries = 2;
inline constexpr int kPollRounds = 5;
inline constexpr int kStableRoundsNeeded = 2;

// An operation that needs the mouse: holds the guard while it runs, or says why it may not
// start.
struct DeviceOperation {
    std::optional<OperationGuard::Scope> scope;
    Result refusal;  // Busy, or NoDevice (the user was told "Finding the specified device")
    bool started() const { return scope.has_value(); }
};

// Whether connecting reads the whole image (the editor) or stops after identifying (a quick
// command-line query).
enum class ImageRead { Yes, No };

class Session {
public:
    explicit Session(SessionParts parts);
    // Stops the status listener.
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // --- Status listener ---
    void startListener();
    void stopListener();
    bool listenerRunning() const { return listener_.running(); }
    // Applies what the listener posted (current level and profile, status indicators) and tells
    // the observers. The driver calls it when the hub wakes it.
    void applyPostedChanges();

    // --- Operations (each refused as Busy while another operation runs) ---
    // One poll of the device population (the driver calls it every timing.pollInterval while
    // pollEnabled()). Does nothing while polling is off or another operation runs. Besides a
    // changed count, a lost link (the handle died) and a mouse that may not be opened yet make
    // it search again.
    void poll();
    // Drops the handles and searches the identity table now.
    Result searchForMouse(ImageRead read = ImageRead::Yes);
    // Identifies the chip, sets the geometry and (when asked) reads the whole image.
    Result identifyAndRead(ImageRead read = ImageRead::Yes);
    // Reads the whole image into the model and tells every view. Fails when the mouse refused
    // the read or any of its data reports (the missing bytes are then 0xFF).
    Result readWholeImage();
    // Runs on a whole image read before anything else sees it (the workspace repairs and keeps
    // sections there whose check byte does not fit).
    void setSectionCheck(std::function<void()> check) { sectionCheck_ = std::move(check); }
    // Called after every whole-image read, before the sections are checked and split: the
    // settings take the state they keep beside the image (LED type, package, report rate) from
    // the bytes just read, so a section rebuilt from defaults uses the mouse's LED type.
    void setImageReadHook(std::function<void(image::ImageModel&)> hook) {
        imageReadHook_ = std::move(hook);
    }
    // Drops the session: handles, chip and LED type, shows the error page and `message`.
    void deviceGone(const Message& message = messages::kWaitingForReconnect);
    // Restarts the mouse and finds it again. Done when it was found and its image read back;
    // polling is enabled again whenever the mouse was found and identified.
    Result restartAndReconnect();

    // Both feature channels of the mouse are open.
    bool hasDevice() const;
    // Shows "Finding the specified device" and returns false when there is no device.
    bool requireDevice();
    // Starts an operation that needs the mouse (see DeviceOperation).
    DeviceOperation beginWithDevice();

    // --- State ---
    bool pollEnabled() const { return pollEnabled_; }
    void setPollEnabled(bool enabled) { pollEnabled_ = enabled; }
    // Set while a whole image is read or written: change handlers of the settings send nothing.
    bool readBusy() const { return readBusy_; }
    void setReadBusy(bool busy) { readBusy_ = busy; }
    bool errorPage() const { return errorPage_; }
    // An image has been read since the mouse was last found (the overlays are down).
    bool imageRead() const { return imageRead_; }
    // The last whole-image read arrived whole (no report refused): only then do the areas the
    // editor rebuilds whole (the Macro area) stand for what the mouse holds.
    bool imageWhole() const { return imageWhole_; }
    int lastDeviceCount() const { return lastDeviceCount_; }
    std::array<DeviceIdentity, kIdentityEntries>& identities() { return identities_; }
    // The current level byte (User 2) and profile (User 0 bits 3..0) as last read from the
    // mouse; empty while unknown.
    std::optional<std::uint8_t> currentLevel() const { return currentLevel_; }
    std::optional<std::uint8_t> currentProfile() const { return currentProfile_; }
    // The message shown when the mouse was last lost or could not be opened.
    const Message& lastProblem() const { return lastProblem_; }
    // The mouse is present but this user may not open it.
    bool permissionDenied() const { return permissionDenied_; }

    Transport& transport() { return parts_.transport; }
    OperationGuard& guard() { return parts_.guard; }
    CommandProtocol& protocol() { return parts_.protocol; }
    Clock& clock() { return parts_.clock; }
    const Timing& timing() const { return parts_.timing; }
    Presenter& presenter() { return parts_.presenter; }
    image::ImageModel& model() { return parts_.model; }
    ChangeHub& changes() { return parts_.changes; }

private:
    // Opens the first identity entry that answers and reads it; device gone when none does.
    Result searchIdentityTable(ImageRead read);
    void setErrorPage(bool shown);
    void notify(ChangeKind kind, int value = 0, std::string text = {});
    // Takes a User byte the mouse changed by itself into the buffer and the working copy.
    void takeUserByte(std::size_t address, std::uint8_t value);
    void levelRead(std::uint8_t value);
    void profileRead(std::uint8_t value);

    SessionParts parts_;
    std::array<DeviceIdentity, kIdentityEntries> identities_{kMouseIdentity, DeviceIdentity{}};
    int lastDeviceCount_ = 0;
    bool pollEnabled_ = true;
    bool readBusy_ = false;
    bool errorPage_ = false;
    bool imageRead_ = false;
    bool imageWhole_ = false;
    bool permissionDenied_ = false;  // the last search found the mouse but may not open it
    std::optional<std::uint8_t> currentLevel_;
    std::optional<std::uint8_t> currentProfile_;
    Message lastProblem_;
    StatusListener listener_;
    std::function<void()> sectionCheck_;
    std::function<void(image::ImageModel&)> imageReadHook_;
};

}  // namespace gm::device::session
