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

void StatusLine::setActiveProfile(const QString& name) {
    activeProfile_ = name;
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

void StatusLine::refresh(int language) {
    language_ = language;
    device::session::Session& session = workspace_.session();
    QString link;
    skin::Rgb dot = skin::colour::kAccent;
    if (session.readBusy()) {
        link = windowText(WindowText::Reading, language);
    } else if (session.hasDevice() && session.imageRead()) {
        // Connected and read: the green dot says so, and the line names the active profile.
        link =
            activeProfile_.isEmpty() ? windowText(WindowText::Connected, language) : activeProfile_;
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
    // Each line is cut to the status line's width with an ellipsis; the tool tip holds it all.
    const QString dotted = QString::fromUtf8("\u25CF ");
    const QString state = fontMetrics().elidedText(
        parts.join(kSeparator), Qt::ElideRight, width() - fontMetrics().horizontalAdvance(dotted));
    QString shown = QString("<span style='color:%1'>&#9679;</span> %2")
                        .arg(skin::cssColour(dot), state.toHtmlEscaped());
    if (!lastResult_.isEmpty()) {
        const QString colour =
            skin::cssColour(failed_ ? skin::colour::kRefusal : skin::colour::kText);
        const QString line = fontMetrics().elidedText(lastResult_, Qt::ElideRight, width());
        shown += QString("<br><span style='color:%1'>%2</span>").arg(colour, line.toHtmlEscaped());
    }
    setText(shown);
    text_ = parts.join(kSeparator) + "\n" + lastResult_;
    setToolTip(text_.trimmed());
}

}  // namespace gm::ui
