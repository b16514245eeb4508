// The Advanced page on the virtual mouse: the CPI card's count selector, level labels, marks,
// bars and swatches and the report-rate choices write the bytes the mouse then holds, the page
// redraws from the model without writing, and a write the mouse refuses leaves the page showing
// what the mouse still holds with the status line saying so.

#include <QComboBox>
#include <QTest>

#include "ui/support/settings_page_rig.h"

namespace gm::ui::testing {

namespace {

constexpr std::size_t kLevelCount = 43;
constexpr std::size_t kLevelValues = 44;
constexpr std::size_t kCurrentLevel = 166;
constexpr std::size_t kReportRate = 4;

bool lit(const WindowRig& rig, int level, int segment) {
    const QString name = QString("Img_DPI%1_%2").arg(level).arg(segment);
    return rig.find<QAbstractButton>(name.toUtf8().constData())->isChecked();
}

int litCount(const WindowRig& rig, int level) {
    int count = 0;
    for (int segment = 1; segment <= 12; ++segment)
        count += lit(rig, level, segment) ? 1 : 0;
    return count;
}

}  // namespace

class AdvancedPageTest : public QObject {
    Q_OBJECT

private slots:
    void showsTheFactoryLevelsWithoutWriting() {
        WindowRig rig;
        QVERIFY(connectEditor(rig));
        rig.click("Btn_Adv_1");
        auto* count = rig.find<QComboBox>("combox_dpi_count");
        QCOMPARE(count->count(), 8);
        QCOMPARE(count->currentText(), QString("6"));
        // Values 800, 1600, 2400, 3200, 4800, 6400 as progress bars; level 2 current.
        QCOMPARE(textOf(rig, "lbl_DPI1Value"), QString("800"));
        QCOMPARE(litCount(rig, 1), 4);
        QCOMPARE(litCount(rig, 6), 12);
        QVERIFY(rig.checked("rb_DPI2"));
        QVERIFY(!rig.checked("rb_DPI1"));
        QVERIFY(rig.find<QWidget>("Img_DPI6Bar")->isEnabled());
        QVERIFY(!rig.find<QWidget>("Img_DPI7Bar")->isEnabled());
        QVERIFY(rig.checked("rb_Rep4"));

        // A refresh (language change, model change) never writes to the mouse.
        rig.mouse.clearReports();
        rig.window->setLanguage(2);
        emit rig.window->events().modelChanged();
        QVERIFY(liveWrites(rig).empty());
        QCOMPARE(textOf(rig, "lbl_DPI6Value"), QString("6400"));
    }

    void barSegmentWritesTheLevelPairAndResendsTheCurrentLevel() {
        WindowRig rig;
        QVERIFY(connectEditor(rig));
        rig.mouse.loadEeprom(presetImage({{kLevelValues + 1, 0xB8}}));  // level 4 at index 11
        QVERIFY(rig.workspace.session().readWholeImage());
        rig.mouse.clearReports();

        rig.click("Img_DPI3_3");  // segment 3: 600 CPI, index 2
        QCOMPARE(rig.mouse.eeprom()[kLevelValues + 1], std::uint8_t{0xB2});
        // Level 2 is current: level 1 first, then level 2 again.
        const std::vector<LiveWrite> expected{{45, {0xB2}}, {166, {0}}, {166, {1}}};
        QCOMPARE(liveWrites(rig), expected);
        QCOMPARE(textOf(rig, "lbl_DPI3Value"), QString("600"));
        QCOMPARE(litCount(rig, 3), 3);

        // Segment 12 is 6400, segment 1 is 200; with level 1 current the neighbour is level 2.
        rig.click("rb_DPI1");
        QCOMPARE(rig.mouse.eeprom()[kCurrentLevel], std::uint8_t{0});
        rig.mouse.clearReports();
        rig.click("Img_DPI1_12");
        QCOMPARE(rig.mouse.eeprom()[kLevelValues] & 0x0F, 11);
        const std::vector<LiveWrite> resent{{44, {0x6B}}, {166, {1}}, {166, {0}}};
        QCOMPARE(liveWrites(rig), resent);
        rig.click("Img_DPI1_1");
        QCOMPARE(rig.mouse.eeprom()[kLevelValues] & 0x0F, 0);
        QCOMPARE(textOf(rig, "lbl_DPI1Value"), QString("200"));
    }

    void keyboardStepsTheFocusedBar() {
        WindowRig rig;
        QVERIFY(connectEditor(rig));
        rig.click("Btn_Adv_1");
        auto* bar = rig.find<QWidget>("Img_DPI2Bar");
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Right);  // 1600 (index 6) -> 2000
        QCOMPARE(rig.mouse.eeprom()[kLevelValues] >> 4, 7);
        QTest::keyClick(bar, Qt::Key_Left);
        QTest::keyClick(bar, Qt::Key_Left);
        QCOMPARE(rig.mouse.eeprom()[kLevelValues] >> 4, 5);
    }

    void singleSegmentLookFollowsTheProgramSetting() {
        image::settings::ProgramSettings settings;
        settings.sliderLevelStyle = true;
        WindowRig rig(settings);
        QVERIFY(connectEditor(rig));
        QCOMPARE(litCount(rig, 1), 1);
        QVERIFY(lit(rig, 1, 4));
        QVERIFY(lit(rig, 6, 12));
    }

    void countSelectorAndLevelLabelsSetTheLevelsInUse() {
        WindowRig rig;
        QVERIFY(connectEditor(rig));
        rig.click("Btn_Adv_1");
        auto* count = rig.find<QComboBox>("combox_dpi_count");
        rig.mouse.clearReports();
        count->setFocus();
        QTest::keyClick(count, Qt::Key_Home);  // count 1
        QCOMPARE(rig.mouse.eeprom()[kLevelCount], std::uint8_t{0});
        const std::vector<LiveWrite> countOnly{{43, {0}}};
        QCOMPARE(liveWrites(rig), countOnly);  // the current level is not written
        QVERIFY(rig.find<QWidget>("Img_DPI1Bar")->isEnabled());
        QVERIFY(!rig.find<QWidget>("Img_DPI2Bar")->isEnabled());

        // The only level's label keeps the count at 1 and sends nothing.
        rig.mouse.clearReports();
        rig.click("lbl_DPI1");
        QCOMPARE(rig.mouse.eeprom()[kLevelCount], std::uint8_t{0});
        QVERIFY(liveWrites(rig).empty());
        // The first level out of use comes into use; a level further on changes nothing.
        rig.click("lbl_DPI2");
        QCOMPARE(rig.mouse.eeprom()[kLevelCount], std::uint8_t{1});
        QCOMPARE(count->currentText(), QString("2"));
        rig.click("lbl_DPI5");
        QCOMPARE(rig.mouse.eeprom()[kLevelCount], std::uint8_t{1});
        // The last level in use goes out of use.
        rig.click("lbl_DPI2");
        QCOMPARE(rig.mouse.eeprom()[kLevelCount], std::uint8_t{0});

        // A count of 8 has its own item.
        QTest::keyClick(count, Qt::Key_End);
        QCOMPARE(rig.mouse.eeprom()[kLevelCount], std::uint8_t{7});
        QVERIFY(rig.find<QWidget>("Img_DPI8Bar")->isEnabled());
    }

    void markSetsTheCurrentLevelAndSwatchTheColour() {
        WindowRig rig;
        QVERIFY(connectEditor(rig));
        rig.click("rb_DPI4");
        QCOMPARE(rig.mouse.eeprom()[kCurrentLevel], std::uint8_t{3});
        QVERIFY(rig.checked("rb_DPI4"));
        QVERIFY(!rig.checked("rb_DPI2"));

        QColor offered;
        rig.window->setColourChooser([&offered](const QColor& initial) -> std::optional<QColor> {
            offered = initial;
            return QColor(0x12, 0x34, 0x56);
        });
        rig.mouse.clearReports();
        rig.click("lbl_DPI2Col");
        QCOMPARE(offered, QColor(Qt::green));  // the dialog starts from the shown colour
        const std::vector<LiveWrite> colour{{90, {0x12, 0x34, 0x56}}};
        QCOMPARE(liveWrites(rig), colour);

        // A cancelled dialog writes nothing.
        rig.window->setColourChooser([](const QColor&) { return std::optional<QColor>{}; });
        rig.mouse.clearReports();
        rig.click("lbl_DPI3Col");
        QVERIFY(liveWrites(rig).empty());
    }

    void reportRateRestartsOnlyForANewRate() {
        WindowRig rig;
        QVERIFY(connectEditor(rig));
        rig.click("Btn_Adv_1");
        rig.click("lbl_Rep3");  // 500 Hz over BF
        QCOMPARE(rig.mouse.eeprom()[kReportRate], std::uint8_t{0xAF});
        QCOMPARE(rig.mouse.restartCount(), 1);
        QVERIFY(QTest::qWaitFor([&rig] { return rig.workspace.session().imageRead(); }, 5000));
        QVERIFY(rig.checked("rb_Rep3"));
        QVERIFY(!rig.checked("rb_Rep4"));

        // The running rate writes its byte again and does not restart.
        rig.mouse.clearReports();
        rig.click("rb_Rep3");
        const std::vector<LiveWrite> same{{4, {0xAF}}};
        QCOMPARE(liveWrites(rig), same);
        QCOMPARE(rig.mouse.restartCount(), 1);
    }

    void aLevelSwitchedOnTheMouseMovesTheMarkWithoutWriting() {
        WindowRig rig;
        QVERIFY(connectEditor(rig));
        rig.click("Btn_Adv_1");
        rig.mouse.clearReports();
        rig.mouse.press(device::StatusButton::CpiUp);  // level 2 -> 3
        QTRY_VERIFY(rig.checked("rb_DPI3"));
        QVERIFY(!rig.checked("rb_DPI2"));
        QVERIFY(liveWrites(rig).empty());

        // A value change now re-sends level 3, not the level the page was opened with.
        rig.click("Img_DPI1_1");
        const std::vector<LiveWrite> resent{{44, {0x60}}, {166, {1}}, {166, {2}}};
        QCOMPARE(liveWrites(rig), resent);
        QCOMPARE(rig.mouse.currentLevel(), std::uint8_t{2});
    }

    void theEngineeringTwinsShowWhatTheMainPageWroteAndBack() {
        WindowRig rig;
        QVERIFY(connectEditor(rig));
        rig.click("Btn_Adv_1");
        rig.click("Img_DPI3_12");
        rig.click("rb_Rep2");
        QTRY_VERIFY(rig.workspace.session().imageRead());
        rig.click("Btn_Adv_1");
        auto* count = rig.find<QComboBox>("combox_dpi_count");
        count->setCurrentIndex(3);
        emit count->activated(3);
        const QString shownValue = textOf(rig, "lbl_DPI3Value");

        rig.window->setEngineeringView(true);
        rig.window->showPage(Page::Engineering);
        QCOMPARE(rig.find<QComboBox>("cb_CPI3")->currentText(), shownValue);
        QCOMPARE(rig.find<QComboBox>("cb_CPISteps")->currentText(), QString("4"));
        QVERIFY(rig.find<QComboBox>("cb_RepRate")->currentText().startsWith("250"));

        // The other way: the engineering page's choice is what the main page then shows.
        auto* twin = rig.find<QComboBox>("cb_CPI3");
        twin->setCurrentIndex(0);
        emit twin->activated(0);
        rig.click("Btn_Adv_1");
        QCOMPARE(textOf(rig, "lbl_DPI3Value"), twin->currentText());
        QCOMPARE(litCount(rig, 3), 1);
    }

    void refusedWriteShowsWhatTheMouseHolds() {
        WindowRig rig;
        QVERIFY(connectEditor(rig));
        rig.click("Btn_Adv_1");
        rig.mouse.refuseCommands(true);
        rig.click("Img_DPI1_12");
        rig.click("rb_DPI5");
        rig.mouse.refuseCommands(false);
        QCOMPARE(rig.mouse.eeprom()[kLevelValues] & 0x0F, 3);
        QCOMPARE(textOf(rig, "lbl_DPI1Value"), QString("800"));
        QCOMPARE(litCount(rig, 1), 4);
        QVERIFY(rig.checked("rb_DPI2"));
        QVERIFY(!rig.checked("rb_DPI5"));
        QVERIFY(rig.window->statusText().contains("did not reach the mouse"));

        // The next write that lands says so.
        rig.click("rb_DPI5");
        QVERIFY(rig.checked("rb_DPI5"));
        QVERIFY(!rig.window->statusText().contains("did not reach the mouse"));
    }
};

}  // namespace gm::ui::testing

QTEST_MAIN(gm::ui::testing::AdvancedPageTest)
#include "advanced_page_test.moc"
