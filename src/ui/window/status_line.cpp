#include "ui/window/status_line.h"

#include <QStringList>

#include "image/geometry.h"
#include "ui/host/window_texts.h"
#include "ui/skin/style_sheets.h"
#include "ui/window/layout_loader.h"

namespace gm::ui {

namespace {

const QString kSeparator = QString::fromUtf8(" · ");

}  // namespace

StatusLine::StatusLine(device::Workspace& workspace, QWidget* parent)
    : QLabel(parent), workspace_(workspace) {
    setObjectName("lbl_Status");
    setTextFormat(Qt::RichText);
    setTextGroup(*this, 'D');
}

void StatusLine::setDeviceNote(DeviceNote note) {
    note_ = note;
    refresh(language_);
}

void StatusLine::say(const QString& line, bool failed) {
    lastResult_ = line;
    failed_ = failed;
    refresh(language_);
}

void StatusLine::append(const QString& part) {
    lastResult_ += kSeparator + part;
    refresh(language_);
}

void StatusLine::refresh(int language) {
    language_ = language;
    device::session::Session& session = workspace_.session();
    QString link;
    skin::Rgb dot = skin::colour::kAccent;
    if (session.readBusy()) {
        link = windowText(WindowText::Reading, language);
    } else if (session.hasDevice() && session.imageRead()) {
        link = windowText(WindowText::Connected, language);
    } else {
        link = windowText(WindowText::NoMouse, language);
        dot = skin::colour::kMuted;
    }
    QStringList parts{link};
    if (const auto chip = workspace_.model().chip)
        parts << QString::fromStdString(std::string(image::chipText(*chip)));
    switch (note_) {
        case DeviceNote::RealMouse:
            break;
        case DeviceNote::VirtualMouse:
            parts << windowText(WindowText::VirtualMouse, language);
            break;
        case DeviceNote::VirtualNoMouse:
            parts << windowText(WindowText::VirtualNoMouse, language);
            break;
        case DeviceNote::VirtualNoPermission:
            parts << windowText(WindowText::VirtualNoPermission, language);
            break;
    }
    QString shown = QString("<span style='color:%1'>&#9679;</span> %2")
                        .arg(skin::cssColour(dot), parts.join(kSeparator).toHtmlEscaped());
    if (!lastResult_.isEmpty()) {
        const QString colour =
            skin::cssColour(failed_ ? skin::colour::kRefusal : skin::colour::kText);
        // One line, cut to the status line's width; the whole text is in the tool tip.
        const QString line = fontMetrics().elidedText(lastResult_, Qt::ElideRight, width());
        shown += QString("<br><span style='color:%1'>%2</span>").arg(colour, line.toHtmlEscaped());
    }
    setText(shown);
    text_ = parts.join(kSeparator) + "\n" + lastResult_;
    setToolTip(lastResult_);
}

}  // namespace gm::ui
