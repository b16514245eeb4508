#pragma once
// The editor's main window: the skinned frame, one column of page buttons, the page group boxes,
// the overlays that cover the pages until an image is read, the no-device page, and the bottom
// bar with the whole-image operations and the status line. DevTimer polls the session on the
// window's thread. The pages run their operations through the window's host (WindowHost) and
// redraw from the workspace; they never write to the mouse themselves.

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "device/result.h"
#include "device/session/changes.h"
#include "device/session/workspace.h"
#include "image/settings/engineering_access.h"
#include "image/settings/program_settings.h"
#include "ui/host/pages.h"
#include "ui/pages/widgets/skin_button.h"
#include "ui/skin/picture_prefetch.h"
#include "ui/text/text_table.h"
#include "ui/window/qt_presenter.h"
#include "ui/window/status_line.h"
#include "ui/window/window_host.h"
#include "ui/window/workspace_bridge.h"

namespace gm::ui {

class SkinFrame;
class NoDevicePage;
class UpdatePage;

inline constexpr const char* kWindowCaption = "RDXM4210A Gaming Mouse v1.0";
// How long the first poll waits for the window's first paint.
inline constexpr std::chrono::milliseconds kFirstPaintGrace{100};

class MainWindow final : public QWidget {
    Q_OBJECT
public:
    MainWindow(device::Workspace& workspace, QtPresenter& presenter, text::TextTable& texts,
               const image::settings::ProgramSettings& settings, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Starts DevTimer; the first poll runs once the window has painted (a hidden window: after
    // kFirstPaintGrace).
    void startPolling();

    // A page button's click with its guards (the same path a click takes).
    void pageButtonClicked(Page page);
    // Shows `page` as its button does, without writing anything to the mouse.
    void showPage(Page page);
    Page currentPage() const { return current_; }

    // Language 1..3: every caption is looked up again; the page stays.
    void setLanguage(int language);
    int language() const { return host_.language(); }

    // Shows or hides the engineering page button (the access gesture decides; the screenshot
    // tool asks directly).
    void setEngineeringView(bool shown);

    // How the access code is asked (tests answer without a dialog); nothing when cancelled.
    using PasswordPrompt = std::function<std::optional<std::string>()>;
    void setPasswordPrompt(PasswordPrompt prompt) { askPassword_ = std::move(prompt); }

    // Named after the chip type in the status line: which mouse the editor runs on and why.
    using DeviceNote = StatusLine::DeviceNote;
    void setDeviceNote(DeviceNote note) { status_->setDeviceNote(note); }

    // How the file dialogs, the questions before a whole-image write and the colour dialog are
    // answered (tests answer without a dialog). An empty path cancels.
    using FileDialog = ui::FileDialog;
    void setFileChooser(WindowHost::FileChooser chooser) {
        host_.setFileChooser(std::move(chooser));
    }
    void setConfirmation(WindowHost::Confirmation confirmation) {
        host_.setConfirmation(std::move(confirmation));
    }
    void setColourChooser(WindowHost::ColourChooser chooser) {
        host_.setColourChooser(std::move(chooser));
    }

    // The macro file of the PC macro list, read now (made when missing). A file of the wrong
    // size is said once, in a message.
    void useMacroFile(const std::filesystem::path& path);
    // The desktop the Pointer card applies to (WindowHost::setDesktopMouse); before the Advanced
    // page is first shown.
    void setDesktopMouse(host::desktop_mouse::DesktopMouseSettings& settings) {
        host_.setDesktopMouse(settings);
    }

    // The events the pages refresh on.
    PageEvents& events() { return host_.events(); }
    // The button and profile-switch values every page shares.
    buttons::ButtonState& buttonState() { return host_.buttonState(); }

    // The status line's text, uncut: the link state, chip and note, then the last result.
    QString statusText() const { return status_->wholeText(); }

signals:
    // After every change of the session the window redrew for.
    void sessionRedrawn();
    // Once, after the window's first paint; the window then has its icon.
    void firstPainted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTopBar();
    void buildPageColumn();
    void buildPages();
    void buildBottomBar();
    void placeFrame();
    void placeBars(skin::SkinSize size);
    void retranslate();
    void applyPage(Page page);
    // Runs `build` just before `page` is shown for the first time.
    void buildWhenFirstShown(Page page, std::function<void()> build);
    void runFirstPoll();
    void finishFirstPaint();
    // Shows the fire macro recorder's controls exactly while the access state unlocks them.
    void showFireRecorder();

    void onChange(device::session::ChangeKind kind, int value, const QString& text);
    void redrawSession();
    // The window's title and the title bar's caption name the chip of the mouse it edits.
    void retitle();
    QString caption(std::string_view id) const { return host_.caption(id); }

    void saveProfileClicked();
    void loadProfileClicked();

    device::Workspace& workspace_;
    QtPresenter& presenter_;
    text::TextTable& texts_;
    image::settings::ProgramSettings settings_;
    image::settings::EngineeringAccess access_;
    WindowHost host_;
    WorkspaceBridge bridge_;
    QTimer devTimer_;

    SkinFrame* frame_ = nullptr;
    QLabel* logo_ = nullptr;
    QLabel* title_ = nullptr;
    std::array<SkinButton*, 3> languageButtons_{};
    // The chip of the connected mouse ("4210A", "4230A"); empty until one is identified.
    QString chip_;
    SkinButton* web_ = nullptr;
    std::array<SkinButton*, 3> chrome_{};  // maximise, minimise, exit
    std::map<Page, SkinButton*> pageButtons_;
    std::map<Page, QRadioButton*> radios_;
    std::map<int, QGroupBox*> groupBoxes_;
    std::array<QWidget*, 5> overlays_{};
    NoDevicePage* noDevice_ = nullptr;
    QWidget* fireRecorderGesture_ = nullptr;
    UpdatePage* updatePage_ = nullptr;
    std::array<SkinButton*, 3> confirmButtons_{};
    SkinButton* saveProfile_ = nullptr;
    SkinButton* loadProfile_ = nullptr;
    StatusLine* status_ = nullptr;

    // The frame, first page background and mouse, decoded while the pages are built.
    std::unique_ptr<skin::PicturePrefetch> firstPictures_;
    std::map<Page, std::vector<std::function<void()>>> pendingBuilds_;
    Page current_ = Page::Profile1;
    bool polledOnce_ = false;
    bool painted_ = false;
    bool firstPollPending_ = false;
    PasswordPrompt askPassword_;
};

}  // namespace gm::ui
