#include "device/session/changes.h"

#include <algorithm>
#include <utility>

namespace gm::device::session {

int ChangeHub::subscribe(Observer observer) {
    const int handle = nextHandle_++;
    observers_.emplace_back(handle, std::move(observer));
    return handle;
}

void ChangeHub::unsubscribe(int handle) {
    std::erase_if(observers_, [handle](const auto& entry) { return entry.first == handle; });
}

void ChangeHub::notify(const Change& change) {
    if (batchDepth_ > 0 && change.kind == ChangeKind::SectionChanged) {
        heldSection_ = std::min(heldSection_.value_or(change.value), change.value);
        return;
    }
    tell(change);
}

void ChangeHub::endBatch() {
    if (--batchDepth_ > 0 || !heldSection_)
        return;
    const int address = *std::exchange(heldSection_, std::nullopt);
    tell({ChangeKind::SectionChanged, address, {}});
}

void ChangeHub::tell(const Change& change) {
    // A copy, so an observer may unsubscribe while being told.
    const auto observers = observers_;
    guard_.callOut([&] {
        for (const auto& [handle, observer] : observers)
            observer(change);
    });
}

void ChangeHub::post(Change change) {
    std::function<void()> wakeUp;
    {
        std::lock_guard lock(postedMutex_);
        posted_.push_back(std::move(change));
        wakeUp = wakeUp_;
    }
    if (wakeUp)
        wakeUp();
}

void ChangeHub::setWakeUp(std::function<void()> wakeUp) {
    std::lock_guard lock(postedMutex_);
    wakeUp_ = std::move(wakeUp);
}

std::vector<Change> ChangeHub::takePosted() {
    std::lock_guard lock(postedMutex_);
    return std::exchange(posted_, {});
}

}  // namespace gm::device::session
