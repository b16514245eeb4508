// The key menu on the key page, on the virtual mouse: opened from a Key label, driven with the
// mouse and with the keyboard through its sub-panels, closed by Esc and by a page change, kept
// inside the window; the assignment reaches the mouse's profile section, the last Left Click of
// profile 1 stays, and a refused push is said and not shown as done.

#include "ui/support/key_rig.h"

namespace gm::ui::testing {

namespace {

constexpr const char* kDone = "written to the mouse";

QString caption(const WindowRig& rig, const char* label) {
    return rig.find<QAbstractButton>(label)->text();
}

}  // namespace

class KeyMenuTest final : public QObject {
    Q_OBJECT
private slots:
    void pickingWithTheMouseThroughNestedPanelsAssignsTheKey() {
        WindowRig rig;
        QVERIFY(rig.connect());
        rig.click("Key2");
        QVERIFY(keyMenu(rig)->isVisible());
        QVERIFY(rig.checked("Key2"));
        QVERIFY(clickEntry(rig, "Pnl_Main", "Open_Pnl_Media"));
        QVERIFY(clickEntry(rig, "Pnl_Media", "Tag1104"));
        QVERIFY(!keyMenu(rig)->isVisible());
        QCOMPARE(mouseKeyText(rig, 1, 2), QString("0300E900"));
        QCOMPARE(caption(rig, "Key2"), QString("Volume Up"));
        QVERIFY(!rig.checked("Key2"));
        QVERIFY(rig.window->statusText().contains(kDone));

        // Two levels down: Special Key, DPI Key, DPI Up. The present function carries the mark.
        rig.click("Key7");
        QVERIFY(clickEntry(rig, "Pnl_Main", "Open_Pnl_MseKey"));
        QFrame* mouseKeys = openPanel(rig, "Pnl_MseKey");
        QVERIFY(mouseKeys->findChild<QWidget*>("Tag902")->property("marked").toBool());
        QVERIFY(!mouseKeys->findChild<QWidget*>("Tag900")->property("marked").toBool());
        QVERIFY(clickEntry(rig, "Pnl_Main", "Open_Pnl_Special"));
        QVERIFY(clickEntry(rig, "Pnl_Special", "Open_Pnl_CPIKey"));
        QVERIFY(openPanel(rig, "Pnl_Special") != nullptr);
        QVERIFY(clickEntry(rig, "Pnl_CPIKey", "Tag2001"));
        QCOMPARE(mouseKeyText(rig, 1, 7), QString("09010000"));
        QCOMPARE(caption(rig, "Key7"), QString("DPI Up"));
    }

    void pickingWithTheKeyboardMovesIntoAndOutOfSubPanels() {
        WindowRig rig;
        QVERIFY(rig.connect());
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        rig.click("Key3");
        QWidget* menu = keyMenu(rig);
        QVERIFY(menu->hasFocus());
        // Down to "Special Key", in, back out: the sub-panel closes and the menu stays.
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Right);
        QVERIFY(openPanel(rig, "Pnl_Special") != nullptr);
        QTest::keyClick(menu, Qt::Key_Left);
        QVERIFY(openPanel(rig, "Pnl_Special") == nullptr);
        QVERIFY(menu->isVisible());
        // Up to "Standard Mouse Key", Enter opens it on its first entry; Down to Right Key.
        QTest::keyClick(menu, Qt::Key_Up);
        QTest::keyClick(menu, Qt::Key_Return);
        QVERIFY(openPanel(rig, "Pnl_MseKey") != nullptr);
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
        QVERIFY(!menu->isVisible());
        QVERIFY(rig.find<QWidget>("Key3")->hasFocus());  // the keyboard is back on the label
        QCOMPARE(mouseKeyText(rig, 1, 3), QString("01020000"));
        QCOMPARE(caption(rig, "Key3"), QString("Right Click"));
    }

    void escapeAndPageButtonsCloseTheMenuWithoutAChange() {
        WindowRig rig;
        QVERIFY(rig.connect());
        const QString before = mouseKeyText(rig, 1, 5);
        rig.click("Key5");
        QVERIFY(clickEntry(rig, "Pnl_Main", "Open_Pnl_WWW"));
        QTest::keyClick(keyMenu(rig), Qt::Key_Escape);
        QVERIFY(!keyMenu(rig)->isVisible());
        QVERIFY(openPanel(rig, "Pnl_WWW") == nullptr);
        QVERIFY(!rig.checked("Key5"));
        QCOMPARE(mouseKeyText(rig, 1, 5), before);

        // A click beside the menu closes it and still reaches what it was meant for: one click
        // on a page button changes the page.
        rig.click("Key5");
        QTest::mouseClick(rig.find<QWidget>("Img_Mouse"), Qt::LeftButton);
        QVERIFY(!keyMenu(rig)->isVisible());
        rig.click("Key5");
        rig.click("Btn_Switch_1");
        QVERIFY(!keyMenu(rig)->isVisible());
        QCOMPARE(rig.window->currentPage(), Page::Profile2);
        QCOMPARE(mouseKeyText(rig, 1, 5), before);
    }

    void hoveringACategoryOpensItsPanelInPlaceOfTheOtherOne() {
        WindowRig rig;
        QVERIFY(rig.connect());
        rig.click("Key8");
        QFrame* main = openPanel(rig, "Pnl_Main");
        QTest::mouseMove(main->findChild<QWidget*>("Open_Pnl_Media"));
        QVERIFY(openPanel(rig, "Pnl_Media") != nullptr);
        QTest::mouseMove(main->findChild<QWidget*>("Open_Pnl_WWW"));
        QVERIFY(openPanel(rig, "Pnl_Media") == nullptr);
        QVERIFY(openPanel(rig, "Pnl_WWW") != nullptr);
        QVERIFY(clickEntry(rig, "Pnl_WWW", "Tag1205"));
        QCOMPARE(mouseKeyText(rig, 1, 8), QString("03022700"));
    }

    void theMenuStaysInsideTheWindowForALabelAtItsEdge() {
        WindowRig rig;
        QVERIFY(rig.connect());
        const QRect window = rig.window->rect();
        for (const char* label : {"Key12", "Key10", "Key11"}) {
            rig.click(label);
            QVERIFY(clickEntry(rig, "Pnl_Main", "Open_Pnl_Special"));
            QVERIFY(clickEntry(rig, "Pnl_Special", "Open_Pnl_Profile"));
            for (const char* name : {"Pnl_Main", "Pnl_Special", "Pnl_Profile"}) {
                QFrame* panel = openPanel(rig, name);
                QVERIFY(panel != nullptr);
                const QRect shown(panel->mapTo(rig.window.get(), QPoint(0, 0)), panel->size());
                QVERIFY2(window.contains(shown),
                         qPrintable(QString("%1 from %2").arg(name, label)));
            }
            // The sub-panels do not cover the panel they came from.
            QVERIFY(!openPanel(rig, "Pnl_Main")
                         ->geometry()
                         .intersects(openPanel(rig, "Pnl_Special")->geometry()));
            QTest::keyClick(keyMenu(rig), Qt::Key_Escape);
        }
    }

    void theLastLeftClickOfProfileOneIsKeptAndSaid() {
        WindowRig rig;
        QVERIFY(rig.connect());
        rig.click("Key1");
        QVERIFY(clickEntry(rig, "Pnl_Main", "Open_Pnl_MseKey"));
        QVERIFY(clickEntry(rig, "Pnl_MseKey", "Tag901"));
        QCOMPARE(mouseKeyText(rig, 1, 1), QString("01010000"));
        QCOMPARE(caption(rig, "Key1"), QString("Left Click"));
        QVERIFY(rig.window->statusText().contains("keeps at least one Left Click"));

        // With a second Left Click, the first may go.
        rig.click("Key10");
        QVERIFY(clickEntry(rig, "Pnl_Main", "Open_Pnl_MseKey"));
        QVERIFY(clickEntry(rig, "Pnl_MseKey", "Tag900"));
        rig.click("Key1");
        QVERIFY(clickEntry(rig, "Pnl_Main", "Open_Pnl_MseKey"));
        QVERIFY(clickEntry(rig, "Pnl_MseKey", "Tag901"));
        QCOMPARE(mouseKeyText(rig, 1, 1), QString("01020000"));
        QCOMPARE(mouseKeyText(rig, 1, 10), QString("01010000"));

        // Profile 2 has no such rule.
        rig.window->pageButtonClicked(Page::Profile2);
        rig.click("Key1");
        QVERIFY(clickEntry(rig, "Pnl_Main", "Open_Pnl_MseKey"));
        QVERIFY(clickEntry(rig, "Pnl_MseKey", "Tag901"));
        QCOMPARE(mouseKeyText(rig, 2, 1), QString("01020000"));
    }

    void aRefusedPushIsSaidAndTheCaptionShowsWhatTheMouseHolds() {
        WindowRig rig;
        QVERIFY(rig.connect());
        rig.mouse.refuseDataFrom(1);
        rig.click("Key4");
        QVERIFY(clickEntry(rig, "Pnl_Main", "Open_Pnl_Media"));
        QVERIFY(clickEntry(rig, "Pnl_Media", "Tag1106"));
        rig.mouse.refuseDataFrom(0);
        QVERIFY(!rig.window->statusText().contains(kDone));
        QCOMPARE(mouseKeyText(rig, 1, 4), QString("01020000"));
        QCOMPARE(caption(rig, "Key4"), QString("Right Click"));
    }

    void profileEntriesFollowTheProfilePagesTheWindowShows() {
        WindowRig rig;
        QVERIFY(rig.connect());
        auto profileEntries = [&rig] {
            rig.click("Key11");
            clickEntry(rig, "Pnl_Main", "Open_Pnl_Special");
            clickEntry(rig, "Pnl_Special", "Open_Pnl_Profile");
            QStringList names;
            if (QFrame* panel = openPanel(rig, "Pnl_Profile")) {
                for (auto* row : panel->findChildren<QAbstractButton*>())
                    names << row->objectName();
            }
            QTest::keyClick(keyMenu(rig), Qt::Key_Escape);
            return names;
        };
        QCOMPARE(profileEntries(), (QStringList{"Tag2300", "Tag2301", "Tag2302", "Tag2303"}));
        // The layout table hides the third profile's page, then the second's.
        rig.find<QWidget>("Btn_Fixed_1")->hide();
        QCOMPARE(profileEntries(), (QStringList{"Tag2300", "Tag2301", "Tag2303"}));
        rig.find<QWidget>("Btn_Switch_1")->hide();
        QCOMPARE(profileEntries(), QStringList{});
    }

    void theGameModePageOffersTheFireMacroEntriesOnlyThere() {
        image::settings::ProgramSettings settings;
        settings.gunDisplay = true;
        WindowRig rig(settings);
        QVERIFY(rig.connect());
        rig.click("Key6");
        QVERIFY(openPanel(rig, "Pnl_Main")->findChild<QAbstractButton*>("Key_FireMacro") ==
                nullptr);
        QTest::keyClick(keyMenu(rig), Qt::Key_Escape);
        rig.window->pageButtonClicked(Page::Profile2);
        rig.click("Key6");
        QVERIFY(openPanel(rig, "Pnl_Main")->findChild<QAbstractButton*>("Key_FireMacro") !=
                nullptr);
        QVERIFY(clickEntry(rig, "Pnl_Main", "Open_Pnl_Special"));
        QVERIFY(clickEntry(rig, "Pnl_Special", "Tag1006"));
        QCOMPARE(mouseKeyText(rig, 2, 6), QString("0B8F0000"));
    }
};

int runKeyMenuTests(int argc, char** argv) {
    KeyMenuTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace gm::ui::testing

#include "key_menu_test.moc"
