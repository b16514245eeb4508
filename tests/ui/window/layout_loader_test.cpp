// The layout loader: what a table key does to a control, the family names, the text groups, and
// the built-in tables against the real window (every key names a control, switching languages
// applies the language's table).

#include <QLabel>
#include <QTest>
#include <string_view>
#include <vector>

#include "ui/support/window_rig.h"
#include "ui/window/layout_loader.h"

namespace gm::ui::testing {

namespace {

text::LayoutTable tableOf(std::string_view text,
                          text::Language language = text::Language::English) {
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    return {bytes, language};
}

}  // namespace

class LayoutLoaderTest final : public QObject {
    Q_OBJECT

private slots:
    void placesSizesHidesAndShowsAgainByName() {
        QWidget root;
        auto* label = new QLabel("Fire Key", &root);
        label->setObjectName("lbl_Fire");
        label->setGeometry(5, 6, 70, 20);
        auto* other = new QLabel(&root);
        other->setObjectName("lbl_Other");
        other->setGeometry(1, 2, 3, 4);
        root.show();

        applyLayout(root, tableOf("[org1]\nlbl_Fire_X=40\nlbl_Fire_Y=50\nlbl_Fire_W=120\n"
                                  "lbl_Fire_Enable=0\n"));
        QCOMPARE(label->geometry(), QRect(40, 50, 120, 20));
        QVERIFY(label->isHidden());
        QCOMPARE(other->geometry(), QRect(1, 2, 3, 4));

        // Only the key given moves; a later table that enables the control shows it again.
        applyLayout(root, tableOf("[org1]\nlbl_Fire_Y=9\nlbl_Fire_Enable=1\n"));
        QCOMPARE(label->pos(), QPoint(40, 9));
        QVERIFY(!label->isHidden());
        // Enable = 1 does not show a control the window itself hid.
        other->hide();
        applyLayout(root, tableOf("[org1]\nlbl_Other_Enable=1\n"));
        QVERIFY(other->isHidden());
    }

    void labelKeysAndTextGroups() {
        QWidget root;
        auto* label = new QLabel("Repeat", &root);
        label->setObjectName("lbl_Repeat");
        label->resize(60, 18);
        auto* grouped = new QLabel("DPI", &root);
        grouped->setObjectName("lbl_Dpi");
        setTextGroup(*grouped, 'C');

        applyLayout(root, tableOf("[org1]\nlbl_Repeat_Lable_Size=17\nlbl_Repeat_Lable_Width=90\n"
                                  "lbl_Repeat_Lable_R=10\nlbl_Repeat_Lable_G=20\n"
                                  "lbl_Repeat_Lable_B=300\nSize_C=21\nColor_C_R=1\n"
                                  "Color_C_G=2\nColor_C_B=3\nSize_D=30\n"));
        QCOMPARE(label->font().pixelSize(), 17);
        QCOMPARE(label->width(), 90);
        // Channels are clamped to 0..255.
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(10, 20, 255));
        QCOMPARE(grouped->font().pixelSize(), 21);
        QCOMPARE(grouped->palette().color(QPalette::WindowText), QColor(1, 2, 3));

        // A colour with a channel missing is not applied.
        applyLayout(root, tableOf("[org1]\nColor_C_R=200\nColor_C_G=200\n"));
        QCOMPARE(grouped->palette().color(QPalette::WindowText), QColor(1, 2, 3));
    }

    void familyNamesReachTheWindowsButtons() {
        WindowRig rig;
        QVERIFY(!rig.find("Btn_Switch_1")->isHidden());
        applyLayout(*rig.window, tableOf("[org1]\nBtn_B2_Enable=0\nBtn_B3_Enable=1\n"));
        QVERIFY(rig.find("Btn_Switch_1")->isHidden());
        QVERIFY(!rig.find("Btn_Fixed_1")->isHidden());
        QCOMPARE(familyNameOf("Btn_Reset_1"), QString("Btn_A1"));
        QCOMPARE(familyNameOf("Btn_Program"), QString("Btn_B12"));
        QVERIFY(familyNameOf("Key1").isEmpty());
        // Numbered families: the number carries over, other names do not match.
        QCOMPARE(familyNameOf("lbl_Col10"), QString("LED_Color_10"));
        QCOMPARE(familyNameOf("lbl_DPI3Value"), QString("DPI3_Value"));
        QCOMPARE(familyNameOf("Edt_Repeat2"), QString("FK2Cnt"));
        QVERIFY(familyNameOf("lbl_DPI3Values").isEmpty());
        QVERIFY(familyNameOf("xlbl_Rep1").isEmpty());
        // A family key reaches the control of that number only.
        QVERIFY(rig.connect());
        rig.click("Btn_Adv_1");
        applyLayout(*rig.window, tableOf("[org1]\nRep2_Lable_Size=19\n"));
        QCOMPARE(rig.find("lbl_Rep2")->font().pixelSize(), 19);
        QVERIFY(rig.find("lbl_Rep1")->font().pixelSize() != 19);
    }

    void everyKeyOfTheBuiltInTablesNamesAControl() {
        WindowRig rig;
        for (const text::Language language :
             {text::Language::English, text::Language::Chinese, text::Language::NeutralEnglish}) {
            const text::LayoutTable table = text::LayoutTable::builtIn(language);
            QVERIFY(table.size() > 0);
            const std::vector<std::string> unused = unusedLayoutKeys(*rig.window, table);
            if (!unused.empty())
                QFAIL(qPrintable(QString("unknown layout keys in org%1, first: %2")
                                     .arg(text::languageNumber(language))
                                     .arg(QString::fromStdString(unused.front()))));
        }
        // A misspelt key is found.
        QCOMPARE(unusedLayoutKeys(*rig.window, tableOf("[org1]\nBtn_Mian_1_X=3\nSize_A=2\n")),
                 std::vector<std::string>{"btn_mian_1_x"});
    }

    void aLanguageChangeAppliesThatLanguagesTable() {
        WindowRig rig;
        const auto sizeOf = [&rig](const char* name) { return rig.find(name)->font().pixelSize(); };
        const text::LayoutTable english = text::LayoutTable::builtIn(text::Language::English);
        const text::LayoutTable chinese = text::LayoutTable::builtIn(text::Language::Chinese);
        QCOMPARE(sizeOf("Btn_Adv_1"), *english.intValue("Size_B"));
        rig.click("Btn_Lang2");
        QCOMPARE(sizeOf("Btn_Adv_1"), *chinese.intValue("Size_B"));
        QCOMPARE(sizeOf("lbl_Status"), *chinese.intValue("Size_D"));
        rig.click("Btn_Lang1");
        QCOMPARE(sizeOf("Btn_Adv_1"), *english.intValue("Size_B"));
    }
};

}  // namespace gm::ui::testing

QTEST_MAIN(gm::ui::testing::LayoutLoaderTest)
#include "layout_loader_test.moc"
