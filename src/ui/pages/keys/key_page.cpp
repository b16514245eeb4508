#include "ui/pages/keys/key_page.h"

#include <QPainter>
#include <QPainterPath>

#include "buttons/key_tables.h"
#include "ui/host/operation_host.h"
#include "ui/host/page_events.h"
#include "ui/host/window_texts.h"
#include "ui/pages/keys/key_editor.h"
#include "ui/pages/keys/key_label.h"
#include "ui/pages/keys/key_menu_view.h"
#include "ui/pages/keys/key_side_panel.h"
#include "ui/skin/mouse_geometry.h"
#include "ui/skin/skin_palette.h"
#include "ui/skin/style_sheets.h"

namespace gm::ui {

namespace {

QRect toQRect(const skin::SkinRect& r) {
    return {r.x, r.y, r.width, r.height};
}

// How far a leader line runs level out of its caption before it turns to the button.
constexpr int kLeaderRun = 14;

}  // namespace

KeyPage::KeyPage(KeyEditor& editor, QWidget* box) : QWidget(box), editor_(editor) {
    setObjectName("Pnl_KeyPage");
    setGeometry(0, 0, skin::kUserContent.width, skin::kUserContent.height);
    // The leader lines lie over the mouse picture, the captions over the lines.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    for (const skin::MouseButton& button : skin::kMouseButtons) {
        auto* label = new KeyLabel(button.key, box);
        label->setGeometry(toQRect(skin::key_page::labelSlot(button.labelColumn, button.labelRow)));
        connect(label, &QAbstractButton::clicked, this, [this, label] { labelClicked(label); });
        labels_[static_cast<std::size_t>(button.key - 1)] = label;
    }
    side_ = new KeySidePanel(editor_, box);

    connect(&editor_.menuView(), &KeyMenuView::closed, this, [this] {
        for (KeyLabel* label : labels_)
            label->setChecked(false);
        update();
    });
    connect(&editor_, &KeyEditor::refreshed, this, &KeyPage::refresh);
    connect(&editor_.host().events(), &PageEvents::retranslated, this, &KeyPage::retranslate);
    connect(&editor_.host().events(), &PageEvents::pageShown, this, &KeyPage::pageShown);
    retranslate();
}

void KeyPage::pageShown(Page page) {
    if (!isProfilePage(page))
        return;
    profile_ = profileOf(page);
    editor_.state().userPageProfile = profile_;
    side_->pageShown(page);
    refresh();
}

void KeyPage::refresh() {
    const image::ImageModel& model = editor_.host().workspace().model();
    for (KeyLabel* label : labels_) {
        const buttons::KeyRef key{static_cast<std::size_t>(profile_),
                                  static_cast<std::size_t>(label->key() - 1)};
        label->setText(editor_.profileKeyName(key));
        // The code itself, for a function the editor has no name for.
        label->setToolTip(
            QString::fromStdString(image::codeTextOf(buttons::profileKeyCode(model, key))));
    }
    side_->refresh();
}

void KeyPage::retranslate() {
    const QString heading = windowText(WindowText::KeyHeading, editor_.host().language());
    for (KeyLabel* label : labels_)
        label->setHeading(heading.arg(label->key()));
    side_->retranslate();
    refresh();
}

void KeyPage::labelClicked(KeyLabel* label) {
    for (KeyLabel* other : labels_)
        other->setChecked(other == label);
    update();
    editor_.openMenu(label, {.origin = buttons::MenuOrigin::UserPage,
                             .key = {static_cast<std::size_t>(profile_),
                                     static_cast<std::size_t>(label->key() - 1)},
                             .comboSlot = 0});
}

void KeyPage::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const skin::MouseButton& button : skin::kMouseButtons) {
        const KeyLabel* label = labels_[static_cast<std::size_t>(button.key - 1)];
        const bool lit = label->isChecked();
        const bool left = button.labelColumn == skin::key_page::Column::Left;
        const QRect slot = label->geometry();
        const QPointF start(left ? slot.right() + 1 : slot.left(), slot.center().y() + 0.5);
        const QPointF bend(start.x() + (left ? kLeaderRun : -kLeaderRun), start.y());
        const skin::SkinPoint spot = skin::hotSpotOnPage(button.key);
        const QPointF end(spot.x, spot.y);

        QPainterPath path(start);
        path.lineTo(bend);
        path.lineTo(end);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(
            lit ? skin::qColour(skin::colour::kAccent)
                : skin::qColour(skin::blend(skin::colour::kHairline, skin::colour::kMuted, 0.45)),
            lit ? 1.6 : 1.0));
        painter.drawPath(path);
        painter.setPen(Qt::NoPen);
        painter.setBrush(lit ? skin::qColour(skin::colour::kAccent)
                             : skin::qColour(skin::colour::kMuted));
        painter.drawEllipse(end, lit ? 3.5 : 2.5, lit ? 3.5 : 2.5);
    }
}

}  // namespace gm::ui
