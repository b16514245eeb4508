#include "host/desktop_mouse/kde_desktop.h"

#include <gio/gio.h>

#include <vector>

#include "host/desktop_mouse/libinput_speed.h"
#include "image/settings/ini_text.h"

namespace gm::host::desktop_mouse {

namespace {

constexpr const char* kGroup = "KDE";
constexpr const char* kDoubleClickKey = "DoubleClickInterval";
constexpr const char* kWheelKey = "WheelScrollLines";
constexpr const char* kKWin = "org.kde.KWin";
constexpr const char* kManagerPath = "/org/kde/KWin/InputDevice";
constexpr const char* kManagerInterface = "org.kde.KWin.InputDeviceManager";
constexpr const char* kDeviceInterface = "org.kde.KWin.InputDevice";
constexpr const char* kSpeedProperty = "pointerAcceleration";
constexpr const char* kFlatProperty = "pointerAccelerationProfileFlat";
constexpr int kCallTimeoutMs = 2000;
// KGlobalSettings: the change type "settings changed" of the category "mouse".
constexpr int kSettingsChanged = 3;
constexpr int kMouseSettings = 0;

// The first of `names` found in PATH; empty when none is.
std::string findTool(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (gchar* path = g_find_program_in_path(name)) {
            std::string found(path);
            g_free(path);
            return found;
        }
    }
    return {};
}

// Runs `argv` and returns what it printed; nothing when it could not run or failed.
std::optional<std::string> runTool(std::vector<std::string> argv) {
    std::vector<gchar*> args;
    for (std::string& arg : argv)
        args.push_back(arg.data());
    args.push_back(nullptr);
    gchar* out = nullptr;
    gint status = 0;
    const gboolean ran = g_spawn_sync(nullptr, args.data(), nullptr, G_SPAWN_STDERR_TO_DEV_NULL,
                                      nullptr, nullptr, &out, nullptr, &status, nullptr);
    std::optional<std::string> printed;
    if (ran && g_spawn_check_wait_status(status, nullptr))
        printed = std::string(out != nullptr ? out : "");
    g_free(out);
    return printed;
}

GVariant* getProperty(GDBusConnection* bus, const std::string& path, const char* interface,
                      const char* property) {
    GVariant* reply = g_dbus_connection_call_sync(
        bus, kKWin, path.c_str(), "org.freedesktop.DBus.Properties", "Get",
        g_variant_new("(ss)", interface, property), G_VARIANT_TYPE("(v)"),
        G_DBUS_CALL_FLAGS_NO_AUTO_START, kCallTimeoutMs, nullptr, nullptr);
    if (reply == nullptr)
        return nullptr;
    GVariant* value = nullptr;
    g_variant_get(reply, "(v)", &value);
    g_variant_unref(reply);
    return value;
}

bool boolProperty(GDBusConnection* bus, const std::string& path, const char* property) {
    GVariant* value = getProperty(bus, path, kDeviceInterface, property);
    const bool on = value != nullptr && g_variant_is_of_type(value, G_VARIANT_TYPE_BOOLEAN) &&
                    g_variant_get_boolean(value);
    if (value != nullptr)
        g_variant_unref(value);
    return on;
}

}  // namespace

struct KdeDesktop::Session {
    std::string writeTool = findTool({"kwriteconfig6", "kwriteconfig5"});
    std::string readTool = findTool({"kreadconfig6", "kreadconfig5"});
    GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);

    Session() = default;
    ~Session() {
        if (bus != nullptr)
            g_object_unref(bus);
    }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // The object paths of KWin's mice; empty when KWin does not answer.
    std::vector<std::string> mice() const {
        std::vector<std::string> found;
        if (bus == nullptr)
            return found;
        GVariant* names = getProperty(bus, kManagerPath, kManagerInterface, "devicesSysNames");
        if (names == nullptr)
            return found;
        if (g_variant_is_of_type(names, G_VARIANT_TYPE_STRING_ARRAY)) {
            GVariantIter iter;
            const gchar* name = nullptr;
            g_variant_iter_init(&iter, names);
            while (g_variant_iter_next(&iter, "&s", &name)) {
                const std::string path = std::string(kManagerPath) + "/" + name;
                if (boolProperty(bus, path, "pointer") && !boolProperty(bus, path, "touchpad"))
                    found.push_back(path);
            }
        }
        g_variant_unref(names);
        return found;
    }

    std::optional<int> readGlobal(const char* key) const {
        if (readTool.empty())
            return std::nullopt;
        const std::optional<std::string> printed =
            runTool({readTool, "--file", "kdeglobals", "--group", kGroup, "--key", key});
        if (!printed)
            return std::nullopt;
        std::string text = *printed;
        while (!text.empty() && (text.back() == '\n' || text.back() == ' '))
            text.pop_back();
        return image::settings::parseDecimal(text);
    }
};

KdeDesktop::KdeDesktop() : session_(std::make_unique<Session>()) {}

KdeDesktop::~KdeDesktop() = default;

PointerReadings KdeDesktop::read() {
    PointerReadings readings;
    readings.doubleClickMs = session_->readGlobal(kDoubleClickKey);
    readings.wheelLines = session_->readGlobal(kWheelKey);
    const std::vector<std::string> mice = session_->mice();
    if (!mice.empty()) {
        if (GVariant* speed =
                getProperty(session_->bus, mice.front(), kDeviceInterface, kSpeedProperty)) {
            if (g_variant_is_of_type(speed, G_VARIANT_TYPE_DOUBLE))
                readings.speed = speedOfLibinput(g_variant_get_double(speed));
            g_variant_unref(speed);
        }
        readings.precision = boolProperty(session_->bus, mice.front(), kFlatProperty)
                                 ? settings::desktop::kPrecisionOff
                                 : settings::desktop::kPrecisionOn;
    }
    return readings;
}

std::optional<Refusal> KdeDesktop::apply(Setting setting, const PointerValues& values) {
    switch (setting) {
        case Setting::PointerSpeed:
            return setOnMice(setting, kSpeedProperty, libinputSpeedOf(values.speed));
        case Setting::Precision:
            return setOnMice(setting, kFlatProperty, !values.precision.on());
        case Setting::DoubleClick:
            return writeGlobal(setting, kDoubleClickKey, values.doubleClickMs);
        case Setting::WheelLines:
            if (values.wheelLines == settings::desktop::kOneScreen)
                return Refusal{setting, Refusal::Reason::Failed,
                               "one screen per notch is not offered by this desktop"};
            return writeGlobal(setting, kWheelKey, values.wheelLines);
    }
    return std::nullopt;
}

std::optional<Refusal> KdeDesktop::writeGlobal(Setting setting, const char* key, int value) {
    if (session_->writeTool.empty())
        return Refusal{setting, Refusal::Reason::NotInstalled, "kwriteconfig5 (KConfig's tool)"};
    if (!runTool({session_->writeTool, "--file", "kdeglobals", "--group", kGroup, "--key", key,
                  std::to_string(value)}))
        return Refusal{setting, Refusal::Reason::Failed, "kwriteconfig could not write kdeglobals"};
    if (session_->bus != nullptr) {
        g_dbus_connection_emit_signal(
            session_->bus, nullptr, "/KGlobalSettings", "org.kde.KGlobalSettings", "notifyChange",
            g_variant_new("(ii)", kSettingsChanged, kMouseSettings), nullptr);
        g_dbus_connection_flush_sync(session_->bus, nullptr, nullptr);
    }
    return std::nullopt;
}

std::optional<Refusal> KdeDesktop::setOnMice(Setting setting, const char* property,
                                             std::variant<bool, double> value) {
    const std::vector<std::string> mice = session_->mice();
    if (mice.empty())
        return Refusal{setting, Refusal::Reason::NotInstalled,
                       "KWin's input devices (org.kde.KWin.InputDevice)"};
    for (const std::string& path : mice) {
        GVariant* wrapped = std::holds_alternative<bool>(value)
                                ? g_variant_new_boolean(std::get<bool>(value))
                                : g_variant_new_double(std::get<double>(value));
        GError* error = nullptr;
        GVariant* reply = g_dbus_connection_call_sync(
            session_->bus, kKWin, path.c_str(), "org.freedesktop.DBus.Properties", "Set",
            g_variant_new("(ssv)", kDeviceInterface, property, wrapped), nullptr,
            G_DBUS_CALL_FLAGS_NO_AUTO_START, kCallTimeoutMs, nullptr, &error);
        if (reply == nullptr) {
            const std::string why = error != nullptr ? error->message : "no answer";
            if (error != nullptr)
                g_error_free(error);
            return Refusal{setting, Refusal::Reason::Failed, "KWin refused " + path + ": " + why};
        }
        g_variant_unref(reply);
    }
    return std::nullopt;
}

}  // namespace gm::host::desktop_mouse
