// A live change the mouse refuses, made from the key page, the Advanced page and an engineering
// sheet: each says it in the same words (only the control's name differs) and each leaves the
// working copies as the mouse holds them.

#include <QComboBox>

#include "image/check_byte.h"
#include "settings/image_state.h"
#include "ui/support/key_rig.h"

namespace gm::ui::testing {

namespace {

// The status line's result line from "did not reach the mouse" on (the control's name, which
// may hold a colon itself, comes before it).
QString reasonSaid(const WindowRig& rig) {
    const QString line = rig.window->statusText().section('\n', 1);
    const qsizetype at = line.indexOf("did not reach the mouse");
    return at < 0 ? QString() : line.mid(at);
}

// The words before the failed step's own message.
QString framing(const QString& reason) {
    return reason.section('(', 0, 0);
}

// Vendor, User and the key tables of the working copies against the mouse's EEPROM.
bool copiesMatchTheMouse(WindowRig& rig) {
    const image::Image held = rig.mouse.eeprom();
    const auto& copies = rig.workspace.model().copies;
    return std::equal(copies.vendor.begin(), copies.vendor.end(), held.begin()) &&
           std::equal(copies.user.begin(), copies.user.end(), held.begin() + 164) &&
           std::equal(copies.profiles.begin(), copies.profiles.end(), held.begin() + 192);
}

}  // namespace

class RefusedChangeTest final : public QObject {
    Q_OBJECT
private slots:
    void everyPageSaysARefusalAlikeAndShowsWhatTheMouseHolds() {
        WindowRig rig;
        settings::followImageReads(rig.workspace);
        QVERIFY(rig.connect());
        rig.mouse.refuseCommands(true);

        rig.click("Key4");
        QVERIFY(clickEntry(rig, "Pnl_Main", "Open_Pnl_Media"));
        QVERIFY(clickEntry(rig, "Pnl_Media", "Tag1106"));
        const QString fromKeyPage = reasonSaid(rig);
        QVERIFY(copiesMatchTheMouse(rig));

        rig.mouse.refuseCommands(false);
        rig.click("Btn_Adv_1");
        rig.mouse.refuseCommands(true);
        rig.click("Img_DPI1_12");
        const QString fromAdvancedPage = reasonSaid(rig);
        // The key page's step is the key-table write, the others' a live write of a setting.
        QVERIFY(!fromKeyPage.isEmpty());
        QCOMPARE(framing(fromAdvancedPage), framing(fromKeyPage));
        QVERIFY(copiesMatchTheMouse(rig));

        rig.window->setEngineeringView(true);
        rig.window->showPage(Page::Engineering);
        auto* level = rig.find<QComboBox>("cb_CPI1");
        level->setCurrentIndex(0);
        emit level->activated(0);
        QCOMPARE(reasonSaid(rig), fromAdvancedPage);
        QVERIFY(copiesMatchTheMouse(rig));
    }

    void aChangeCutOffBeforeItsCheckByteIsSaidAndTheReplugShowsTheMouse() {
        WindowRig rig;
        settings::followImageReads(rig.workspace);
        QVERIFY(rig.connect());
        rig.click("Btn_Adv_1");
        rig.mouse.vanishAfter(1);  // the level's byte arrives, the check byte does not
        rig.click("Img_DPI1_12");
        const QString said = rig.window->statusText();
        QVERIFY2(said.contains("did not fully reach the mouse"), qPrintable(said));
        QVERIFY2(said.contains("left the bus"), qPrintable(said));

        rig.messages.clear();
        rig.mouse.plugIn();
        QVERIFY(QTest::qWaitFor(
            [&] {
                return rig.workspace.session().hasDevice() && rig.shown("gm.interrupted.completed");
            },
            5000));
        QVERIFY(copiesMatchTheMouse(rig));
        const image::Image held = rig.mouse.eeprom();
        QVERIFY(image::hasValidCheckByte(std::span<const std::uint8_t>(held).first(164)));
    }
};

int runRefusedChangeTests(int argc, char** argv) {
    RefusedChangeTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace gm::ui::testing

#include "refused_change_test.moc"
