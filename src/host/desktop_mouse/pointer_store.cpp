#include "host/desktop_mouse/pointer_store.h"

#include <system_error>

#include "host/files/user_folders.h"
#include "image/echoed_text.h"
#include "image/files/file_io.h"
#include "settings/desktop/desktop_pointer_store.h"

namespace gm::host::desktop_mouse {

namespace {

// Far more than six values need; a larger file is not ours and is read only this far.
constexpr std::size_t kMaxStoreBytes = 64 * 1024;

}  // namespace

std::string MemoryPointerStore::write(const PointerValues& values) {
    readings_ = {values.speed, values.precision, values.doubleClickMs, values.wheelLines};
    return {};
}

std::filesystem::path pointerStoreFile() {
    const std::filesystem::path folder = configFolder();
    return folder.empty() ? folder : folder / "desktop-mouse.ini";
}

IniPointerStore::IniPointerStore(std::filesystem::path file, image::files::FileWriter& writer)
    : file_(std::move(file)), writer_(writer) {}

PointerReadings IniPointerStore::read() {
    const image::files::ReadResult result = image::files::readFile(file_, kMaxStoreBytes);
    const std::string text =
        result.ok() ? std::string(result.bytes.begin(), result.bytes.end()) : std::string();
    return settings::desktop::readingsOfStoreText(text);
}

std::string IniPointerStore::write(const PointerValues& values) {
    if (file_.empty())
        return "no folder for the settings file (neither XDG_CONFIG_HOME nor HOME is set)";
    std::error_code ec;
    std::filesystem::create_directories(file_.parent_path(), ec);
    if (ec)
        return image::echoed(file_.parent_path().string()) + ": cannot create the folder (" +
               ec.message() + ")";
    const std::string text = settings::desktop::storeText(values);
    return writer_.write(
        file_, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace gm::host::desktop_mouse
