// The KDE desktop against KConfig's own tools on a kdeglobals in a temporary folder and a fake
// KWin on a private session bus (both set up in main): what it writes where, the notice to
// KDE programs, the mice it changes (never a touchpad), and what it refuses without KWin.
#include "host/desktop_mouse/kde_desktop.h"

#include <gio/gio.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>

#include <filesystem>
#include <future>
#include <map>
#include <mutex>
#include <thread>

#include "host/desktop_mouse/desktop_mouse_settings.h"
#include "run_tool.h"
#include "support/fake_desktop.h"

namespace gm::host::desktop_mouse {
namespace {

using testing::toolOutput;

constexpr const char* kKWinInterfaces =
    "<node><interface name='org.kde.KWin.InputDeviceManager'>"
    "<property name='devicesSysNames' type='as' access='read'/></interface>"
    "<interface name='org.kde.KWin.InputDevice'>"
    "<property name='pointer' type='b' access='read'/>"
    "<property name='touchpad' type='b' access='read'/>"
    "<property name='pointerAcceleration' type='d' access='readwrite'/>"
    "<property name='pointerAccelerationProfileFlat' type='b' access='readwrite'/>"
    "</interface></node>";

struct FakeDevice {
    bool touchpad = false;
    double acceleration = 0;
    bool flat = false;
};

// KWin's input devices on the test's bus, served from a thread of its own; it also counts the
// KGlobalSettings change notices it hears.
class FakeKWin {
public:
    explicit FakeKWin(std::map<std::string, FakeDevice> devices) : devices_(std::move(devices)) {
        std::promise<void> ready;
        thread_ = std::thread([this, &ready] { serve(ready); });
        ready.get_future().wait();
    }
    ~FakeKWin() {
        g_main_loop_quit(loop_);
        thread_.join();
    }
    FakeDevice device(const std::string& name) {
        std::lock_guard lock(mutex_);
        return devices_.at(name);
    }
    int notices() {
        std::lock_guard lock(mutex_);
        return notices_;
    }

private:
    void serve(std::promise<void>& ready) {
        GMainContext* context = g_main_context_new();
        g_main_context_push_thread_default(context);
        loop_ = g_main_loop_new(context, FALSE);
        GDBusConnection* bus = g_dbus_connection_new_for_address_sync(
            getenv("DBUS_SESSION_BUS_ADDRESS"),
            static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                              G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION),
            nullptr, nullptr, nullptr);
        GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(kKWinInterfaces, nullptr);
        static const GDBusInterfaceVTable vtable{nullptr, &FakeKWin::get, &FakeKWin::set, {}};
        g_dbus_connection_register_object(bus, "/org/kde/KWin/InputDevice", node->interfaces[0],
                                          &vtable, this, nullptr, nullptr);
        for (const auto& [name, device] : devices_)
            g_dbus_connection_register_object(bus, ("/org/kde/KWin/InputDevice/" + name).c_str(),
                                              node->interfaces[1], &vtable, this, nullptr, nullptr);
        g_dbus_connection_signal_subscribe(
            bus, nullptr, "org.kde.KGlobalSettings", "notifyChange", "/KGlobalSettings", nullptr,
            G_DBUS_SIGNAL_FLAGS_NONE,
            [](GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*, GVariant*,
               gpointer self) {
                auto* kwin = static_cast<FakeKWin*>(self);
                std::lock_guard lock(kwin->mutex_);
                ++kwin->notices_;
            },
            this, nullptr);
        GVariant* owned = g_dbus_connection_call_sync(
            bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
            "RequestName", g_variant_new("(su)", "org.kde.KWin", 0u), nullptr,
            G_DBUS_CALL_FLAGS_NONE, -1, nullptr, nullptr);
        g_variant_unref(owned);
        ready.set_value();
        g_main_loop_run(loop_);
        g_dbus_node_info_unref(node);
        g_object_unref(bus);
        g_main_loop_unref(loop_);
        g_main_context_pop_thread_default(context);
        g_main_context_unref(context);
    }

    static std::string deviceOf(const gchar* path) {
        return std::filesystem::path(path).filename().string();
    }

    static GVariant* get(GDBusConnection*, const gchar*, const gchar* path, const gchar*,
                         const gchar* property, GError**, gpointer self) {
        auto* kwin = static_cast<FakeKWin*>(self);
        std::lock_guard lock(kwin->mutex_);
        const std::string name(property);
        if (name == "devicesSysNames") {
            GVariantBuilder names;
            g_variant_builder_init(&names, G_VARIANT_TYPE_STRING_ARRAY);
            for (const auto& [device, unused] : kwin->devices_)
                g_variant_builder_add(&names, "s", device.c_str());
            return g_variant_builder_end(&names);
        }
        const FakeDevice& device = kwin->devices_.at(deviceOf(path));
        if (name == "pointer")
            return g_variant_new_boolean(TRUE);
        if (name == "touchpad")
            return g_variant_new_boolean(device.touchpad);
        if (name == "pointerAcceleration")
            return g_variant_new_double(device.acceleration);
        return g_variant_new_boolean(device.flat);
    }

    static gboolean set(GDBusConnection*, const gchar*, const gchar* path, const gchar*,
                        const gchar* property, GVariant* value, GError**, gpointer self) {
        auto* kwin = static_cast<FakeKWin*>(self);
        std::lock_guard lock(kwin->mutex_);
        FakeDevice& device = kwin->devices_.at(deviceOf(path));
        if (std::string(property) == "pointerAcceleration")
            device.acceleration = g_variant_get_double(value);
        else
            device.flat = g_variant_get_boolean(value);
        return TRUE;
    }

    std::mutex mutex_;
    std::map<std::string, FakeDevice> devices_;
    int notices_ = 0;
    GMainLoop* loop_ = nullptr;
    std::thread thread_;
};

std::string readGlobal(const char* key) {
    return toolOutput(std::string("kreadconfig5 --file kdeglobals --group KDE --key ") + key);
}

TEST(KdeDesktop, AppliesToKdeglobalsAndKWinsMiceAndReadsThemBack) {
    FakeKWin kwin({{"event3", {}}, {"event7", {.touchpad = true}}});
    std::vector<std::string> calls;
    DesktopMouseSettings settings([] { return std::make_unique<KdeDesktop>(); },
                                  std::make_unique<testing::FakeStore>(calls));
    const auto report = settings.change([](PointerSettings& s) {
        s = {.speedLevel = 3, .precision = false, .doubleClickLevel = 11, .wheelLevel = 9};
        return true;
    });
    ASSERT_TRUE(report);
    EXPECT_TRUE(report->refusals.empty()) << describe(report->refusals.front());
    EXPECT_EQ(readGlobal("DoubleClickInterval"), "200");
    EXPECT_EQ(readGlobal("WheelScrollLines"), "9");
    EXPECT_NEAR(kwin.device("event3").acceleration, -0.6, 1e-9);  // speed 4
    EXPECT_TRUE(kwin.device("event3").flat);
    EXPECT_EQ(kwin.device("event7").acceleration, 0.0);  // the touchpad keeps its own
    EXPECT_FALSE(kwin.device("event7").flat);
    const PointerReadings read = KdeDesktop().read();
    EXPECT_EQ(read, (PointerReadings{4, settings::desktop::kPrecisionOff, 200, 9}));
    // One notice per kdeglobals write; the read's calls came after them, so they were heard.
    EXPECT_EQ(kwin.notices(), 2);
}

TEST(KdeDesktop, WithoutKWinSpeedAndProfileAreRefusedAndOneScreenIsNotOffered) {
    KdeDesktop desktop;
    PointerValues values;
    const Refusal noKWin{Setting::PointerSpeed, Refusal::Reason::NotInstalled,
                         "KWin's input devices (org.kde.KWin.InputDevice)"};
    EXPECT_EQ(desktop.apply(Setting::PointerSpeed, values), noKWin);
    values.wheelLines = settings::desktop::kOneScreen;
    EXPECT_EQ(desktop.apply(Setting::WheelLines, values),
              (Refusal{Setting::WheelLines, Refusal::Reason::Failed,
                       "one screen per notch is not offered by this desktop"}));
    EXPECT_EQ(desktop.apply(Setting::DoubleClick, values), std::nullopt);
    EXPECT_EQ(desktop.read().speed, std::nullopt);
}

}  // namespace
}  // namespace gm::host::desktop_mouse

// A private session bus and a configuration folder for kdeglobals, for the whole run.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    char folder[] = "/tmp/gm-kde-XXXXXX";
    if (mkdtemp(folder) == nullptr)
        return 1;
    setenv("XDG_CONFIG_HOME", folder, 1);
    const std::string started = gm::host::desktop_mouse::testing::toolOutput(
        "dbus-daemon --session --fork --print-address=1 --print-pid=1");
    const std::size_t newline = started.find('\n');
    if (newline == std::string::npos) {
        std::fprintf(stderr, "no private session bus: %s\n", started.c_str());
        return 1;
    }
    setenv("DBUS_SESSION_BUS_ADDRESS", started.substr(0, newline).c_str(), 1);
    const int result = RUN_ALL_TESTS();
    kill(std::stoi(started.substr(newline + 1)), SIGTERM);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return result;
}
