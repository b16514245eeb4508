#include "host/desktop_mouse/gsettings_desktop.h"

#include <gio/gio.h>

#include "host/desktop_mouse/libinput_speed.h"

namespace gm::host::desktop_mouse {

namespace {

constexpr const char* kSpeedKey = "speed";
constexpr const char* kProfileKey = "accel-profile";
constexpr const char* kDoubleClickKey = "double-click";

const char* keyOf(Setting setting) {
    switch (setting) {
        case Setting::PointerSpeed:
            return kSpeedKey;
        case Setting::Precision:
            return kProfileKey;
        case Setting::DoubleClick:
            return kDoubleClickKey;
        case Setting::WheelLines:
            break;
    }
    return nullptr;
}

}  // namespace

// The installed schema and its settings object; both null when the schema is not installed.
struct GSettingsDesktop::Schema {
    GSettingsSchema* schema = nullptr;
    GSettings* settings = nullptr;

    explicit Schema(const std::string& id) {
        GSettingsSchemaSource* source = g_settings_schema_source_get_default();
        if (source == nullptr)
            return;
        schema = g_settings_schema_source_lookup(source, id.c_str(), TRUE);
        if (schema != nullptr)
            settings = g_settings_new_full(schema, nullptr, nullptr);
    }
    ~Schema() {
        if (settings != nullptr) {
            // Writes still on their way to the desktop's store reach it before the program ends.
            g_settings_sync();
            g_object_unref(settings);
        }
        if (schema != nullptr)
            g_settings_schema_unref(schema);
    }
    Schema(const Schema&) = delete;
    Schema& operator=(const Schema&) = delete;

    bool has(const char* key) const {
        return schema != nullptr && g_settings_schema_has_key(schema, key);
    }
};

GSettingsDesktop::GSettingsDesktop(std::string schemaId)
    : schemaId_(std::move(schemaId)), schema_(std::make_unique<Schema>(schemaId_)) {}

GSettingsDesktop::~GSettingsDesktop() = default;

PointerReadings GSettingsDesktop::read() {
    PointerReadings readings;
    GSettings* settings = schema_->settings;
    if (schema_->has(kSpeedKey))
        readings.speed = speedOfLibinput(g_settings_get_double(settings, kSpeedKey));
    if (schema_->has(kProfileKey)) {
        gchar* profile = g_settings_get_string(settings, kProfileKey);
        const bool flat = g_strcmp0(profile, "flat") == 0;
        g_free(profile);
        readings.precision =
            flat ? settings::desktop::kPrecisionOff : settings::desktop::kPrecisionOn;
    }
    if (schema_->has(kDoubleClickKey))
        readings.doubleClickMs = g_settings_get_int(settings, kDoubleClickKey);
    return readings;
}

std::optional<Refusal> GSettingsDesktop::apply(Setting setting, const PointerValues& values) {
    const char* key = keyOf(setting);
    if (key == nullptr)
        return Refusal{setting, Refusal::Reason::NotOffered, {}};
    if (schema_->schema == nullptr)
        return Refusal{setting, Refusal::Reason::NotInstalled, schemaId_};
    if (!schema_->has(key))
        return Refusal{setting, Refusal::Reason::NotInstalled, schemaId_ + " " + key};
    GSettings* settings = schema_->settings;
    gboolean taken = FALSE;
    switch (setting) {
        case Setting::PointerSpeed:
            taken = g_settings_set_double(settings, key, libinputSpeedOf(values.speed));
            break;
        case Setting::Precision:
            taken =
                g_settings_set_string(settings, key, values.precision.on() ? "default" : "flat");
            break;
        case Setting::DoubleClick:
            taken = g_settings_set_int(settings, key, values.doubleClickMs);
            break;
        case Setting::WheelLines:
            break;
    }
    if (!taken)
        return Refusal{setting, Refusal::Reason::Failed,
                       schemaId_ + " " + key + " may not be changed here"};
    g_settings_sync();
    return std::nullopt;
}

}  // namespace gm::host::desktop_mouse
