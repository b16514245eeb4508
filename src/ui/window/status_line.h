#pragma once
// The status line of the bottom bar (lbl_Status): the link state, the chip type, which mouse the
// editor runs on and its active profile, then the last operation's result, red when it failed.
// Each line is cut to the line's width with an ellipsis; the tool tip holds the whole text.

#include <QLabel>
#include <QString>

#include "device/session/workspace.h"

namespace gm::ui {

class StatusLine final : public QLabel {
    Q_OBJECT
public:
    // Named after the chip type: which mouse the editor runs on and why.
    enum class DeviceNote { RealMouse, VirtualMouse, VirtualNoMouse, VirtualNoPermission };

    StatusLine(device::Workspace& workspace, QWidget* parent);

    void setDeviceNote(DeviceNote note);
    // The name of the profile the mouse has active; empty before a read. Shown from the next
    // refresh.
    void setActiveProfile(const QString& name);
    // The last result's line; `failed` colours it as a refusal.
    void say(const QString& line, bool failed);
    // Draws the line again for the session's state in `language`.
    void refresh(int language);
    // The whole text, uncut: the link state, chip and note, then the last result.
    QString wholeText() const { return text_; }

private:
    device::Workspace& workspace_;
    DeviceNote note_ = DeviceNote::RealMouse;
    QString activeProfile_;
    QString lastResult_;
    bool failed_ = false;
    int language_ = 1;
    QString text_;
};

}  // namespace gm::ui
