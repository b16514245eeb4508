#pragma once
// Change notifications of the workspace. Drivers subscribe (any number of them) and redraw what
// changed; notifications are delivered on the driver's thread only. The status listener's thread
// posts its events instead, wakes the driver, and the driver drains them on its own thread.

#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "device/link/operation_guard.h"

namespace gm::device::session {

enum class ChangeKind {
    Connected,        // the mouse was opened; value: its version number
    Identified,       // value: identify byte 0; text: the chip type
    ImageReplaced,    // the image and its working copies were replaced; value 1 when whole
    Disconnected,     // the session was dropped; text: the message shown
    ErrorPage,        // the no-device page is shown (value 1) or gone (value 0)
    Busy,             // an operation started (value 1) or ended (value 0)
    SectionChanged,   // value: the image address of the first byte that changed
    CpiLevel,         // value: the current level byte as the mouse reports it (level - 1)
    Profile,          // value: the current profile, 0..2
    StatusIndicator,  // value: the status button; text: "on" or "off"
    Macros,           // the device macro list or the PC macro store changed
};

struct Change {
    ChangeKind kind;
    int value = 0;
    std::string text;
};

class ChangeHub {
public:
    using Observer = std::function<void(const Change&)>;

    // Observers are called with the guard sealed: a redraw must not start an operation.
    explicit ChangeHub(OperationGuard& guard) : guard_(guard) {}

    // Returns a handle for unsubscribe().
    int subscribe(Observer observer);
    void unsubscribe(int handle);
    // On the driver's thread: tells every observer. Inside a batch a SectionChanged is held back
    // and merged with the others of the batch.
    void notify(const Change& change);

    // While one lives, the SectionChanged notifications are merged into one (with the lowest
    // address), told when the outermost batch ends: one notification per operation, however
    // many writes it took. Batches nest.
    class Batch {
    public:
        explicit Batch(ChangeHub& hub) : hub_(&hub) { ++hub.batchDepth_; }
        Batch(const Batch&) = delete;
        Batch& operator=(const Batch&) = delete;
        ~Batch() { hub_->endBatch(); }

    private:
        ChangeHub* hub_;
    };
    Batch batch() { return Batch(*this); }

    // From any thread: queues `change` for the driver and calls the wake-up.
    void post(Change change);
    // How the driver is woken to drain the queue (e.g. a queued call into its event loop).
    void setWakeUp(std::function<void()> wakeUp);
    // On the driver's thread: the posted changes, oldest first; the queue is emptied.
    std::vector<Change> takePosted();

private:
    void tell(const Change& change);
    void endBatch();

    OperationGuard& guard_;
    int batchDepth_ = 0;
    std::optional<int> heldSection_;
    std::vector<std::pair<int, Observer>> observers_;
    int nextHandle_ = 1;

    std::mutex postedMutex_;
    std::vector<Change> posted_;
    std::function<void()> wakeUp_;
};

}  // namespace gm::device::session
