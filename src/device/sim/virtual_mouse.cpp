#include "device/sim/virtual_mouse.h"

#include "device/sim/mouse_state.h"
#include "image/factory_images.h"

namespace gm::sim {

VirtualMouse::VirtualMouse(device::Clock& clock, image::ChipType chip)
    : VirtualMouse(clock, chip, image::factoryImage(chip, 1)) {}

VirtualMouse::VirtualMouse(device::Clock& clock, image::ChipType chip, const image::Image& eeprom)
    : state_(std::make_shared<State>(clock, chip)) {
    state_->firmware.eeprom() = eeprom;
}

VirtualMouse::~VirtualMouse() {
    std::lock_guard lock(state_->mutex);
    state_->destroyed = true;
    state_->trace = nullptr;
    state_->leaveBusLocked();
}

void VirtualMouse::setIds(std::uint16_t vendorId, std::uint16_t productId) {
    std::lock_guard lock(state_->mutex);
    state_->vendorId = vendorId;
    state_->productId = productId;
}

void VirtualMouse::setVersion(std::uint16_t version) {
    std::lock_guard lock(state_->mutex);
    state_->version = version;
}

image::ChipType VirtualMouse::chip() const {
    std::lock_guard lock(state_->mutex);
    return state_->firmware.chip();
}

void VirtualMouse::setIdentifyByte0(std::uint8_t value) {
    std::lock_guard lock(state_->mutex);
    state_->firmware.setIdentifyByte0(value);
}

image::Image VirtualMouse::eeprom() const {
    std::lock_guard lock(state_->mutex);
    return state_->firmware.eeprom();
}

void VirtualMouse::loadEeprom(const image::Image& image) {
    std::lock_guard lock(state_->mutex);
    state_->firmware.eeprom() = image;
}

std::uint8_t VirtualMouse::xdata(std::uint16_t address) const {
    std::lock_guard lock(state_->mutex);
    return state_->firmware.xdata()[address];
}

void VirtualMouse::setXdata(std::uint16_t address, std::uint8_t value) {
    std::lock_guard lock(state_->mutex);
    state_->firmware.xdata()[address] = value;
}

std::vector<KeyStatusWrite> VirtualMouse::keyStatusWrites() const {
    std::lock_guard lock(state_->mutex);
    return state_->firmware.keyStatusWrites();
}

bool VirtualMouse::present() const {
    std::lock_guard lock(state_->mutex);
    return state_->presentLocked();
}

void VirtualMouse::unplug() {
    std::lock_guard lock(state_->mutex);
    if (state_->pluggedIn) {
        state_->pluggedIn = false;
        state_->leaveBusLocked();
    }
}

void VirtualMouse::plugIn() {
    std::lock_guard lock(state_->mutex);
    state_->pluggedIn = true;
    state_->vanished = false;
    state_->reportsBeforeVanish.reset();
}

void VirtualMouse::setRestartDelay(device::Micros delay) {
    std::lock_guard lock(state_->mutex);
    state_->restartDelay = delay;
}

int VirtualMouse::restartCount() const {
    std::lock_guard lock(state_->mutex);
    return state_->restarts;
}

void VirtualMouse::press(device::StatusButton button) {
    state_->press(button);
}

std::uint8_t VirtualMouse::currentLevel() const {
    std::lock_guard lock(state_->mutex);
    return state_->firmware.currentLevel();
}

std::uint8_t VirtualMouse::currentProfile() const {
    std::lock_guard lock(state_->mutex);
    return state_->firmware.currentProfile();
}

void VirtualMouse::refuseCommands(bool refuse) {
    std::lock_guard lock(state_->mutex);
    state_->refuseCommands = refuse;
}

void VirtualMouse::refuseDataFrom(int n) {
    std::lock_guard lock(state_->mutex);
    state_->dataOperationsBeforeRefusal = n > 0 ? std::optional<int>(n - 1) : std::optional<int>();
}

void VirtualMouse::refuseOneData(int n) {
    std::lock_guard lock(state_->mutex);
    state_->dataOperationsBeforeOneRefusal =
        n > 0 ? std::optional<int>(n - 1) : std::optional<int>();
}

void VirtualMouse::vanishAfter(int n, std::optional<device::Micros> back) {
    std::lock_guard lock(state_->mutex);
    state_->reportsBeforeVanish = n > 0 ? std::optional<int>(n) : std::optional<int>();
    state_->backAfterVanish = back;
}

void VirtualMouse::garbleAnswersFrom(int n) {
    std::lock_guard lock(state_->mutex);
    state_->answersBeforeGarbage = n > 0 ? std::optional<int>(n - 1) : std::optional<int>();
}

void VirtualMouse::setBadIdentify(bool bad) {
    std::lock_guard lock(state_->mutex);
    state_->firmware.setBadIdentify(bad);
}

void VirtualMouse::setReportCost(device::Micros cost) {
    std::lock_guard lock(state_->mutex);
    state_->reportCost = cost;
}

void VirtualMouse::denyOpen(std::string message) {
    std::lock_guard lock(state_->mutex);
    state_->openDeniedMessage = std::move(message);
}

void VirtualMouse::clearFaults() {
    std::lock_guard lock(state_->mutex);
    state_->refuseCommands = false;
    state_->dataOperationsBeforeRefusal.reset();
    state_->dataOperationsBeforeOneRefusal.reset();
    state_->reportsBeforeVanish.reset();
    state_->backAfterVanish.reset();
    state_->answersBeforeGarbage.reset();
    state_->firmware.setBadIdentify(false);
    state_->reportCost = device::Micros{0};
    state_->openDeniedMessage.clear();
}

std::vector<SeenReport> VirtualMouse::reports() const {
    std::lock_guard lock(state_->mutex);
    return state_->seen;
}

void VirtualMouse::clearReports() {
    std::lock_guard lock(state_->mutex);
    state_->seen.clear();
}

void VirtualMouse::setTrace(device::TraceSink sink) {
    std::lock_guard lock(state_->mutex);
    state_->trace = std::move(sink);
}

std::vector<hid::InterfaceInfo> VirtualMouse::interfaces() const {
    return state_->interfaces();
}

bool VirtualMouse::ownsPath(const std::string& path) const {
    return state_->interfaceOf(path).has_value();
}

hid::OpenResult VirtualMouse::open(const std::string& path) {
    return state_->open(path);
}

}  // namespace gm::sim
