#include "device/sim/virtual_bus.h"

#include <algorithm>
#include <condition_variable>

#include "device/sim/mouse_state.h"

namespace gm::sim {

struct VirtualBus::GenericSlot {
    int id = 0;
    hid::InterfaceInfo info;
    std::mutex mutex;
    std::condition_variable changed;  // unplugged, or a read interrupted
    bool pluggedIn = true;
};

namespace {

// An opened unrelated interface: refuses every feature report and sends no input report; once
// unplugged, every call fails as gone.
class GenericDevice final : public hid::Device {
public:
    explicit GenericDevice(std::shared_ptr<VirtualBus::GenericSlot> slot)
        : slot_(std::move(slot)) {}

    hid::TransferResult setFeature(std::span<const std::uint8_t>) override { return refusal(); }
    hid::TransferResult getFeature(std::span<std::uint8_t>) override { return refusal(); }
    hid::ReadResult readInput(std::span<std::uint8_t>, std::chrono::milliseconds timeout) override {
        std::unique_lock lock(slot_->mutex);
        waitUpTo(slot_->changed, lock, timeout, [&] { return interrupted_ || !slot_->pluggedIn; });
        if (!slot_->pluggedIn) {
            return {hid::ReadStatus::Error, 0};
        }
        if (interrupted_) {
            interrupted_ = false;
            return {hid::ReadStatus::Interrupted, 0};
        }
        return {hid::ReadStatus::Timeout, 0};
    }
    void interruptRead() override {
        {
            std::lock_guard lock(slot_->mutex);
            interrupted_ = true;
        }
        slot_->changed.notify_all();
    }

private:
    hid::TransferResult refusal() const {
        std::lock_guard lock(slot_->mutex);
        return {slot_->pluggedIn ? hid::TransferStatus::Refused : hid::TransferStatus::Gone, 0};
    }

    std::shared_ptr<VirtualBus::GenericSlot> slot_;
    bool interrupted_ = false;  // guarded by the slot's mutex
};

}  // namespace

VirtualBus::VirtualBus() = default;

VirtualBus::~VirtualBus() {
    detach();
}

int VirtualBus::plugGeneric(hid::InterfaceInfo info) {
    std::lock_guard lock(mutex_);
    auto slot = std::make_shared<GenericSlot>();
    slot->id = nextGenericId_++;
    if (info.path.empty()) {
        info.path = "sim/generic" + std::to_string(slot->id);
    }
    slot->info = std::move(info);
    slots_.emplace_back(std::move(slot));
    return nextGenericId_ - 1;
}

void VirtualBus::unplug(int id) {
    std::lock_guard lock(mutex_);
    const auto it = std::find_if(slots_.begin(), slots_.end(), [id](const Slot& slot) {
        const auto* generic = std::get_if<std::shared_ptr<GenericSlot>>(&slot);
        return generic != nullptr && (*generic)->id == id;
    });
    if (it == slots_.end()) {
        return;
    }
    auto& generic = std::get<std::shared_ptr<GenericSlot>>(*it);
    {
        std::lock_guard slotLock(generic->mutex);
        generic->pluggedIn = false;
    }
    generic->changed.notify_all();
    slots_.erase(it);
}

void VirtualBus::attach(VirtualMouse& mouse) {
    std::lock_guard lock(mutex_);
    slots_.emplace_back(mouse.state_);
}

void VirtualBus::detach(VirtualMouse& mouse) {
    std::lock_guard lock(mutex_);
    std::erase_if(slots_, [&](const Slot& slot) {
        const auto* state = std::get_if<std::shared_ptr<VirtualMouse::State>>(&slot);
        return state != nullptr && *state == mouse.state_;
    });
}

void VirtualBus::detach() {
    std::lock_guard lock(mutex_);
    std::erase_if(slots_, [](const Slot& slot) {
        return std::holds_alternative<std::shared_ptr<VirtualMouse::State>>(slot);
    });
}

std::vector<hid::InterfaceInfo> VirtualBus::enumerate() {
    std::lock_guard lock(mutex_);
    std::vector<hid::InterfaceInfo> result;
    for (const Slot& slot : slots_) {
        if (const auto* generic = std::get_if<std::shared_ptr<GenericSlot>>(&slot)) {
            result.push_back((*generic)->info);
        } else {
            auto mouseInterfaces =
                std::get<std::shared_ptr<VirtualMouse::State>>(slot)->interfaces();
            result.insert(result.end(), mouseInterfaces.begin(), mouseInterfaces.end());
        }
    }
    return result;
}

int VirtualBus::countPresent() {
    return static_cast<int>(enumerate().size());
}

hid::OpenResult VirtualBus::open(const std::string& path) {
    std::lock_guard lock(mutex_);
    for (const Slot& slot : slots_) {
        if (const auto* generic = std::get_if<std::shared_ptr<GenericSlot>>(&slot)) {
            if ((*generic)->info.path == path) {
                return {std::make_shared<GenericDevice>(*generic), hid::OpenError::None, ""};
            }
        } else if (const auto& state = std::get<std::shared_ptr<VirtualMouse::State>>(slot);
                   state->interfaceOf(path)) {
            return state->open(path);
        }
    }
    return {nullptr, hid::OpenError::NotFound, path + ": no such device"};
}

}  // namespace gm::sim
