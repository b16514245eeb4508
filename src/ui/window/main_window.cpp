#include "ui/window/main_window.h"

#include <QGuiApplication>
#include <QInputDialog>
#include <QPainter>
#include <QRegularExpression>

#include "settings/profile_colours.h"
#include "settings/profile_page.h"
#include "ui/host/window_texts.h"
#include "ui/pages/engineering/engineering_page.h"
#include "ui/pages/keys/key_pages.h"
#include "ui/pages/macros/macro_page.h"
#include "ui/pages/settings/settings_pages.h"
#include "ui/skin/frame_geometry.h"
#include "ui/skin/page_geometry.h"
#include "ui/skin/skin_catalogue.h"
#include "ui/skin/skin_pictures.h"
#include "ui/skin/style_sheets.h"
#include "ui/text/text_ids.h"
#include "ui/window/layout_loader.h"
#include "ui/window/no_device_page.h"
#include "ui/window/skin_frame.h"
#include "ui/window/skin_picture_label.h"
#include "ui/window/update_page.h"

namespace gm::ui {

namespace {

using device::session::ChangeKind;

QRect toQRect(const skin::SkinRect& r) {
    return {r.x, r.y, r.width, r.height};
}

std::optional<std::string> passwordDialog(QWidget* parent, int language) {
    QInputDialog dialog(parent);
    dialog.setObjectName("dlgPass");
    dialog.setTextEchoMode(QLineEdit::Password);
    dialog.setLabelText(windowText(WindowText::Password, language));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue().toStdString();
}

}  // namespace

MainWindow::MainWindow(device::Workspace& workspace, QtPresenter& presenter, text::TextTable& texts,
                       const image::settings::ProgramSettings& settings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      workspace_(workspace),
      presenter_(presenter),
      texts_(texts),
      settings_(settings),
      access_([this] { return askPassword_ ? askPassword_() : passwordDialog(this, language()); }),
      host_(workspace, presenter, texts, settings_, *this, [this] { redrawSession(); }),
      bridge_(workspace) {
    firstPictures_ = std::make_unique<skin::PicturePrefetch>(std::vector<std::string>{
        skin::windowBackgroundName(language()),
        skin::pageBackgroundName(language(), pageInfo(Page::Profile1).background), "Mouse",
        "AppIcon"});
    setObjectName("MainForm");
    setAttribute(Qt::WA_TranslucentBackground);
    frame_ = new SkinFrame(this);
    buildTopBar();
    buildPageColumn();
    buildPages();
    buildBottomBar();
    presenter_.setWindow(this);

    devTimer_.setObjectName("DevTimer");
    const auto interval =
        std::chrono::duration_cast<std::chrono::milliseconds>(workspace_.timing().pollInterval);
    devTimer_.setInterval(std::max<int>(1, static_cast<int>(interval.count())));
    connect(&devTimer_, &QTimer::timeout, this, [this] {
        if (workspace_.session().pollEnabled())
            workspace_.session().poll();
        polledOnce_ = true;
        redrawSession();
    });
    connect(&bridge_, &WorkspaceBridge::changed, this, &MainWindow::onChange);

    resize(skin::kUserWindow.width, skin::kUserWindow.height);
    retranslate();
    applyPage(Page::Profile1);
    redrawSession();
    workspace_.session().startListener();
}

MainWindow::~MainWindow() {
    // Hiding moves the focus out of a field being edited, whose handler uses the pages and the
    // host: let it run while they are still there, as a closed window does.
    hide();
    devTimer_.stop();
    workspace_.session().stopListener();
    // A recording still running ends before its editor goes.
    host_.inputCapture().stop();
}

void MainWindow::useMacroFile(const std::filesystem::path& path) {
    const device::Result loaded = host_.useMacroFile(path);
    for (const device::Message& note : loaded.notes)
        presenter_.showMessage(note);
    if (!loaded.ok())
        presenter_.showMessage(device::messageOf(loaded));
}

void MainWindow::startPolling() {
    devTimer_.start();
    // The first poll waits for the population to settle, pumping events in steps: run it after
    // the window has painted once, so the window shows at once. A window that is never painted
    // (hidden) polls after a short grace.
    firstPollPending_ = true;
    QTimer::singleShot(painted_ ? std::chrono::milliseconds{0} : kFirstPaintGrace, this,
                       &MainWindow::runFirstPoll);
}

void MainWindow::finishFirstPaint() {
    // The prefetch decoded the icon with the first pictures; the window needs it only now.
    setWindowIcon(skin::skinPixmap("AppIcon"));
    firstPictures_.reset();
    emit firstPainted();
    runFirstPoll();
}

void MainWindow::runFirstPoll() {
    if (!firstPollPending_)
        return;
    firstPollPending_ = false;
    workspace_.session().poll();
    polledOnce_ = true;
    redrawSession();
}

// --- Building ---

void MainWindow::buildTopBar() {
    logo_ = new QLabel(frame_);
    logo_->setObjectName("Img_Logo");
    logo_->setPixmap(skin::skinPixmap("Logo"));
    logo_->setGeometry(toQRect(skin::kLogoSlot));
    logo_->installEventFilter(this);

    title_ = new QLabel(frame_);
    title_->setObjectName("lbl_Title");
    setTextGroup(*title_, 'A');
    QFont titleFont = title_->font();
    titleFont.setWeight(QFont::DemiBold);
    title_->setFont(titleFont);
    title_->setAttribute(Qt::WA_TransparentForMouseEvents);

    // Languages 1 and 3 are both English; the third names no product in its title.
    const std::array<const char*, 3> captions{"EN", "中文", "EN·N"};
    const std::array<const char*, 3> tooltips{"English", "中文", "English, neutral title"};
    for (int i = 0; i < 3; ++i) {
        auto* button = new SkinButton("LangS", frame_);
        button->setObjectName(QString("Btn_Lang%1").arg(i + 1));
        button->setText(QString::fromUtf8(captions[i]));
        button->setToolTip(QString::fromUtf8(tooltips[i]));
        button->setCheckable(true);
        connect(button, &QAbstractButton::clicked, this, [this, i] { setLanguage(i + 1); });
        languageButtons_[i] = button;
    }

    web_ = new SkinButton("WebS", frame_);
    web_->setObjectName("Btn_Web");
    web_->setVisible(settings_.webEnabled);

    const std::array<const char*, 3> names{"Btn_Maximize", "Btn_Mini_1", "Btn_Exit_1"};
    const std::array<const char*, 3> bases{"", "MiniS", "ExitS"};
    for (int i = 0; i < 3; ++i) {
        chrome_[i] = new SkinButton(bases[i], frame_);
        chrome_[i]->setObjectName(names[i]);
    }
    // Minimise and exit carry their glyphs in their pictures; maximise draws its own.
    chrome_[0]->setGlyph(SkinButton::Glyph::Maximise);
    connect(chrome_[0], &QAbstractButton::clicked, frame_, &SkinFrame::toggleMaximised);
    connect(chrome_[1], &QAbstractButton::clicked, this, &QWidget::showMinimized);
    connect(chrome_[2], &QAbstractButton::clicked, this, &QWidget::close);
}

void MainWindow::buildPageColumn() {
    int row = 0;
    for (const PageInfo& info : kPages) {
        auto* button = new SkinButton("SetS", frame_);
        button->setObjectName(QString::fromUtf8(info.button.data(), info.button.size()));
        button->setCheckable(true);
        button->setCaptionLayout(Qt::AlignLeft, 22);
        setTextGroup(*button, 'B');
        button->setGeometry(toQRect(skin::pageButtonSlot(row++)));
        connect(button, &QAbstractButton::clicked, this, [this, button, page = info.page] {
            // The button shows the current page, not the click.
            button->setChecked(current_ == page);
            pageButtonClicked(page);
        });
        pageButtons_[info.page] = button;

        // The current page's holder; never seen, read by the refreshes.
        auto* radio = new QRadioButton(frame_);
        radio->setObjectName(QString::fromUtf8(info.radio.data(), info.radio.size()));
        radio->hide();
        radios_[info.page] = radio;
    }
    pageButtons_[Page::Engineering]->hide();
}

void MainWindow::buildPages() {
    for (int number : kGroupBoxes) {
        auto* box = new QGroupBox(frame_);
        box->setObjectName(QString("gbPage%1").arg(number));
        box->setStyleSheet(skin::styleSheet(skin::Look::PageBox));
        box->hide();
        groupBoxes_[number] = box;
    }
    // The pictures of the pages that are drawn already: the mouse.
    auto* mouse = new SkinPictureLabel("Mouse", groupBoxes_[1]);
    mouse->setObjectName("Img_Mouse");
    mouse->setGeometry(toQRect(skin::key_page::kMouse));
    // The update page's background answers the fire macro recorder's access gesture.
    fireRecorderGesture_ = new QWidget(groupBoxes_[5]);
    fireRecorderGesture_->setObjectName("Img_Base_6");
    fireRecorderGesture_->setGeometry(0, 0, skin::kUserContent.width, skin::kUserContent.height);
    fireRecorderGesture_->installEventFilter(this);
    // Pages not shown at start are built on their first showing.
    buildWhenFirstShown(Page::Update, [this] {
        auto* banner = new SkinPictureLabel("Update", groupBoxes_[5]);
        banner->setObjectName("Img_Update");
        banner->setGeometry(toQRect(skin::update_page::kBanner));
        updatePage_ = new UpdatePage(host_, groupBoxes_[5]);
    });
    buildWhenFirstShown(Page::Advanced, [this] { buildAdvancedPage(host_, groupBoxes_[2]); });
    buildWhenFirstShown(Page::Light, [this] { buildLightPage(host_, groupBoxes_[3]); });
    buildWhenFirstShown(Page::Macro, [this] { buildMacroPage(host_, groupBoxes_[4]); });
    // The key page now; its engineering sheet with the rest of the engineering page.
    SheetBuilder keySheet = buildKeyPages(host_, groupBoxes_[1]);
    buildWhenFirstShown(Page::Engineering,
                        buildEngineeringPage(host_, *groupBoxes_[7], {std::move(keySheet)}));

    for (int i = 0; i < 5; ++i) {
        // Covers page i + 1 until an image is read; clicks on it go nowhere.
        auto* overlay = new QWidget(groupBoxes_[i + 1]);
        overlay->setObjectName(QString("Disable_All_%1").arg(i + 1));
        overlay->setAttribute(Qt::WA_StyledBackground);
        overlay->setStyleSheet(skin::styleSheet(skin::Look::PageOverlay));
        overlays_[i] = overlay;
    }
    noDevice_ = new NoDevicePage(frame_);
    noDevice_->hide();
}

// --- Geometry ---

void MainWindow::placeBars(skin::SkinSize size) {
    title_->setGeometry(skin::kTitleOrigin.x, 0, 400, skin::kTopBarHeight);
    for (int i = 0; i < 3; ++i) {
        languageButtons_[i]->setGeometry(toQRect(skin::languageButtonSlot(size, i)));
        chrome_[i]->setGeometry(toQRect(skin::chromeButtonSlot(size, i)));
    }
    const QRect firstLanguage = languageButtons_[0]->geometry();
    web_->setGeometry(firstLanguage.x() - skin::kChromeButton.width - skin::kFrameMargin,
                      (skin::kTopBarHeight - skin::kChromeButton.height) / 2,
                      skin::kChromeButton.width, skin::kChromeButton.height);
    for (int i = 0; i < 3; ++i)
        confirmButtons_[i]->setGeometry(toQRect(skin::bottomLeftButtonSlot(size, i)));
    saveProfile_->setGeometry(toQRect(skin::bottomRightButtonSlot(size, 0)));
    loadProfile_->setGeometry(toQRect(skin::bottomRightButtonSlot(size, 1)));
    status_->setGeometry(toQRect(skin::statusLineRect(size)));

    const QRect content = toQRect(skin::contentRect(size));
    for (auto& [number, box] : groupBoxes_)
        box->setGeometry(content);
    for (QWidget* overlay : overlays_)
        overlay->setGeometry(0, skin::kPageTitleHeight, content.width(),
                             content.height() - skin::kPageTitleHeight);
    noDevice_->setGeometry(content);
}

void MainWindow::placeFrame() {
    const QSize frameSize = frame_->size();
    frame_->move((width() - frameSize.width()) / 2, (height() - frameSize.height()) / 2);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeFrame();
}

void MainWindow::paintEvent(QPaintEvent*) {
    if (!painted_) {
        painted_ = true;
        QTimer::singleShot(0, this, &MainWindow::finishFirstPaint);
    }
    // Around the skinned frame (maximised): the window's background colour.
    if (frame_->size() == size())
        return;
    QPainter painter(this);
    painter.fillRect(rect(), skin::qColour(skin::colour::kBackground));
}

// --- The access gestures ---

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == logo_ && event->type() == QEvent::MouseButtonDblClick) {
        setEngineeringView(access_.logoDoubleClicked().engineeringView);
        return true;
    }
    if (watched == fireRecorderGesture_ && event->type() == QEvent::MouseButtonDblClick) {
        access_.fireRecorderDoubleClicked();
        showFireRecorder();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::setEngineeringView(bool shown) {
    pageButtons_[Page::Engineering]->setVisible(shown);
    if (!shown && current_ == Page::Engineering)
        applyPage(Page::Profile1);
}

void MainWindow::showFireRecorder() {
    // The recorder's controls, wherever the fire macro page puts them.
    const bool shown = access_.visibility().fireRecorder;
    for (const char* name : {"GB_FireMacro", "Btn_FireStart", "Img_FireStart", "LB_FireMacroName",
                             "LB_FireMacro", "GB_FireDelay", "Img_FireDelay"}) {
        if (auto* control = findChild<QWidget*>(name))
            control->setVisible(shown);
    }
}

// --- Texts ---

void MainWindow::setLanguage(int number) {
    const auto chosen = text::languageFromNumber(number);
    if (!chosen)
        return;
    texts_.setLanguage(*chosen);
    retranslate();
    // The page stays; the error page shows nothing (RefreshAPPage).
    applyPage(current_);
    redrawSession();
    emit host_.events().retranslated();
}

void MainWindow::retranslate() {
    QFont font = QGuiApplication::font();
    font.setPixelSize(13);
    const QString family = QString::fromStdString(texts_.fontName());
    if (!family.isEmpty())
        font.setFamilies({family, font.family()});
    setFont(font);
    retitle();
    for (int i = 0; i < 3; ++i)
        languageButtons_[i]->setChecked(language() == i + 1);
    for (const PageInfo& info : kPages) {
        pageButtons_[info.page]->setText(caption(info.caption));
        if (info.page != Page::Profile2 && info.page != Page::Profile3)
            groupBoxes_[info.groupBox]->setTitle(caption(info.caption));
    }
    const std::array<std::string_view, 3> confirms{text::ids::kReset, text::ids::kConfirm2,
                                                   text::ids::kConfirm3};
    for (int i = 0; i < 3; ++i)
        confirmButtons_[i]->setText(caption(confirms[i]));
    saveProfile_->setText(caption(text::ids::kSaveProfile));
    loadProfile_->setText(caption(text::ids::kLoadProfile));
    if (updatePage_ != nullptr)
        updatePage_->retranslate();
    applyLayout(*this, text::LayoutTable::builtIn(texts_.language()));
}

// --- Pages ---

void MainWindow::pageButtonClicked(Page page) {
    if (!host_.mouseReady() || (isProfilePage(page) && workspace_.session().readBusy()))
        return;
    if (isProfilePage(page)) {
        const auto written = host_.runImageChange(caption(pageInfo(page).caption), [this, page] {
            const int colour =
                settings::colourItemOfActiveProfileByte(workspace_.model().copies.user[0]);
            return settings::writeActiveProfile(workspace_,
                                                {.profile = profileOf(page),
                                                 .buttonEffect = settings_.buttonEffect,
                                                 .gunDisplay = settings_.gunDisplay,
                                                 .effectItem = host_.buttonState().buttonEffect,
                                                 .colourItem = colour});
        });
        // Refused before anything was sent (another operation runs): the page stays.
        if (!written || written->failure == device::Failure::Busy)
            return;
    }
    applyPage(page);
    // Opening the update page forgets the file loaded before.
    if (page == Page::Update && updatePage_ != nullptr)
        updatePage_->opened();
}

void MainWindow::showPage(Page page) {
    applyPage(page);
}

void MainWindow::buildWhenFirstShown(Page page, std::function<void()> build) {
    pendingBuilds_[page].push_back(std::move(build));
}

void MainWindow::applyPage(Page page) {
    // Every page but the first is built on its first showing, which keeps the start quick.
    if (const auto pending = pendingBuilds_.find(page); pending != pendingBuilds_.end()) {
        const std::vector<std::function<void()>> builds = std::move(pending->second);
        pendingBuilds_.erase(pending);
        for (const auto& build : builds)
            build();
        applyLayout(*this, text::LayoutTable::builtIn(texts_.language()));
        // The overlays cover the pages built after them too.
        for (QWidget* overlay : overlays_)
            overlay->raise();
        showFireRecorder();
    }
    current_ = page;
    const PageInfo& info = pageInfo(page);
    radios_[page]->setChecked(true);
    for (auto& [shown, button] : pageButtons_)
        button->setChecked(shown == page);

    const bool engineering = page == Page::Engineering;
    const skin::SkinSize size = engineering ? skin::kEngineeringWindow : skin::kUserWindow;
    frame_->resize(size.width, size.height);
    if (!frame_->maximised())
        resize(size.width, size.height);
    placeBars(size);
    placeFrame();

    const bool errorPage = workspace_.session().errorPage();
    for (auto& [number, box] : groupBoxes_)
        box->setVisible(!errorPage && number == info.groupBox);
    if (isProfilePage(page))
        groupBoxes_[1]->setTitle(caption(info.caption));

    const QPixmap window = engineering ? skin::skinPixmap(skin::kEngineeringBackground)
                                       : skin::skinPixmap(skin::windowBackgroundName(language()));
    const QPixmap pagePicture =
        engineering || errorPage
            ? QPixmap()
            : skin::skinPixmap(skin::pageBackgroundName(language(), info.background));
    frame_->setPictures(window, pagePicture, toQRect(skin::contentRect(size)));
    emit host_.events().pageShown(page);
}

// --- Session ---

void MainWindow::retitle() {
    // The captions are written for the 4210A; a 4230A is named as what it is.
    const auto forChip = [this](QString caption) {
        if (!chip_.isEmpty())
            caption.replace(QRegularExpression("42[13]0A"), chip_);
        return caption;
    };
    setWindowTitle(forChip(kWindowCaption));
    title_->setText(forChip(QString::fromStdString(texts_.title())));
}

void MainWindow::onChange(device::session::ChangeKind kind, int value, const QString& text) {
    if (kind == ChangeKind::Identified && text != chip_) {
        chip_ = text;
        retitle();
    }
    // RefreshCurrentProfileStatus: a profile switched on the mouse shows that profile's page
    // without writing anything.
    if (kind == ChangeKind::Profile && value >= 0 && value < settings::kProfileCount &&
        workspace_.session().imageRead() && isProfilePage(current_)) {
        applyPage(static_cast<Page>(static_cast<int>(Page::Profile1) + value));
    }
    if (kind == ChangeKind::ImageReplaced)
        presenter_.dismissReconnectMessage();
    if (kind == ChangeKind::StatusIndicator)
        emit host_.events().statusButton(value, text == QLatin1String("on"));
    if (kind == ChangeKind::ErrorPage || kind == ChangeKind::ImageReplaced)
        applyPage(current_);
    if (kind == ChangeKind::ImageReplaced || kind == ChangeKind::SectionChanged ||
        kind == ChangeKind::CpiLevel || kind == ChangeKind::Profile || kind == ChangeKind::Macros) {
        emit host_.events().modelChanged();
    }
    redrawSession();
}

void MainWindow::redrawSession() {
    device::session::Session& session = workspace_.session();
    const bool read = session.imageRead();
    for (QWidget* overlay : overlays_) {
        // "held": a dialog over the page dims it while open (the chord dialog).
        overlay->setVisible(!read || overlay->property("held").toBool());
        overlay->raise();
    }
    const bool noDevice = session.errorPage() || (polledOnce_ && !session.hasDevice());
    const device::Message& problem = session.lastProblem();
    noDevice_->setTexts(language(), problem.textId == device::text::kPermission,
                        presenter_.textOf(problem));
    noDevice_->setVisible(noDevice);
    if (noDevice) {
        noDevice_->raise();
        for (auto& [number, box] : groupBoxes_)
            box->hide();
    } else if (!groupBoxes_[pageInfo(current_).groupBox]->isVisible()) {
        groupBoxes_[pageInfo(current_).groupBox]->show();
    }
    const int active = settings::activeProfileOf(workspace_.model()).profile;
    status_->setActiveProfile(
        read && active >= 0 && active < settings::kProfileCount
            ? caption(
                  pageInfo(static_cast<Page>(static_cast<int>(Page::Profile1) + active)).caption)
            : QString());
    status_->refresh(language());
    emit sessionRedrawn();
}

}  // namespace gm::ui
