#include "host/desktop_mouse/windows_desktop.h"

#include <windows.h>

#include <array>

#include "settings/desktop/desktop_pointer_store.h"

namespace gm::host::desktop_mouse {

namespace {

// The longest value text read back; the six values are short decimal numbers.
constexpr DWORD kMaxValueText = 64;

class OpenKey {
public:
    OpenKey(std::string_view key, REGSAM access) {
        const std::string name(key);
        opened_ = RegOpenKeyExA(HKEY_CURRENT_USER, name.c_str(), 0, access, &key_) == ERROR_SUCCESS;
    }
    ~OpenKey() {
        if (opened_)
            RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    bool opened() const { return opened_; }
    HKEY key() const { return key_; }

private:
    HKEY key_ = nullptr;
    bool opened_ = false;
};

}  // namespace

PointerReadings RegistryPointerStore::read() {
    return settings::desktop::readingsOf(
        [](std::string_view key, std::string_view name) -> std::optional<std::string> {
            const OpenKey open(key, KEY_QUERY_VALUE);
            if (!open.opened())
                return std::nullopt;
            std::array<char, kMaxValueText + 1> text{};
            DWORD size = kMaxValueText;
            DWORD type = 0;
            const std::string valueName(name);
            if (RegQueryValueExA(open.key(), valueName.c_str(), nullptr, &type,
                                 reinterpret_cast<BYTE*>(text.data()), &size) != ERROR_SUCCESS ||
                type != REG_SZ)
                return std::nullopt;
            return std::string(text.data());
        });
}

std::string RegistryPointerStore::write(const PointerValues& values) {
    std::string failed;
    for (const settings::desktop::StoredValue& stored : settings::desktop::storedValuesOf(values)) {
        const OpenKey open(stored.key, KEY_SET_VALUE);
        const std::string name(stored.name);
        const bool written =
            open.opened() &&
            RegSetValueExA(open.key(), name.c_str(), 0, REG_SZ,
                           reinterpret_cast<const BYTE*>(stored.value.c_str()),
                           static_cast<DWORD>(stored.value.size() + 1)) == ERROR_SUCCESS;
        if (!written)
            failed.append(failed.empty() ? "" : ", ").append(stored.name);
    }
    return failed.empty() ? failed : "the registry refused " + failed;
}

std::optional<Refusal> SystemParametersDesktop::apply(Setting setting,
                                                      const PointerValues& values) {
    BOOL taken = FALSE;
    switch (setting) {
        case Setting::PointerSpeed:
            // The speed travels in the pointer parameter itself, not behind it.
            taken = SystemParametersInfoA(
                SPI_SETMOUSESPEED, 0, reinterpret_cast<PVOID>(static_cast<INT_PTR>(values.speed)),
                SPIF_SENDCHANGE);
            break;
        case Setting::Precision: {
            std::array<int, 3> triple{values.precision.threshold1, values.precision.threshold2,
                                      values.precision.acceleration};
            taken = SystemParametersInfoA(SPI_SETMOUSE, 0, triple.data(), SPIF_SENDCHANGE);
            break;
        }
        case Setting::DoubleClick:
            taken = SystemParametersInfoA(SPI_SETDOUBLECLICKTIME,
                                          static_cast<UINT>(values.doubleClickMs), nullptr,
                                          SPIF_SENDCHANGE);
            break;
        case Setting::WheelLines:
            // -1 is one screen per notch (WHEEL_PAGESCROLL).
            taken =
                SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, static_cast<UINT>(values.wheelLines),
                                      nullptr, SPIF_UPDATEINIFILE);
            break;
    }
    if (!taken)
        return Refusal{
            setting, Refusal::Reason::Failed,
            "SystemParametersInfo failed (error " + std::to_string(GetLastError()) + ")"};
    return std::nullopt;
}

}  // namespace gm::host::desktop_mouse
