#include "ui/skin/style_sheets.h"

#include <QRegularExpression>
#include <array>
#include <map>

namespace gm::skin {

namespace {

struct LookSheet {
    Look look;
    const char* sheet;
};

// The sheets name colours as @name (a palette colour) or @name/alpha (that colour, translucent).
constexpr LookSheet kSheets[] = {
    {Look::PageBox,
     "QGroupBox { border: none; margin: 0; padding: 0; background: transparent;"
     " color: @text; font-size: 18px; font-weight: 600; }"
     "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
     " left: 24px; top: 16px; }"
     "QTabWidget::pane { border: 1px solid @hairline; border-radius: 8px; background: @panel; }"
     "QTabBar::tab { background: @background; color: @muted; padding: 6px 16px;"
     " border: 1px solid @hairline; border-bottom: none; }"
     "QTabBar::tab:selected { background: @panel; color: @text; border-top: 2px solid @accent; }"},
    {Look::PageOverlay, "background: @background/150;"},
    {Look::Heading, "color: @text; font-size: 20px; font-weight: 600;"},
    {Look::Hint, "color: @muted; font-size: 13px;"},
    {Look::Problem, "color: @accent; font-size: 13px;"},
    {Look::DialogText, "color: @text; font-size: 14px;"},
    {Look::UpdatePath,
     "QLabel { color: @text; background: @background; border: 1px solid @hairline;"
     " border-radius: 6px; padding: 0 10px; font-family: monospace; font-size: 12px; }"
     "QLabel[empty=\"true\"] { color: @muted; }"},
    {Look::BackupsDialog,
     "QDialog { background: @panel; }"
     "QLabel { color: @muted; font-size: 12px; }"
     "QTreeWidget { background: @background; color: @text; border: 1px solid @hairline;"
     " border-radius: 6px; font-size: 13px; outline: 0; show-decoration-selected: 1; }"
     "QTreeWidget::item { height: 26px; }"
     "QTreeWidget::item:selected, QTreeWidget::item:selected:focus"
     " { background: @accent; color: @background; border: none; }"
     "QHeaderView::section { background: @panel; color: @muted; border: none;"
     " border-bottom: 1px solid @hairline; padding: 4px 8px; }"},
    {Look::CardTitle, "color: @text; font-size: 15px; font-weight: 600;"},
    {Look::MutedText, "color: @muted; font-size: 12px;"},
    {Look::ValueText, "color: @text; font-size: 15px; font-weight: 600;"},
    {Look::ValueTextOutOfUse, "color: @outOfUse; font-size: 15px; font-weight: 600;"},
    {Look::CardCombo,
     "QComboBox { color: @text; background: @background; border: 1px solid @hairline;"
     " border-radius: 6px; padding: 2px 8px; }"
     "QComboBox:focus { border-color: @accent; }"
     "QComboBox QAbstractItemView { color: @text; background: @panel;"
     " selection-background-color: @selection; border: 1px solid @hairline; }"},
    {Look::KeySidePanel,
     "QLabel[role=\"title\"] { color: @text; font-size: 14px; font-weight: 600; }"
     "QLabel[role=\"heading\"] { color: @muted; font-size: 11px; }"
     "QLabel[role=\"name\"] { color: @text; font-size: 12px; }"
     "QLabel#lbl_AIMDPIValue { color: @accent; font-size: 13px; font-weight: 600; }"
     "QLabel#lbl_AIMDPIValue[muted=\"true\"] { color: @muted; }"
     "QLineEdit { color: @text; background: @background; border: 1px solid @hairline;"
     " border-radius: 6px; padding: 0 6px; font-size: 13px; font-weight: 600; }"
     "QLineEdit:focus { border-color: @accent; }"},
    {Look::KeySheet,
     "QLabel { color: @muted; font-size: 12px; }"
     "QLabel[role=\"title\"] { color: @text; font-size: 13px; font-weight: 600; }"
     "QPushButton { color: @text; background: @background; border: 1px solid @hairline;"
     " border-radius: 5px; padding: 2px 8px; text-align: left; font-size: 12px; min-height: 20px; }"
     "QPushButton:hover, QPushButton:focus { border-color: @accent; }"
     "QComboBox, QLineEdit { color: @text; background: @background; border: 1px solid @hairline;"
     " border-radius: 5px; padding: 1px 6px; font-size: 12px; min-height: 20px; }"
     "QComboBox:focus, QLineEdit:focus { border-color: @accent; }"
     "QCheckBox { color: @text; font-size: 12px; spacing: 6px; }"
     "QCheckBox::indicator { width: 14px; height: 14px; border: 1px solid @hairline;"
     " border-radius: 4px; background: @background; }"
     "QCheckBox::indicator:checked { background: @accent; border-color: @accent; }"
     "QCheckBox:focus { color: @accent; }"},
    {Look::EngineerSheet,
     "QGroupBox { color: @text; font-size: 13px; font-weight: 600; border: 1px solid @hairline;"
     " border-radius: 8px; margin-top: 10px; padding: 16px 12px 10px 12px; }"
     "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 12px;"
     " top: 0px; padding: 0 4px; }"
     "QLabel { color: @muted; font-size: 12px; font-weight: normal; }"
     "QLineEdit { background: @background; color: @text; border: 1px solid @hairline;"
     " border-radius: 4px; padding: 3px 6px; font-weight: normal; }"
     "QLineEdit:focus { border-color: @accent; }"},
    {Look::StatusTests,
     "QCheckBox { color: @muted; font-size: 12px; font-weight: normal; spacing: 8px; }"
     "QCheckBox::indicator { width: 14px; height: 14px; border: 1px solid @edge;"
     " border-radius: 4px; background: @background; }"
     "QCheckBox::indicator:checked { background: @accent; border-color: @accent; }"
     "QCheckBox:focus { color: @text; }"
     "QCheckBox::indicator:focus { border-color: @accent; }"},
    {Look::SettingsSheet,
     "QGroupBox { color: @text; font-size: 12px; font-weight: 600; border: 1px solid @hairline;"
     " border-radius: 6px; margin-top: 9px; padding: 12px 8px 6px 8px; }"
     "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 10px;"
     " top: 0px; padding: 0 4px; }"
     "QLabel { color: @muted; font-size: 12px; font-weight: normal; }"
     "QLabel[header=\"true\"] { color: @text; }"
     "QCheckBox { color: @text; font-size: 12px; font-weight: normal; }"
     "QCheckBox:focus { color: @accent; }"
     "QLineEdit { background: @background; color: @text; border: 1px solid @hairline;"
     " border-radius: 3px; padding: 1px 4px; font-weight: normal; }"
     "QLineEdit:focus { border-color: @accent; }"
     "QLineEdit:read-only { color: @muted; background: @panel; }"
     "QComboBox { background: @background; color: @text; border: 1px solid @hairline;"
     " border-radius: 3px; padding: 1px 6px; font-weight: normal; font-size: 12px; }"
     "QComboBox:focus { border-color: @accent; }"
     "QComboBox QAbstractItemView { background: @panel; color: @text;"
     " selection-background-color: @accent; selection-color: @background; }"
     "QComboBox:disabled, QLineEdit:disabled { color: @disabled; }"},
    {Look::ImageAreas,
     "QListWidget { background: @background; color: @text; border: 1px solid @hairline;"
     " border-radius: 3px; outline: 0; }"
     "QListWidget::item:selected { background: @accent; color: @background; }"},
    {Look::ImageBytes,
     "QPlainTextEdit { background: @background; color: @text; border: 1px solid @hairline;"
     " border-radius: 3px; }"
     "QScrollBar:vertical { background: @background; width: 10px; margin: 0; }"
     "QScrollBar::handle:vertical { background: @edge; border-radius: 4px; min-height: 24px; }"
     "QScrollBar::add-line, QScrollBar::sub-line { height: 0; width: 0; }"
     "QScrollBar::add-page, QScrollBar::sub-page { background: none; }"},
    {Look::ChecksumMatch, "color: @muted;"},
    {Look::ChecksumMismatch, "color: @refusal;"},
    {Look::SmallCaption, "font-size: 11px;"},
    {Look::SmallDialog,
     "QLabel { color: @text; font-size: 15px; font-weight: 600; background: transparent; }"
     "QLineEdit { color: @text; background: @background; border: 1px solid @hairline;"
     " border-radius: 6px; padding: 0 10px; font-size: 14px; }"
     "QLineEdit:focus { border-color: @accent; }"},
    {Look::MacroPage,
     "QListWidget { background: @background/120; color: @text; border: 1px solid @hairline;"
     " border-radius: 8px; outline: 0; padding: 4px; font-size: 13px; }"
     "QListWidget::item { height: 28px; padding-left: 8px; border-radius: 6px; }"
     "QListWidget::item:hover { background: @hover; }"
     "QListWidget::item:selected { background: @selection; color: @text; }"
     "QListWidget#LB_macro::item:selected { background: @hover; }"
     "QListWidget:disabled { color: @disabled; }"
     "QLabel { color: @muted; font-size: 12px; background: transparent; }"
     "QLineEdit, QComboBox { color: @text; background: @background; border: 1px solid @hairline;"
     " border-radius: 5px; padding: 1px 6px; font-size: 12px;"
     " selection-background-color: @selection; }"
     "QLineEdit:focus, QComboBox:focus { border-color: @accent; }"
     "QLineEdit:disabled, QComboBox:disabled { color: @disabled; }"
     "QComboBox::drop-down { border: none; width: 18px; }"
     "QComboBox QAbstractItemView { background: @panel; color: @text; border: 1px solid"
     " @hairline; selection-background-color: @selection; }"
     "QScrollBar:vertical { background: transparent; width: 8px; margin: 2px; }"
     "QScrollBar::handle:vertical { background: @edge; border-radius: 3px; min-height: 24px; }"
     "QScrollBar::add-line, QScrollBar::sub-line { height: 0; width: 0; }"
     "QScrollBar::add-page, QScrollBar::sub-page { background: none; }"},
    {Look::StandardDialog,
     "QDialog, QMenu { background: @panel; color: @text; font-size: 13px; }"
     "QLabel, QCheckBox, QRadioButton { color: @text; background: transparent; }"
     "QMenu { border: 1px solid @hairline; padding: 4px; }"
     "QMenu::item { padding: 5px 24px 5px 16px; border-radius: 4px; }"
     "QMenu::item:selected { background: @selection; }"
     "QMenu::separator { height: 1px; background: @hairline; margin: 4px 8px; }"
     "QLineEdit, QComboBox, QSpinBox, QAbstractItemView { color: @text; background: @background;"
     " border: 1px solid @hairline; border-radius: 5px; padding: 2px 6px;"
     " selection-background-color: @selection; selection-color: @text; }"
     "QLineEdit:focus, QComboBox:focus, QSpinBox:focus, QAbstractItemView:focus"
     " { border-color: @accent; }"
     "QComboBox QAbstractItemView { background: @panel; }"
     "QHeaderView::section { background: @panel; color: @muted; border: none;"
     " border-bottom: 1px solid @hairline; padding: 4px 8px; }"
     "QPushButton { color: @text; background: @background; border: 1px solid @hairline;"
     " border-radius: 6px; padding: 5px 16px; min-width: 64px; }"
     "QPushButton:hover { background: @hover; }"
     "QPushButton:focus, QPushButton:default { border-color: @accent; }"
     "QPushButton:disabled, QLabel:disabled { color: @disabled; }"
     "QToolButton { color: @text; background: transparent; border: 1px solid transparent;"
     " border-radius: 4px; padding: 2px; }"
     "QToolButton:hover, QToolButton:focus { border-color: @accent; }"
     "QScrollBar { background: @background; width: 10px; height: 10px; margin: 0; }"
     "QScrollBar::handle { background: @edge; border-radius: 4px; min-height: 24px;"
     " min-width: 24px; }"
     "QScrollBar::add-line, QScrollBar::sub-line { height: 0; width: 0; }"
     "QScrollBar::add-page, QScrollBar::sub-page { background: none; }"},
};

const std::map<QString, Rgb>& paletteNames() {
    static const std::map<QString, Rgb> names{
        {"text", colour::kText},
        {"muted", colour::kMuted},
        {"accent", colour::kAccent},
        {"panel", colour::kPanel},
        {"background", colour::kBackground},
        {"hairline", colour::kHairline},
        {"edge", colour::kEdge},
        {"refusal", colour::kRefusal},
        {"disabled", colour::kDisabledText},
        {"outOfUse", colour::kOutOfUseText},
        {"selection", colour::kSelection},
        {"hover", colour::kPanelHover},
    };
    return names;
}

// Replaces every @name and @name/alpha of `sheet` by the palette's colour.
QString withPalette(const QString& sheet) {
    static const QRegularExpression name(QStringLiteral("@([A-Za-z]+)(?:/([0-9]+))?"));
    QString filled;
    qsizetype done = 0;
    for (auto match = name.globalMatch(sheet); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        filled += sheet.mid(done, found.capturedStart() - done);
        const Rgb rgb = paletteNames().at(found.captured(1));
        filled += found.captured(2).isEmpty() ? cssColour(rgb)
                                              : QString("rgba(%1, %2, %3, %4)")
                                                    .arg(redOf(rgb))
                                                    .arg(greenOf(rgb))
                                                    .arg(blueOf(rgb))
                                                    .arg(found.captured(2));
        done = found.capturedEnd();
    }
    return filled + sheet.mid(done);
}

}  // namespace

const QString& styleSheet(Look look) {
    static const std::map<Look, QString> filled = [] {
        std::map<Look, QString> sheets;
        for (const LookSheet& entry : kSheets)
            sheets.emplace(entry.look, withPalette(QString::fromUtf8(entry.sheet)));
        return sheets;
    }();
    return filled.at(look);
}

QColor qColour(Rgb colour) {
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

QString cssColour(Rgb colour) {
    return QString("#%1").arg(colour, 6, 16, QChar('0')).toUpper();
}

QString swatchStyle(const QColor& fill) {
    return QString("background: rgb(%1, %2, %3); border: 1px solid %4; border-radius: 3px;")
        .arg(fill.red())
        .arg(fill.green())
        .arg(fill.blue())
        .arg(cssColour(colour::kHairline));
}

QString liftedRowStyle(const QString& objectName) {
    return "#" + objectName + withPalette(" { background: @accent/18; border-radius: 8px; }");
}

}  // namespace gm::skin
