#include "ui/pages/widgets/delay_mode_choice.h"

#include "ui/pages/widgets/choice_button.h"
#include "ui/text/text_ids.h"

namespace gm::ui {

namespace {

using macros::DelayMode;
namespace ids = text::ids;

constexpr int kCaptionX = 22;
constexpr int kFieldGap = 8;
constexpr std::array<DelayMode, 3> kModes{DelayMode::Recorded, DelayMode::Fixed, DelayMode::None};
constexpr std::array<const char*, 3> kNames{"RecDelay", "DelayTime", "NoDelay"};
constexpr std::array<std::string_view, 3> kCaptionIds{ids::kRecordDelay, ids::kDefaultDelay,
                                                      ids::kNoDelay};

}  // namespace

DelayModeChoice::DelayModeChoice(OperationHost& host, const QString& prefix, QWidget* parent)
    : QWidget(parent), host_(host) {
    for (std::size_t i = 0; i < kModes.size(); ++i) {
        const int y = static_cast<int>(i) * kRowHeight;
        marks_[i] = new MarkButton(MarkButton::Kind::Radio, this);
        marks_[i]->setObjectName("rb_" + prefix + kNames[i]);
        marks_[i]->move(0, y + (kRowHeight - marks_[i]->height()) / 2);
        captions_[i] = new CaptionButton(this);
        captions_[i]->setObjectName("lbl_" + prefix + kNames[i]);
        captions_[i]->move(kCaptionX, y);
        const DelayMode mode = kModes[i];
        connect(marks_[i], &QAbstractButton::clicked, this, [this, mode] { emit chosen(mode); });
        connect(captions_[i], &QAbstractButton::clicked, this, [this, mode] { emit chosen(mode); });
    }
    retranslate();
    setMode(mode_);
}

void DelayModeChoice::retranslate() {
    for (std::size_t i = 0; i < captions_.size(); ++i) {
        captions_[i]->setText(host_.caption(kCaptionIds[i]));
        captions_[i]->resize(captions_[i]->sizeHint().width(), kRowHeight);
    }
    updateGeometry();
}

void DelayModeChoice::setMode(DelayMode mode) {
    mode_ = mode;
    for (std::size_t i = 0; i < kModes.size(); ++i) {
        marks_[i]->setChecked(kModes[i] == mode);
        captions_[i]->setChecked(kModes[i] == mode);
    }
}

QPoint DelayModeChoice::fieldPosition() const {
    return pos() + QPoint(kCaptionX + captions_[1]->width() + kFieldGap, kRowHeight + 1);
}

QSize DelayModeChoice::sizeHint() const {
    int width = 0;
    for (const CaptionButton* caption : captions_)
        width = std::max(width, kCaptionX + caption->width());
    return {width, static_cast<int>(captions_.size()) * kRowHeight};
}

}  // namespace gm::ui
