#include "Urasi.h"

#include "HouseReportFlow.h"
#include "PlacementDialogScript.h"

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
            const nemra::MainSession s = TestSession(c.natal, c.transit);
            SignDialog form(nemra::SignReportOf(s));
            QCOMPARE(form.windowTitle(), QStringLiteral("ปัจจัยในราศี"));
            QVERIFY(form.item(c.item)->isChecked());
            QCOMPARE(form.findChild<QGroupBox*>("RadioGroup1")->isEnabled(), c.enabled);
            const QStringList factors = form.factorLines();
            QCOMPARE(factors.size(), 21);
            for (const QString& line : factors)
                QVERIFY2(line.contains(QString::fromUtf8(c.word) + " - "), qPrintable(line));
        }
    }

    void showsTwelveSignsWithTheirFactors()
    {
        const nemra::MainSession s = TestSession(true, true);
        SignDialog form(nemra::SignReportOf(s));
        QTreeWidget* tree = form.tree();
        QCOMPARE(tree->topLevelItemCount(), 12);
        QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("ราศีเมษ"));
        QCOMPARE(tree->topLevelItem(11)->text(0), QStringLiteral("ราศีมีน"));
        // The natal Sun (early December 1997, in Sagittarius) stands under ราศีธนู.
        const QTreeWidgetItem* sagittarius = tree->topLevelItem(8);
        QCOMPARE(sagittarius->text(0), QStringLiteral("ราศีธนู"));
        bool sun = false;
        for (int c = 0; c < sagittarius->childCount(); ++c)
            sun = sun || sagittarius->child(c)->text(0).startsWith(QStringLiteral("อาทิตย์เดิม - "));
        QVERIFY(sun);
        QVERIFY(sagittarius->isExpanded());
    }

    void radioGroupRebuildsTheTreeFromMouseAndKeys()
    {
        const nemra::MainSession s = TestSession(true, true);
        SignDialog form(nemra::SignReportOf(s));
        form.item(2)->click();
        QCOMPARE(form.factorLines().size(), 42);
        QCOMPARE(form.tree()->topLevelItemCount(), 12);
        form.item(1)->click();
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.item(1)->setFocus();
        QCOMPARE(form.factorLines().filter(QStringLiteral("เดิม - ")).size(), 0);
        QTest::keyClick(form.item(1), Qt::Key_Left);
        QVERIFY(form.item(0)->isChecked());
        QCOMPARE(form.factorLines().filter(QStringLiteral("จร - ")).size(), 0);
        QCOMPARE(form.factorLines().size(), 21);
    }

    void savesTheCaptionAndTheIndentedOutline()
    {
        const nemra::MainSession s = TestSession(true, true);
        SignDialog form(nemra::SignReportOf(s));
        form.item(2)->click();
        auto* save = form.findChild<QPushButton*>("BitBtn2");
        QCOMPARE(save->toolTip(), QStringLiteral("บันทึกราศีและดาวในราศีลงไฟล์"));

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
    }

    void aFailedSaveSaysWhyAndLeavesTheFile()
    {
        const nemra::MainSession s = TestSession(true, false);
        SignDialog form(nemra::SignReportOf(s));
        QTemporaryDir dir;
        form.fileName = dir.path(); // a folder cannot be written as a file
        form.findChild<QPushButton*>("BitBtn2")->click();
        QCOMPARE(form.messages.size(), 1);
        QCOMPARE(form.messages[0].first, QMessageBox::Critical);
        QVERIFY(!form.messages[0].second.contains(QStringLiteral("เรียบร้อย")));
    }

    void escapeCloses()
    {
        const nemra::MainSession s = TestSession(true, true);
        SignDialog form(nemra::SignReportOf(s));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::keyClick(form.tree(), Qt::Key_Escape);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(UrasiTest)
#include "UrasiTest.moc"
