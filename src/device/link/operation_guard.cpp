#include "device/link/operation_guard.h"

namespace gm::device {

std::optional<OperationGuard::Scope> OperationGuard::tryEnter() {
    bool started = false;
    {
        std::lock_guard lock(mutex_);
        const auto self = std::this_thread::get_id();
        if (depth_ == 0) {
            owner_ = self;
            started = true;
        } else if (owner_ != self || sealed_ > 0) {
            return std::nullopt;
        }
        ++depth_;
    }
    Scope scope(*this);
    if (started && busyListener_)
        callOut([this] { busyListener_(true); });
    return scope;
}

std::optional<OperationGuard::Scope> OperationGuard::enterWhenFree(
    const std::function<bool()>& cancelled) {
    {
        std::unique_lock lock(mutex_);
        freed_.wait(lock, [&] { return depth_ == 0 || cancelled(); });
        if (depth_ != 0)
            return std::nullopt;
        owner_ = std::this_thread::get_id();
        depth_ = 1;
    }
    Scope scope(*this);
    if (busyListener_)
        callOut([this] { busyListener_(true); });
    return scope;
}

void OperationGuard::wakeWaiters() {
    { std::lock_guard lock(mutex_); }
    freed_.notify_all();
}

bool OperationGuard::busy() const {
    std::lock_guard lock(mutex_);
    return depth_ > 0;
}

void OperationGuard::leave() {
    {
        std::lock_guard lock(mutex_);
        if (--depth_ > 0)
            return;
        owner_ = {};
    }
    if (busyListener_)
        busyListener_(false);
    freed_.notify_all();
}

bool OperationGuard::seal() {
    std::lock_guard lock(mutex_);
    if (depth_ == 0 || owner_ != std::this_thread::get_id())
        return false;
    ++sealed_;
    return true;
}

void OperationGuard::unseal() {
    std::lock_guard lock(mutex_);
    --sealed_;
}

}  // namespace gm::device
