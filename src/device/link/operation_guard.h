#pragma once
// One operation on the mouse at a time. A transfer hands control to its driver while it runs
// (progress per chunk, pumped waits, notifications); a click or a timer tick handled there, or a
// call from another thread, must not start a second command in the middle of the first, or the
// mouse's report stream is cut. The guard refuses such a start as busy, and nothing is sent.
//
// An operation's own code may enter again on its thread (a composite operation calls its steps);
// what it may not do is start one while it is calling out to the driver, which callOut() marks.

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

namespace gm::device {

class OperationGuard {
public:
    // Held while an operation runs; leaving the outermost scope frees the guard.
    class Scope {
    public:
        Scope(Scope&& other) noexcept : guard_(std::exchange(other.guard_, nullptr)) {}
        Scope& operator=(Scope&&) = delete;
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
        ~Scope() {
            if (guard_ != nullptr)
                guard_->leave();
        }

    private:
        friend class OperationGuard;
        explicit Scope(OperationGuard& guard) : guard_(&guard) {}
        OperationGuard* guard_;
    };

    // Starts an operation, or joins the running one from its own code. Empty (busy) while an
    // operation runs on another thread, or while this thread's operation is calling out.
    std::optional<Scope> tryEnter();
    // Waits until no operation runs, then starts one; empty when `cancelled` turns true first
    // (checked whenever the guard is freed or wakeWaiters() is called).
    std::optional<Scope> enterWhenFree(const std::function<bool()>& cancelled);
    // Wakes enterWhenFree() waiters so they look at their cancel condition again.
    void wakeWaiters();

    // Runs a call out to the driver; operations started during it are refused as busy.
    template <typename Call>
    void callOut(Call&& call) {
        const bool sealed = seal();
        std::forward<Call>(call)();
        if (sealed)
            unseal();
    }

    // An operation is running (on any thread).
    bool busy() const;
    // Called with true when an operation starts and false when it ends (not from the guard's
    // lock); set once before use.
    void setBusyListener(std::function<void(bool)> listener) {
        busyListener_ = std::move(listener);
    }

private:
    void leave();
    bool seal();
    void unseal();

    mutable std::mutex mutex_;
    std::condition_variable freed_;
    std::thread::id owner_;
    std::size_t depth_ = 0;
    std::size_t sealed_ = 0;
    std::function<void(bool)> busyListener_;
};

}  // namespace gm::device
