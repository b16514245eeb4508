#pragma once
// Where the six stored values of the desktop mouse settings are kept for the user: on Linux the
// INI file $XDG_CONFIG_HOME/gmouse/desktop-mouse.ini, replaced whole on every write (a temporary
// file renamed over it); on Windows the current user's registry (windows_desktop.h).

#include <filesystem>
#include <string>

#include "image/files/file_writer.h"
#include "settings/desktop/desktop_pointer.h"

namespace gm::host::desktop_mouse {

using settings::desktop::PointerReadings;
using settings::desktop::PointerValues;

class PointerStore {
public:
    virtual ~PointerStore() = default;
    // What was stored; nothing (so the defaults) when the store cannot be read.
    virtual PointerReadings read() = 0;
    // Stores all six values; empty on success, else what went wrong.
    virtual std::string write(const PointerValues& values) = 0;
};

// Keeps the values for this run only: the store of a window no program gave one (tests, the
// screenshots), which must not touch the user's own.
class MemoryPointerStore final : public PointerStore {
public:
    PointerReadings read() override { return readings_; }
    std::string write(const PointerValues& values) override;

private:
    PointerReadings readings_;
};

// The store's file in the user's configuration folder; empty when neither XDG_CONFIG_HOME nor
// HOME is known.
std::filesystem::path pointerStoreFile();

class IniPointerStore final : public PointerStore {
public:
    // `writer` must outlive the store.
    IniPointerStore(std::filesystem::path file, image::files::FileWriter& writer);
    PointerReadings read() override;
    std::string write(const PointerValues& values) override;
    const std::filesystem::path& file() const { return file_; }

private:
    std::filesystem::path file_;
    image::files::FileWriter& writer_;
};

}  // namespace gm::host::desktop_mouse
