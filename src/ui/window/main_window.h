#pragma once
// The editor's main window: frameless and skinned, dragged by its top bar, one column of page
// buttons, the page group boxes, the overlays that cover the pages until an image is read, the
// no-device page, and the bottom bar with the whole-image operations and the status line.
// DevTimer polls the session on the window's thread. Handlers guard, call a core operation and
// say its result; views redraw from the workspace and never write to the mouse.

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
#include "ui/skin/picture_prefetch.h"
#include "ui/text/engineering_terms.h"
#include "ui/text/text_table.h"
#include "ui/window/operation_host.h"
#include "ui/window/page_events.h"
#include "ui/window/pages.h"
#include "ui/window/qt_presenter.h"
#include "ui/window/skin_button.h"
#include "ui/window/workspace_bridge.h"

namespace gm::ui {

class SkinFrame;
class NoDevicePage;
class UpdatePage;
class EngineeringOperations;
class StatusTestBoxes;

inline constexpr const char* kWindowCaption = "RDXM4210A Gaming Mouse v1.0";
// How long the first poll waits for the window's first paint.
inline constexpr std::chrono::milliseconds kFirstPaintGrace{100};

class MainWindow final : public QWidget, private OperationHost {
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

    // Shows or hides the engineering page button (the access gesture decides; the screenshot
    // tool asks directly).
    void setEngineeringView(bool shown);

    // How the access code is asked (tests answer without a dialog); nothing when cancelled.
    using PasswordPrompt = std::function<std::optional<std::string>()>;
    void setPasswordPrompt(PasswordPrompt prompt) { askPassword_ = std::move(prompt); }

    // Named after the chip type in the status line: which mouse the editor runs on and why.
    enum class DeviceNote { RealMouse, VirtualMouse, VirtualNoMouse, VirtualNoPermission };
    void setDeviceNote(DeviceNote note);

    // How the file dialogs are asked (tests answer without a dialog). An empty path cancels.
    using FileDialog = ui::FileDialog;
    using FileChooser = std::function<QString(FileDialog)>;
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }
    // How a question before a whole-image write is answered (tests answer without a dialog).
    using Confirmation = std::function<bool(const QString& question)>;
    void setConfirmation(Confirmation confirmation) { confirm_ = std::move(confirmation); }
    // How a colour is chosen (tests answer without the colour dialog).
    using ColourChooser = std::function<std::optional<QColor>(const QColor& initial)>;
    void setColourChooser(ColourChooser chooser) { chooseColour_ = std::move(chooser); }

    // The events the pages refresh on.
    PageEvents& events() override { return events_; }
    // The button and profile-switch values every page shares.
    buttons::ButtonState& buttonState() override { return buttonState_; }

    // The status line's text, uncut: the link state, chip and note, then the last result.
    QString statusText() const;

signals:
    // After every change of the session the window redrew for.
    void sessionRedrawn();
    // Once, after the window's first paint; the window then has its icon.
    void firstPainted();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
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
    void toggleMaximised();
    void runFirstPoll();
    void finishFirstPaint();
    // Shows the fire macro recorder's controls exactly while the access state unlocks them.
    void showFireRecorder();

    void onChange(device::session::ChangeKind kind, int value, const QString& text);
    void redrawSession();
    void refreshStatusLine();

    // OperationHost: what the pages' operation buttons use.
    device::Workspace& workspace() override { return workspace_; }
    bool mouseReady() override;
    std::optional<device::Result> runLiveChange(
        const QString& what, const std::function<device::Result()>& operation) override;
    std::optional<device::Result> runImageChange(
        const QString& what, const std::function<device::Result()>& operation) override;
    void sayResult(const QString& what, const device::Result& result) override;

    // How a failed result is said: a message dialog too, or only the status line.
    enum class Notice { Dialog, StatusLine };
    std::optional<device::Result> run(const QString& what,
                                      const std::function<device::Result()>& operation,
                                      Notice notice);
    void sayResult(const QString& what, const device::Result& result, Notice notice);
    void sayLine(const QString& line, bool failed) override;
    QString chooseFile(FileDialog kind) override;
    bool confirm(const QString& question) override;
    int language() const override;
    std::optional<QColor> chooseColour(const QColor& initial) override;
    QString caption(std::string_view id) const override;
    QString term(int id) const override;
    int termLanguage() const override { return termColumn_ == text::TermColumn::Chinese ? 2 : 1; }
    const image::settings::ProgramSettings& programSettings() const override { return settings_; }

    void saveProfileClicked();
    void loadProfileClicked();

    device::Workspace& workspace_;
    QtPresenter& presenter_;
    text::TextTable& texts_;
    image::settings::ProgramSettings settings_;
    image::settings::EngineeringAccess access_;
    // Read once at start: the engineering page follows the user's locale, not the language.
    text::TermColumn termColumn_;
    PageEvents events_;
    buttons::ButtonState buttonState_;
    WorkspaceBridge bridge_;
    QTimer devTimer_;

    SkinFrame* frame_ = nullptr;
    QLabel* logo_ = nullptr;
    QLabel* title_ = nullptr;
    std::array<SkinButton*, 3> languageButtons_{};
    SkinButton* web_ = nullptr;
    std::array<SkinButton*, 3> chrome_{};  // maximise, minimise, exit
    std::map<Page, SkinButton*> pageButtons_;
    std::map<Page, QRadioButton*> radios_;
    std::map<int, QGroupBox*> groupBoxes_;
    std::array<QWidget*, 5> overlays_{};
    NoDevicePage* noDevice_ = nullptr;
    QWidget* fireRecorderGesture_ = nullptr;
    UpdatePage* updatePage_ = nullptr;
    EngineeringOperations* engineeringOperations_ = nullptr;
    StatusTestBoxes* statusTests_ = nullptr;
    std::array<SkinButton*, 3> confirmButtons_{};
    SkinButton* saveProfile_ = nullptr;
    SkinButton* loadProfile_ = nullptr;
    QLabel* status_ = nullptr;

    // The frame, first page background and mouse, decoded while the pages are built.
    std::unique_ptr<skin::PicturePrefetch> firstPictures_;
    std::map<Page, std::vector<std::function<void()>>> pendingBuilds_;
    Page current_ = Page::Profile1;
    bool polledOnce_ = false;
    // The pages redrew during the operation that runs (a change notification arrived).
    bool modelRefreshed_ = false;
    bool painted_ = false;
    bool firstPollPending_ = false;
    bool maximised_ = false;
    DeviceNote deviceNote_ = DeviceNote::RealMouse;
    QString lastResult_;
    QString statusText_;
    bool lastResultFailed_ = false;
    FileChooser chooseFile_;
    Confirmation confirm_;
    ColourChooser chooseColour_;
    PasswordPrompt askPassword_;
    std::optional<QPoint> dragOffset_;
};

}  // namespace gm::ui
