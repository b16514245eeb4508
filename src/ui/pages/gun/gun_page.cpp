#include "ui/pages/gun/gun_page.h"

#include <QCheckBox>
#include <QPainter>
#include <QRadioButton>

#include "buttons/gun_presets.h"
#include "buttons/key_tables.h"
#include "macros/fire_confirm.h"
#include "settings/led_lighting.h"
#include "ui/host/page_events.h"
#include "ui/host/window_texts.h"
#include "ui/pages/gun/gun_stage_row.h"
#include "ui/pages/keys/check_toggle.h"
#include "ui/pages/widgets/skin_button.h"
#include "ui/skin/page_geometry.h"
#include "ui/skin/skin_catalogue.h"
#include "ui/skin/skin_pictures.h"
#include "ui/skin/style_sheets.h"
#include "ui/text/text_ids.h"

namespace gm::ui {

namespace {

using macros::StageField;

QRect toQRect(const skin::SkinRect& r) {
    return {r.x, r.y, r.width, r.height};
}

// A gun card: its picture, the selected one while checked.
class GunButton final : public QAbstractButton {
public:
    GunButton(int gun, QWidget* parent) : QAbstractButton(parent), gun_(gun) {
        setCheckable(true);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawPixmap(rect(), skin::skinPixmap(skin::gunPictureName(gun_, isChecked())));
    }

private:
    int gun_;
};

constexpr int kFirstStageTop = skin::gun_page::kStageCard.y + 56;
constexpr int kStageRowHeight = 44;

QColor ledColour(const image::ImageModel& model, std::size_t record) {
    const auto at = settings::kUserColoursAddress + 3 * record;
    const auto& vendor = model.copies.vendor;
    return {vendor[at], vendor[at + 1], vendor[at + 2]};
}

}  // namespace

GunPresetPage::GunPresetPage(KeyEditor& editor, QWidget* keyPageBox)
    : QObject(keyPageBox), editor_(editor), host_(editor.host()), keyPageBox_(keyPageBox) {
    connect(&editor_, &KeyEditor::gunPresetsRequested, this, &GunPresetPage::open);
    connect(&host_.events(), &PageEvents::pageShown, this, [this] { close(); });
    connect(&host_.events(), &PageEvents::retranslated, this, [this] {
        if (box_ != nullptr)
            retranslate();
    });
    connect(&host_.events(), &PageEvents::modelChanged, this, [this] {
        if (isOpen())
            refill();
    });
}

void GunPresetPage::build() {
    box_ = new QGroupBox(keyPageBox_->parentWidget());
    box_->setObjectName("gbPage6");
    box_->setStyleSheet(skin::styleSheet(skin::Look::PageBox) +
                        skin::styleSheet(skin::Look::KeySidePanel));
    box_->hide();
    // Drawn over the key page, with the page's own background and cards.
    background_ = new QLabel(box_);
    background_->setScaledContents(true);
    background_->setStyleSheet("background: " + skin::cssColour(skin::colour::kBackground));
    title_ = new QLabel(box_);
    title_->setObjectName("lbl_FireTitle");
    title_->setGeometry(skin::kPageMargin + 12, 12, 400, 32);
    QFont titleFont = title_->font();
    titleFont.setPixelSize(19);
    titleFont.setWeight(QFont::DemiBold);
    title_->setFont(titleFont);
    title_->setStyleSheet("color: " + skin::cssColour(skin::colour::kText));
    for (int g = 0; g < buttons::kGunPresetCount; ++g) {
        auto* gun = new GunButton(g + 1, box_);
        gun->setObjectName(QString("Btn_Fire%1").arg(g + 1));
        gun->setGeometry(toQRect(skin::gun_page::gunSlot(g)));
        connect(gun, &QAbstractButton::clicked, this, [this, g] { selectPreset(g + 1); });
        guns_[g] = gun;
        auto* name = new QLabel(gun);
        name->setGeometry(toQRect(skin::gun_page::kGunCaption));
        name->setAlignment(Qt::AlignCenter);
        name->setAttribute(Qt::WA_TransparentForMouseEvents);
        gunNames_[g] = name;
        radios_[g] = new QRadioButton(box_);
        radios_[g]->setObjectName(QString("rb_Fire%1").arg(g + 1));
        radios_[g]->hide();
    }
    // The column captions over the stage rows.
    const int captionTop = skin::gun_page::kStageCard.y + 16;
    for (int c = 0; c < 7; ++c) {
        captions_[c] = new QLabel(box_);
        captions_[c]->setGeometry(gunStageColumn(c) - 6, captionTop, 92, 28);
        captions_[c]->setAlignment(Qt::AlignCenter);
        captions_[c]->setWordWrap(true);
        captions_[c]->setStyleSheet(skin::styleSheet(skin::Look::MutedText));
    }
    for (std::size_t s = 0; s < rows_.size(); ++s) {
        const int top = kFirstStageTop + static_cast<int>(s) * kStageRowHeight;
        stageNames_[s] = new QLabel(box_);
        stageNames_[s]->setGeometry(skin::gun_page::kStageCard.x + 16, top, 76, 28);
        stageNames_[s]->setStyleSheet(skin::styleSheet(skin::Look::MutedText));
        rows_[s] = new GunStageRow(host_, box_, static_cast<int>(s) + 1, top);
        connect(rows_[s], &GunStageRow::edited, this,
                [this, s](StageField field, int value) { fieldEdited(s, field, value); });
        connect(rows_[s], &GunStageRow::colourChosen, this,
                [this, s](const QColor& colour) { colourChosen(s, colour); });
    }
    const int bottom = skin::gun_page::kStageCard.y + skin::gun_page::kStageCard.height - 52;
    keepLeftBox_ = new QCheckBox(box_);
    keepLeftBox_->setObjectName("cb_FireSelLeft");
    keepLeftBox_->hide();
    keepLeft_ = new CheckToggle(box_);
    keepLeft_->setObjectName("lbl_FireSelLeft");
    keepLeft_->setGeometry(skin::gun_page::kStageCard.x + 16, bottom, 300, 28);
    connect(keepLeft_, &QAbstractButton::clicked, this, [this] {
        keepLeftBox_->setChecked(!keepLeftBox_->isChecked());
        keepLeft_->setOn(keepLeftBox_->isChecked());
    });
    confirm_ = new SkinButton("MacroS", box_);
    confirm_->setObjectName("Btn_FireConfirm");
    exit_ = new SkinButton("MacroS", box_);
    exit_->setObjectName("Btn_FireExit");
    const int right = skin::gun_page::kStageCard.x + skin::gun_page::kStageCard.width - 16;
    exit_->setGeometry(right - skin::kMacroButton.width, bottom, skin::kMacroButton.width,
                       skin::kMacroButton.height);
    confirm_->setGeometry(right - 2 * skin::kMacroButton.width - 12, bottom,
                          skin::kMacroButton.width, skin::kMacroButton.height);
    connect(confirm_, &QAbstractButton::clicked, this, &GunPresetPage::confirm);
    connect(exit_, &QAbstractButton::clicked, this, &GunPresetPage::close);
    retranslate();
}

bool GunPresetPage::isOpen() const {
    return box_ != nullptr && box_->isVisible();
}

void GunPresetPage::retranslate() {
    background_->setPixmap(skin::skinPixmap(
        skin::pageBackgroundName(host_.language(), skin::PageBackground::GunPresets)));
    for (int g = 0; g < buttons::kGunPresetCount; ++g)
        gunNames_[g]->setText(host_.caption(buttons::kGunPresets[g].nameId));
    const std::array<std::string_view, 7> ids{"Str610", "Str611", "Str612", "Str613",
                                              "Str844", "Str845", "Str614"};
    for (std::size_t c = 0; c < ids.size(); ++c)
        captions_[c]->setText(host_.caption(ids[c]));
    for (std::size_t s = 0; s < stageNames_.size(); ++s)
        stageNames_[s]->setText(windowText(WindowText::GunStage, host_.language()).arg(s + 1));
    keepLeft_->setText(host_.caption("Str847"));
    confirm_->setText(host_.caption("Str620"));
    exit_->setText(host_.caption("Str621"));
    title_->setText(host_.caption(text::ids::kFireMacro));
}

void GunPresetPage::open(const MenuTarget& target) {
    // Built on its first opening: few users ever see it, and its pictures cost at start-up.
    if (box_ == nullptr)
        build();
    target_ = target;
    box_->setGeometry(keyPageBox_->geometry());
    background_->setGeometry(box_->rect());
    background_->lower();
    box_->show();
    box_->raise();
    // The offsets come from the User section as the mouse holds it now; only a failed read is
    // said.
    if (host_.mouseReady()) {
        const device::Result read = macros::openGunPresets(host_.workspace());
        if (!read.ok())
            host_.sayRefusal(host_.caption(text::ids::kFireMacro), device::messageOf(read), false);
    }
    selectPreset(1);
}

void GunPresetPage::close() {
    if (!isOpen())
        return;
    box_->hide();
}

int GunPresetPage::stages() const {
    return buttons::gunPresetStages(preset_, host_.programSettings());
}

void GunPresetPage::selectPreset(int preset) {
    preset_ = preset;
    for (int g = 0; g < buttons::kGunPresetCount; ++g) {
        guns_[g]->setChecked(g + 1 == preset);
        radios_[g]->setChecked(g + 1 == preset);
    }
    refill();
}

void GunPresetPage::refill() {
    loading_ = true;
    const image::ImageModel& model = host_.workspace().model();
    const std::size_t first = buttons::gunPreset(preset_)->firstRecord;
    // Rows 2 and 3 belong to presets 6 and 7; each shows as many as the preset plays.
    for (std::size_t s = 0; s < rows_.size(); ++s) {
        const bool used = static_cast<int>(s) < stages();
        rows_[s]->setVisible(used);
        stageNames_[s]->setVisible(used);
        if (!used)
            continue;
        shown_[s] = macros::readStage(model, first + s);
        rows_[s]->show(shown_[s].values, ledColour(model, first + s));
    }
    loading_ = false;
}

void GunPresetPage::fieldEdited(std::size_t stage, StageField field, int value) {
    if (loading_)
        return;
    const int kept = macros::setStageField(host_.workspace().model(), shown_[stage], field, value);
    rows_[stage]->showField(field, kept);
}

void GunPresetPage::colourChosen(std::size_t stage, const QColor& colour) {
    const int led = buttons::ledColourOfRecord(shown_[stage].record);
    const settings::Rgb rgb{static_cast<std::uint8_t>(colour.red()),
                            static_cast<std::uint8_t>(colour.green()),
                            static_cast<std::uint8_t>(colour.blue())};
    host_.runLiveChange(host_.caption("Str614"), [this, led, rgb] {
        return settings::setUserColour(host_.workspace(), led, rgb);
    });
    refill();
}

void GunPresetPage::confirm() {
    close();
    // Leaving with Confirm puts the engineering fire macro editor away.
    if (auto* fireEditor = keyPageBox_->window()->findChild<QWidget*>("GB_FireMacro"))
        fireEditor->hide();
    const macros::GunChoice choice{preset_, keepLeftBox_->isChecked(), target_.key};
    const QString key =
        windowText(WindowText::KeyNumber, host_.language()).arg(target_.key.key + 1);
    const QString name = host_.caption(buttons::gunPreset(preset_)->nameId);
    bool stored = false;
    const auto written = host_.runLiveChange(key + ": " + name, [&] {
        const macros::GunConfirmation done = macros::confirmGunPreset(
            host_.workspace(), editor_.state(), host_.programSettings(), choice);
        stored = done.stored;
        return done.written;
    });
    // On the first and third profiles the key keeps its function: the mouse plays fire macros
    // only from the second.
    if (written && written->ok() && !stored)
        host_.sayLine(windowText(WindowText::FireMacrosOnSecondProfile, host_.language()), false);
}

}  // namespace gm::ui
