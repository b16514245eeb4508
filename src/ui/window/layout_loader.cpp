#include "ui/window/layout_loader.h"

#include <QRegularExpression>
#include <QVariant>
#include <algorithm>
#include <array>
#include <optional>
#include <set>
#include <utility>

namespace gm::ui {

namespace {

// Controls the tables know by a family name: Btn_A (Reset, Confirm 2, Confirm 3, exit,
// minimise) and Btn_B (the page buttons, then the file buttons of the bottom bar and the update
// page).
constexpr std::array<std::pair<const char*, const char*>, 17> kFamilies{{
    {"Btn_Reset_1", "Btn_A1"},
    {"Btn_Confirm2_1", "Btn_A2"},
    {"Btn_Confirm3_1", "Btn_A3"},
    {"Btn_Exit_1", "Btn_A4"},
    {"Btn_Mini_1", "Btn_A5"},
    {"Btn_Main_1", "Btn_B1"},
    {"Btn_Switch_1", "Btn_B2"},
    {"Btn_Fixed_1", "Btn_B3"},
    {"Btn_Adv_1", "Btn_B4"},
    {"Btn_Breath_1", "Btn_B5"},
    {"Btn_Macro_1", "Btn_B6"},
    {"Btn_Update_1", "Btn_B7"},
    {"Btn_Engineer_1", "Btn_B8"},
    {"Btn_SaveProfile_1", "Btn_B9"},
    {"Btn_LoadProfile_1", "Btn_B10"},
    {"Btn_LoadBIN", "Btn_B11"},
    {"Btn_Program", "Btn_B12"},
}};

// Families of numbered controls: the window's name pattern and the tables' name for it, "%1"
// standing for the number.
struct NumberedFamily {
    const char* pattern;
    const char* family;
};
constexpr std::array<NumberedFamily, 11> kNumberedFamilies{{
    {R"(^Pnl_DPI(\d)$)", "DPI%1"},
    {R"(^lbl_DPI(\d)Value$)", "DPI%1_Value"},
    {R"(^Img_DPI(\d)Bar$)", "DPI%1_Steps"},
    {R"(^lbl_DPI(\d)Col$)", "DPI%1_Color"},
    {R"(^rb_DPI(\d)$)", "DPI%1_Check"},
    {R"(^lbl_Rep(\d)$)", "Rep%1"},
    {R"(^rb_LED(\d)$)", "LEDMode%1"},
    {R"(^lbl_LED(\d)$)", "LED_Mode_%1"},
    {R"(^lbl_Col(\d+)$)", "LED_Color_%1"},
    {R"(^IB_ComboKey(\d)$)", "ComboKey%1"},
    {R"(^Edt_Repeat(\d)$)", "FK%1Cnt"},
}};

constexpr std::array<const char*, 7> kPlacementSuffixes{
    "_X", "_Y", "_W", "_H", "_Enable", "_Lable_Size", "_Lable_Width"};
constexpr std::array<const char*, 3> kLabelColourSuffixes{"_Lable_R", "_Lable_G", "_Lable_B"};
constexpr const char* kHiddenByLayout = "hiddenByLayout";

std::optional<QColor> colourOf(const text::LayoutTable& layout, const std::string& red,
                               const std::string& green, const std::string& blue) {
    const auto r = layout.intValue(red), g = layout.intValue(green), b = layout.intValue(blue);
    if (!r || !g || !b)
        return std::nullopt;
    auto channel = [](int value) { return std::clamp(value, 0, 255); };
    return QColor(channel(*r), channel(*g), channel(*b));
}

void setTextColour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        palette.setColor(role, colour);
    widget.setPalette(palette);
}

void setFontSize(QWidget& widget, int pixels) {
    if (pixels <= 0)
        return;
    QFont font = widget.font();
    font.setPixelSize(pixels);
    widget.setFont(font);
}

// Applies the keys of one name (the control's own or its family's).
void applyName(QWidget& widget, const std::string& name, const text::LayoutTable& layout) {
    const auto x = layout.intValue(name + "_X"), y = layout.intValue(name + "_Y");
    if (x || y)
        widget.move(x.value_or(widget.x()), y.value_or(widget.y()));
    const auto w = layout.intValue(name + "_W"), h = layout.intValue(name + "_H");
    const auto labelWidth = layout.intValue(name + "_Lable_Width");
    if (w || h || labelWidth)
        widget.resize(w.value_or(labelWidth.value_or(widget.width())), h.value_or(widget.height()));
    if (const auto size = layout.intValue(name + "_Lable_Size"))
        setFontSize(widget, *size);
    if (const auto colour =
            colourOf(layout, name + "_Lable_R", name + "_Lable_G", name + "_Lable_B"))
        setTextColour(widget, *colour);
    if (const auto enabled = layout.intValue(name + "_Enable")) {
        if (*enabled == 0) {
            widget.setProperty(kHiddenByLayout, true);
            widget.hide();
        } else if (widget.property(kHiddenByLayout).toBool()) {
            widget.setProperty(kHiddenByLayout, false);
            widget.show();
        }
    }
}

void applyGroup(QWidget& widget, const text::LayoutTable& layout) {
    const QString group = widget.property(kTextGroupProperty).toString();
    if (group.isEmpty())
        return;
    const std::string letter = group.toStdString();
    if (const auto size = layout.intValue("Size_" + letter))
        setFontSize(widget, *size);
    const std::string colour = "Color_" + letter;
    if (const auto ink = colourOf(layout, colour + "_R", colour + "_G", colour + "_B"))
        setTextColour(widget, *ink);
}

std::vector<std::string> namesOf(const QWidget& widget) {
    std::vector<std::string> names;
    const QString own = widget.objectName();
    if (own.isEmpty())
        return names;
    names.push_back(own.toStdString());
    if (const QString family = familyNameOf(own); !family.isEmpty())
        names.push_back(family.toStdString());
    return names;
}

std::string lowerCase(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

}  // namespace

void setTextGroup(QWidget& widget, char group) {
    widget.setProperty(kTextGroupProperty, QString(QChar(group)));
}

QString familyNameOf(const QString& objectName) {
    for (const auto& [own, family] : kFamilies) {
        if (objectName == QLatin1String(own))
            return QString::fromLatin1(family);
    }
    static const std::vector<std::pair<QRegularExpression, QString>> numbered = [] {
        std::vector<std::pair<QRegularExpression, QString>> compiled;
        for (const auto& [pattern, family] : kNumberedFamilies)
            compiled.emplace_back(QRegularExpression(QString::fromLatin1(pattern)),
                                  QString::fromLatin1(family));
        return compiled;
    }();
    for (const auto& [pattern, family] : numbered) {
        if (const QRegularExpressionMatch match = pattern.match(objectName); match.hasMatch())
            return family.arg(match.captured(1));
    }
    return {};
}

void applyLayout(QWidget& root, const text::LayoutTable& layout) {
    QList<QWidget*> widgets = root.findChildren<QWidget*>();
    widgets.prepend(&root);
    for (QWidget* widget : widgets) {
        applyGroup(*widget, layout);
        for (const std::string& name : namesOf(*widget))
            applyName(*widget, name, layout);
    }
}

std::vector<std::string> unusedLayoutKeys(const QWidget& root, const text::LayoutTable& layout) {
    std::set<std::string> known;
    for (char group = 'a'; group <= 'l'; ++group) {
        const std::string letter(1, group);
        known.insert("size_" + letter);
        for (const char* channel : {"_r", "_g", "_b"})
            known.insert("color_" + letter + channel);
    }
    QList<const QWidget*> widgets;
    for (const QWidget* widget : root.findChildren<const QWidget*>())
        widgets.push_back(widget);
    widgets.prepend(&root);
    for (const QWidget* widget : widgets) {
        for (const std::string& name : namesOf(*widget)) {
            for (const char* suffix : kPlacementSuffixes)
                known.insert(lowerCase(name + suffix));
            for (const char* suffix : kLabelColourSuffixes)
                known.insert(lowerCase(name + suffix));
        }
    }
    std::vector<std::string> unused;
    for (const std::string& key : layout.keys()) {
        if (!known.count(key))
            unused.push_back(key);
    }
    std::sort(unused.begin(), unused.end());
    return unused;
}

}  // namespace gm::ui
