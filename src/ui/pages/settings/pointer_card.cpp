#include "ui/pages/settings/pointer_card.h"

#include <QPainter>

#include "ui/host/operation_host.h"
#include "ui/host/window_texts.h"
#include "ui/pages/settings/pointer_notice.h"
#include "ui/skin/page_geometry.h"
#include "ui/skin/skin_palette.h"
#include "ui/skin/style_sheets.h"
#include "ui/text/text_ids.h"

namespace gm::ui {

namespace {

namespace desktop = settings::desktop;

constexpr int kCaptionHeight = 16;
constexpr int kLabelHeight = 12;
constexpr int kNoticeHeight = 30;  // two lines of the small type

// A line count under a wheel bar segment: centred on it, the accent when its level is chosen; a
// click chooses that level as the segment does.
class LineCount final : public QAbstractButton {
public:
    LineCount(int lines, QWidget* parent) : QAbstractButton(parent) {
        setText(QString::number(lines));
        setCheckable(true);
        setFocusPolicy(Qt::NoFocus);
        setCursor(Qt::PointingHandCursor);
        QFont small = font();
        small.setPixelSize(10);
        setFont(small);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (!isEnabled())
            painter.setOpacity(skin::colour::kDisabledOpacity);
        painter.setPen(skin::qColour(isChecked() ? skin::colour::kAccent : skin::colour::kMuted));
        painter.drawText(rect(), Qt::AlignCenter, text());
    }
    void nextCheckState() override {}
};

ValueBar* newBar(const char* prefix, QWidget* card) {
    auto* bar = new ValueBar(desktop::kLevels, ValueBar::Segment::Short, prefix, card);
    bar->setObjectName(QString(prefix) + "Bar");
    return bar;
}

QLabel* newCaption(const char* name, QWidget* card) {
    auto* caption = new QLabel(card);
    caption->setObjectName(name);
    caption->setStyleSheet(skin::styleSheet(skin::Look::MutedText));
    return caption;
}

}  // namespace

PointerCard::PointerCard(OperationHost& host, QWidget* page)
    : PageCard(skin::advanced_page::kPointerCard, "Pnl_Pointer", page),
      host_(host),
      speedCaption_(newCaption("lbl_MovingSpeed", this)),
      speed_(newBar("Img_Spd", this)),
      precision_(new CheckToggle(this)),
      doubleClickCaption_(newCaption("lbl_DoubleClickSpeed", this)),
      doubleClick_(newBar("Img_DbSpd", this)),
      wheelCaption_(newCaption("lbl_RollingSpeed", this)),
      oneScreen_(new CheckToggle(this)),
      wheel_(newBar("Img_ScrSpd", this)),
      notice_(new QLabel(this)) {
    precision_->setObjectName("lbl_IsControl");
    oneScreen_->setObjectName("lbl_IsScreen");
    notice_->setObjectName("lbl_PointerNotice");
    notice_->setStyleSheet(skin::styleSheet(skin::Look::MutedText) +
                           skin::styleSheet(skin::Look::SmallCaption));
    notice_->setWordWrap(true);
    notice_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (int level = 1; level <= desktop::kLevels; ++level) {
        auto* label = new LineCount(level, this);
        label->setObjectName(QString("lbl_ScrSpd%1").arg(level));
        connect(label, &QAbstractButton::clicked, this, [this, level] {
            change([level](auto& s) { return desktop::setWheelLevel(s, level); });
        });
        wheelLabels_[static_cast<std::size_t>(level - 1)] = label;
    }
    connect(speed_, &ValueBar::chosen, this, [this](int level) {
        change([level](auto& s) { return desktop::setSpeedLevel(s, level); });
    });
    connect(doubleClick_, &ValueBar::chosen, this, [this](int level) {
        change([level](auto& s) { return desktop::setDoubleClickLevel(s, level); });
    });
    connect(wheel_, &ValueBar::chosen, this, [this](int level) {
        change([level](auto& s) { return desktop::setWheelLevel(s, level); });
    });
    connect(precision_, &QAbstractButton::clicked, this, [this] {
        change([](auto& s) {
            desktop::setPrecision(s, !s.precision);
            return true;
        });
    });
    connect(oneScreen_, &QAbstractButton::clicked, this, [this] {
        change([](auto& s) {
            desktop::setOneScreen(s, !s.oneScreen);
            return true;
        });
    });
    retranslate();
    refresh();
}

void PointerCard::change(const std::function<bool(desktop::PointerSettings&)>& edit) {
    const auto report = host_.desktopMouse().change(edit);
    refresh();
    if (!report)
        return;
    lastReport_ = report;
    showNotice();
}

void PointerCard::showNotice() {
    const host::desktop_mouse::DesktopMouse& desktop = host_.desktopMouse().desktop();
    const QString text = lastReport_ ? applyNotice(*lastReport_, desktop, host_.language())
                                     : desktopNotice(desktop, host_.language());
    notice_->setText(text);
    // The whole text, should two lines not hold it; without a desktop, why none was found.
    notice_->setToolTip(
        desktop.appliesNothing() ? text + "\n" + QString::fromStdString(desktop.name()) : text);
}

void PointerCard::refresh() {
    const desktop::PointerSettings& settings = host_.desktopMouse().current();
    const ValueBar::Look look =
        host_.programSettings().sliderLevelStyle ? ValueBar::Look::Single : ValueBar::Look::Fill;
    for (ValueBar* bar : {speed_, doubleClick_, wheel_})
        bar->setLook(look);
    speed_->setValue(settings.speedLevel);
    doubleClick_->setValue(settings.doubleClickLevel);
    wheel_->setValue(settings.wheelLevel);
    precision_->setOn(settings.precision);
    oneScreen_->setOn(settings.oneScreen);
    // One screen per notch has no lines to choose: the bar and its counts stay dimmed.
    wheel_->setEnabled(!settings.oneScreen);
    for (int level = 1; level <= desktop::kLevels; ++level) {
        QAbstractButton* label = wheelLabels_[static_cast<std::size_t>(level - 1)];
        label->setEnabled(!settings.oneScreen);
        label->setChecked(level == settings.wheelLevel);
    }
}

void PointerCard::retranslate() {
    setTitle(windowText(WindowText::PointerCard, host_.language()));
    speedCaption_->setText(host_.caption(text::ids::kMovingSpeed));
    precision_->setText(host_.caption(text::ids::kPointerPrecision));
    doubleClickCaption_->setText(host_.caption(text::ids::kDoubleClickSpeed));
    wheelCaption_->setText(host_.caption(text::ids::kRollingSpeed));
    oneScreen_->setText(host_.caption(text::ids::kOneRollAScreen));
    showNotice();
    place();
}

void PointerCard::place() {
    const int inner = width() - 2 * kInset;
    const int barX = kInset - ValueBar::kFocusMargin;
    int y = 44;
    speedCaption_->setGeometry(kInset, y, inner, kCaptionHeight);
    y += kCaptionHeight + 2;
    speed_->move(barX, y);
    y += speed_->height() + 4;
    precision_->setGeometry(kInset, y, inner, precision_->heightForWidth(inner));
    y = precision_->geometry().bottom() + 10;
    doubleClickCaption_->setGeometry(kInset, y, inner, kCaptionHeight);
    y += kCaptionHeight + 2;
    doubleClick_->move(barX, y);
    y += doubleClick_->height() + 10;
    // "Rolling Speed" and its one-screen toggle share a row, the toggle at the right.
    const int toggleWidth = std::min(oneScreen_->sizeHint().width(), inner);
    const int rowHeight = std::max(kCaptionHeight, oneScreen_->sizeHint().height());
    wheelCaption_->setGeometry(kInset, y, inner - toggleWidth - 8, rowHeight);
    oneScreen_->setGeometry(kInset + inner - toggleWidth, y, toggleWidth, rowHeight);
    y += rowHeight + 2;
    wheel_->move(barX, y);
    y += wheel_->height();
    for (int level = 1; level <= desktop::kLevels; ++level) {
        const QRect segment = wheel_->segment(level)->geometry().translated(wheel_->pos());
        wheelLabels_[static_cast<std::size_t>(level - 1)]->setGeometry(segment.center().x() - 10, y,
                                                                       20, kLabelHeight);
    }
    y += kLabelHeight + 6;
    notice_->setGeometry(kInset, y, inner, std::min(kNoticeHeight, height() - y - 4));
}

}  // namespace gm::ui
