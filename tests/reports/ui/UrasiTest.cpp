#include "reports/ui/Urasi.h"

#include "mainwin/model/HouseReportFlow.h"
#include "tests/reports/ui/PlacementDialogScript.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using SignDialog = Scripted<TFRasi>;

class UrasiTest : public QObject {
    Q_OBJECT
  private slots:
    void opensOnTheChartsThatExist()
    {
        struct Case {
            bool natal;
            bool transit;
            int item;
            bool enabled;
            const char* word; // the chart word every factor line carries
        };
        const Case cases[] = {
            {true, true, 0, true, "เดิม"}, {true, false, 0, false, "เดิม"}, {false, true, 1, false, "จร"}};
        for (const Case& c : cases) {
            SignDialog form(nemra::SignReportOf(TestSession(c.natal, c.transit)));
            QVERIFY(form.item(c.item)->isChecked());
            QCOMPARE(form.findChild<QGroupBox*>("RadioGroup1")->isEnabled(), c.enabled);
            const QStringList factors = form.factorLines();
            QCOMPARE(factors.size(), 21);
            QCOMPARE(factors.filter(QString::fromUtf8(c.word) + " - ").size(), 21);
        }
    }

    void showsTwelveSignsAndRebuildsFromMouseAndKeys()
    {
        SignDialog form(nemra::SignReportOf(TestSession(true, true)));
        QCOMPARE(form.windowTitle(), QStringLiteral("ปัจจัยในราศี"));
        QTreeWidget* tree = form.tree();
        QCOMPARE(tree->topLevelItemCount(), 12);
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("ราศีเมษ"));
        // The natal Sun of early December 1997 stands, expanded, under Sagittarius.
        const QTreeWidgetItem* sagittarius = tree->topLevelItem(8);
        QCOMPARE(sagittarius->text(0), QStringLiteral("ราศีธนู"));
        QVERIFY(sagittarius->isExpanded());
        const auto suns = tree->findItems(QStringLiteral("อาทิตย์เดิม - "), Qt::MatchStartsWith | Qt::MatchRecursive);
        QCOMPARE(suns.size(), 1);
        QCOMPARE(suns[0]->parent(), sagittarius);

        form.item(2)->click();
        QCOMPARE(form.factorLines().size(), 42);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.item(2)->setFocus();
        QTest::keyClick(form.item(2), Qt::Key_Left);
        QVERIFY(form.item(1)->isChecked());
        QCOMPARE(form.factorLines().filter(QStringLiteral("เดิม - ")).size(), 0);
        form.tree()->setFocus();
        QTest::keyClick(form.tree(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.item(1));
        QTest::keyClick(form.tree(), Qt::Key_Escape);
        QVERIFY(!form.isVisible());
    }

    void savesTheCaptionAndTheIndentedOutlineAndSaysWhyASaveFailed()
    {
        SignDialog form(nemra::SignReportOf(TestSession(true, true)));
        form.item(2)->click();
        auto* save = form.findChild<QPushButton*>("BitBtn2");
        save->click(); // cancelled: nothing written, nothing said
        QCOMPARE(form.askedTitle, QStringLiteral("บันทึกปัจจัยในราศีลงไฟล์"));
        QVERIFY(form.messages.isEmpty());

        QTemporaryDir dir;
        form.fileName = dir.filePath("signs.txt");
        save->click();
        save->click();
        QCOMPARE(form.messages.size(), 2);
        QCOMPARE(form.messages[0], qMakePair(QMessageBox::Information, QStringLiteral("บันทึกไฟล์เรียบร้อยแล้ว!")));
        const QStringList expected = QStringList{QStringLiteral("ปัจจัยในราศี")} + form.outlineLines();
        QCOMPARE(expected.size(), 1 + 12 + 42);
        QCOMPARE(SavedLines(form.fileName), expected + expected + QStringList{QString()});

        form.fileName = dir.path(); // a folder cannot be written as a file
        save->click();
        QCOMPARE(form.messages.size(), 3);
        QCOMPARE(form.messages[2].first, QMessageBox::Critical);
    }
};

QTEST_MAIN(UrasiTest)
#include "UrasiTest.moc"
