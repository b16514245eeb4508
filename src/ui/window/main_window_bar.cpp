// The bottom bar of the main window: the three factory images, Save and Load Profile, and the
// status line.

#include "device/session/factory_reset.h"
#include "device/session/profile_transfer.h"
#include "ui/host/window_texts.h"
#include "ui/text/text_ids.h"
#include "ui/window/layout_loader.h"
#include "ui/window/main_window.h"
#include "ui/window/skin_frame.h"

namespace gm::ui {

void MainWindow::buildBottomBar() {
    const std::array<const char*, 3> names{"Btn_Reset_1", "Btn_Confirm2_1", "Btn_Confirm3_1"};
    for (int i = 0; i < 3; ++i) {
        auto* button = new SkinButton("BtnS", frame_);
        button->setObjectName(names[i]);
        const int config = i + 1;
        connect(button, &QAbstractButton::clicked, this, [this, button, config] {
            // One click would replace every setting: ask first.
            if (!host_.mouseReady() ||
                !host_.confirm(windowText(WindowText::ReplaceWithPreset, language()).arg(config)))
                return;
            host_.runImageChange(button->text(), [this, config] {
                return device::session::writeFactoryImage(workspace_, config);
            });
        });
        setTextGroup(*button, 'C');
        confirmButtons_[i] = button;
    }
    saveProfile_ = new SkinButton("BtnS", frame_);
    saveProfile_->setObjectName("Btn_SaveProfile_1");
    connect(saveProfile_, &QAbstractButton::clicked, this, &MainWindow::saveProfileClicked);
    loadProfile_ = new SkinButton("BtnS", frame_);
    loadProfile_->setObjectName("Btn_LoadProfile_1");
    setTextGroup(*saveProfile_, 'C');
    setTextGroup(*loadProfile_, 'C');
    connect(loadProfile_, &QAbstractButton::clicked, this, &MainWindow::loadProfileClicked);

    status_ = new StatusLine(workspace_, frame_);
    host_.setStatusLine(*status_);
}

void MainWindow::saveProfileClicked() {
    if (!host_.mouseReady())
        return;
    const QString chosen = host_.chooseFile(FileDialog::SaveProfile);
    if (chosen.isEmpty())
        return;
    std::filesystem::path saved;
    const device::Result result =
        device::session::saveProfile(workspace_, chosen.toStdString(), saved);
    // A save writes a file, not the mouse: the status names the file.
    const QString what = caption(text::ids::kSaveProfile);
    if (result.ok()) {
        host_.sayLine(what + ": " +
                          windowText(WindowText::SavedTo, language())
                              .arg(QString::fromStdString(saved.string())),
                      false);
    } else {
        host_.sayResult(what, result);
    }
    redrawSession();
}

void MainWindow::loadProfileClicked() {
    if (!host_.mouseReady())
        return;
    const QString chosen = host_.chooseFile(FileDialog::LoadProfile);
    if (chosen.isEmpty())
        return;
    host_.runImageChange(caption(text::ids::kLoadProfile), [this, &chosen] {
        namespace s = device::session;
        const std::string path = chosen.toStdString();
        device::Result result = s::loadProfile(workspace_, path);
        // A file for the other chip is written only when the user says so, knowing why.
        if (result.failure == device::Failure::OtherChip &&
            host_.confirm(presenter_.textOf(device::messageOf(result)) + "\n\n" +
                          windowText(WindowText::LoadAnyway, language()))) {
            result = s::loadProfile(workspace_, path, s::OtherChip::Allowed);
        }
        return result;
    });
}

}  // namespace gm::ui
