// The engineering key sheet on the virtual mouse: its key buttons and combo slots open the full
// key menu and store what is picked, the fire-key selectors rewrite the set's buttons, and the
// button-effect selector is written at once.

#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

#include "ui/support/key_rig.h"

namespace gm::ui::testing {

namespace {

void showKeySheet(WindowRig& rig) {
    rig.window->setEngineeringView(true);
    rig.window->pageButtonClicked(Page::Engineering);
    auto* tabs = rig.find<QTabWidget>("PageControl_Eng");
    tabs->setCurrentWidget(rig.find<QWidget>("ts_Keys"));
}

void choose(QComboBox* box, int item) {
    box->setCurrentIndex(item);
    emit box->activated(item);
}

}  // namespace

class EngineeringKeysTest final : public QObject {
    Q_OBJECT
private slots:
    void keyButtonsOpenTheFullMenuAndStoreThePick() {
        WindowRig rig;
        QVERIFY(rig.connect());
        showKeySheet(rig);
        QCOMPARE(rig.find<QAbstractButton>("btn_Key307")->text(), QString("Middle Click"));
        rig.click("btn_Key205");
        // The engineering menu offers the fire-macro list instead of the gun presets.
        QFrame* main = openPanel(rig, "Pnl_Main");
        QVERIFY(main != nullptr);
        QVERIFY(main->findChild<QAbstractButton*>("Open_Pnl_FireMacro") != nullptr);
        QVERIFY(main->findChild<QAbstractButton*>("Key_FireMacro") == nullptr);
        QVERIFY(clickEntry(rig, "Pnl_Main", "Open_Pnl_Special"));
        QVERIFY(clickEntry(rig, "Pnl_Special", "Tag1003"));  // offered without BE_Enable here
        QCOMPARE(mouseKeyText(rig, 2, 5), QString("08010000"));
        QCOMPARE(rig.find<QAbstractButton>("btn_Key205")->text(), QString("Button Effect Switch"));

        // No Left Click rule on this page.
        rig.click("btn_Key101");
        QVERIFY(clickEntry(rig, "Pnl_Main", "Open_Pnl_MseKey"));
        QVERIFY(clickEntry(rig, "Pnl_MseKey", "Tag904"));
        QCOMPARE(mouseKeyText(rig, 1, 1), QString("01100000"));

        // The captions follow the language.
        rig.window->setLanguage(2);
        QCOMPARE(rig.find<QAbstractButton>("btn_Key307")->text(),
                 QString::fromStdString(rig.texts.text("Str212")));
    }

    void comboSlotsAreWrittenAtOnce() {
        WindowRig rig;
        QVERIFY(rig.connect());
        showKeySheet(rig);
        QCOMPARE(rig.find<QAbstractButton>("btn_ComboKey002")->text(), QString("LED Mode"));
        rig.click("btn_ComboKey003");
        QVERIFY(clickEntry(rig, "Pnl_Main", "Open_Pnl_Media"));
        QVERIFY(clickEntry(rig, "Pnl_Media", "Tag1100"));
        const image::Image eeprom = rig.mouse.eeprom();
        const std::size_t at = image::kVendor.offset + kComboKeys + 2 * 4;
        QCOMPARE(QString::fromStdString(
                     image::codeTextOf(std::span<const std::uint8_t, 4>(eeprom.data() + at, 4))),
                 QString("0300CD00"));
        QCOMPARE(rig.find<QAbstractButton>("btn_ComboKey003")->text(), QString("Play/Pause"));
    }

    void fireSelectorsRewriteTheSetAndItsButtons() {
        WindowRig rig;
        QVERIFY(rig.connect());
        showKeySheet(rig);
        choose(rig.find<QComboBox>("cb_Fire1Count"), 4);  // repeat 5
        QCOMPARE(mouseKeyText(rig, 1, 3), QString("0694003C"));
        QCOMPARE(rig.mouse.eeprom()[kFireKeyArea + 2], std::uint8_t{4});
        // The user page shows the same set.
        QCOMPARE(rig.find<QLineEdit>("Edt_Repeat1")->text(), QString("5"));
    }

    void theButtonEffectChosenHereIsWhatTheProfilePagesWrite() {
        image::settings::ProgramSettings settings;
        settings.buttonEffect = true;
        settings.gunDisplay = false;
        WindowRig rig(settings);
        QVERIFY(rig.connect());
        showKeySheet(rig);
        choose(rig.find<QComboBox>("cb_BtnEFT"), 1);
        rig.window->pageButtonClicked(Page::Profile3);
        QCOMPARE(rig.mouse.eeprom()[image::kUser.offset + 3], std::uint8_t{1});
        // One selector in the window holds the effect.
        QCOMPARE(rig.window->findChildren<QComboBox*>("cb_BtnEFT").size(), 1);
    }

    void buttonEffectIsOneByteAtOnce() {
        WindowRig rig;
        QVERIFY(rig.connect());
        showKeySheet(rig);
        choose(rig.find<QComboBox>("cb_BtnEFT"), 1);
        QCOMPARE(rig.mouse.eeprom()[image::kUser.offset + 3], std::uint8_t{1});
        choose(rig.find<QComboBox>("cb_BtnEFT"), 0);
        QCOMPARE(rig.mouse.eeprom()[image::kUser.offset + 3], std::uint8_t{0});
    }
};

int runEngineeringKeysTests(int argc, char** argv) {
    EngineeringKeysTest test;
    return QTest::qExec(&test, argc, argv);
}

}  // namespace gm::ui::testing

#include "engineering_keys_test.moc"
