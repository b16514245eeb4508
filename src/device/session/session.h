#pragma once
// The device session: watches the HID population, finds and identifies the mouse, reads its
// image into the workspace, drops the session when the mouse goes away and reconnects after a
// restart. Owns the status listener thread. Every method except the getters of the current
// level and profile runs on the driver's thread (GUI or command line).

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "device/clock.h"
#include "device/link/protocol.h"
#include "device/link/transport.h"
#include "device/presenter.h"
#include "device/session/status_listener.h"
#include "device/timing.h"
#include "image/files/backup_store.h"
#include "image/image_model.h"

namespace gm::device::session {

// What happened to the session, for drivers that log it (gmousectl watch). CpiLevel and Profile
// come from the status listener thread.
enum class SessionEventKind { Connected, Identified, ImageRead, Disconnected, CpiLevel, Profile };

struct SessionEvent {
    SessionEventKind kind;
    int value = 0;     // CpiLevel: the level byte (level - 1); Profile: 0..2
    std::string text;  // Identified: the chip type text; Disconnected: the message shown
};

using SessionObserver = std::function<void(const SessionEvent&)>;

// The objects a session works with; all outlive it.
struct SessionParts {
    Transport& transport;
    CommandProtocol& protocol;
    Clock& clock;
    const Timing& timing;
    Presenter& presenter;
    image::ImageModel& model;
};

inline constexpr std::size_t kIdentityEntries = 2;
inline constexpr int kPollRounds = 5;
inline constexpr int kStableRoundsNeeded = 2;

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

    // --- Operations ---
    // One poll of the device population (the driver calls it every timing.pollInterval while
    // pollEnabled()). Returns at once when polling is disabled or a poll is already running.
    void poll();
    // Searches the identity table now. True when the mouse was found, identified and read.
    bool reFindDev();
    // Identifies the chip, sets the geometry and reads the whole image. True when read.
    bool readDevInfo();
    // Reads the whole image into the model and refreshes every view. False when the mouse
    // refused the read or any of its data reports (the missing bytes are then 0xFF).
    bool readWholeImage();
    // Drops the session: handles, chip and LED type, shows the error page and `message`.
    void deviceGone(const Message& message = messages::kWaitingForReconnect);
    // Restarts the mouse and finds it again. True when it was found and its image read back;
    // polling is re-enabled only then.
    bool restartAndReconnect();

    // Both feature channels of the mouse are open.
    bool hasDevice() const;
    // Shows "Finding the specified device" and returns false when there is no device.
    bool requireDevice();

    // --- State ---
    bool pollEnabled() const { return pollEnabled_; }
    void setPollEnabled(bool enabled) { pollEnabled_ = enabled; }
    bool pollBusy() const { return pollBusy_; }
    bool readBusy() const { return readBusy_; }
    void setReadBusy(bool busy) { readBusy_ = busy; }
    bool errorPage() const { return errorPage_; }
    int lastDeviceCount() const { return lastDeviceCount_; }
    std::array<DeviceIdentity, kIdentityEntries>& identities() { return identities_; }
    // The current level byte (User 2) and profile (User 0 bits 3..0) as last read from the
    // mouse; empty while unknown. Safe from any thread.
    std::optional<std::uint8_t> currentLevel() const;
    std::optional<std::uint8_t> currentProfile() const;

    // Folder of backups kept before whole-image writes; none when null.
    void setBackupStore(image::files::BackupStore* store) { backupStore_ = store; }
    image::files::BackupStore* backupStore() const { return backupStore_; }

    // Called on the driver's thread and, for CPI and profile events, on the listener's thread.
    void setObserver(SessionObserver observer) { observer_ = std::move(observer); }

    Transport& transport() { return parts_.transport; }
    CommandProtocol& protocol() { return parts_.protocol; }
    Clock& clock() { return parts_.clock; }
    const Timing& timing() const { return parts_.timing; }
    Presenter& presenter() { return parts_.presenter; }
    image::ImageModel& model() { return parts_.model; }

private:
    // Opens the first identity entry that answers and reads it; device gone when none does.
    bool searchIdentityTable();
    void showErrorPage();
    void notify(SessionEventKind kind, int value = 0, std::string text = {});
    void levelRead(std::uint8_t value);
    void profileRead(std::uint8_t value);

    SessionParts parts_;
    std::array<DeviceIdentity, kIdentityEntries> identities_{kMouseIdentity, DeviceIdentity{}};
    int lastDeviceCount_ = 0;
    bool pollEnabled_ = true;
    bool pollBusy_ = false;
    bool readBusy_ = false;
    bool errorPage_ = false;
    static constexpr int kUnknown = -1;
    std::atomic<int> currentLevel_{kUnknown};
    std::atomic<int> currentProfile_{kUnknown};
    image::files::BackupStore* backupStore_ = nullptr;
    SessionObserver observer_;
    StatusListener listener_;
};

}  // namespace gm::device::session
