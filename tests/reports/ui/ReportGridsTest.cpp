// What the three report dialogs share: a grid whose header row stays in place while the
// rows scroll, and a save question that does not ask to replace a file the report appends
// to.
#include "mainwin/model/Session.h"
#include "reports/ui/UBriefAspect.h"
#include "reports/ui/Ureport.h"
#include "reports/ui/Usolrep.h"

#include "dials/model/DialIndex.h"
#include "mainwin/model/ReportAdapters.h"
#include "reports/model/ReportSnapshot.h"
#include "reports/model/SolarArcTable.h"
#include "tests/reports/ui/ReportGridText.h"

#include "tests/support/ReportSession.h"

#include <QFileDialog>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

// Both charts cast, the natal Sun as the studied point.
nemra::MainSession CastSession()
{
    nemra::MainSession s = nemra::test::ReportSession();
    nemra::SetMidpointIndex(s, {nemra::kMidNatal, nemra::kSun, 0, false, false});
    return s;
}

QStringList RowTexts(const QTableWidget& grid, int row)
{
    QStringList texts;
    for (int column = 0; column < grid.columnCount(); ++column)
        texts << GridText(grid, row, column);
    return texts;
}

} // namespace

class ReportGridsTest : public QObject {
    Q_OBJECT
  private slots:
    void headersStayAndSavesDoNotAskToReplace()
    {
        nemra::MainSession s = CastSession();
        const nemra::ReportSnapshot snapshot = nemra::MakeReportSnapshot(s);
        const QString studiedPoint = QString::fromStdString(s.FDialSubTitle);
        struct Case {
            const char* name;
            std::function<std::unique_ptr<TReportDialog>()> open;
            QStringList header;
            QStringList firstRow; // the first row under the header, or its leading cells
        };
        const Case cases[] = {
            {"aspect list",
             [&s] { return std::make_unique<TFBriefAspect>(s, s); },
             {"ดวงกำเนิด", "การทำมุม", "ดวงกำเนิด", "ระยะวังกะ"},
             {}},
            {"hit report",
             [&] { return std::make_unique<TFReport>(snapshot, s.TargetLayer); },
             {"การทำมุม", "จุดกระทบ", "สมผุส", "ระยะวังกะ"},
             {"", "อาทิตย์", studiedPoint, ""}},
            {"solar-arc table",
             [&s] { return std::make_unique<TFSolRep>(nemra::SolarArcNatalOf(s.FNatal)); },
             {"อายุ", "วัน/เดือน/ปี", "โค้งปกติ", "ครึ่งโค้ง", "โค้ง 2 เท่า"},
             {"  1", "05/12/2541(1998)"}},
        };
        for (const Case& c : cases) {
            const std::unique_ptr<TReportDialog> dialog = c.open();
            auto* grid = dialog->findChild<QTableWidget*>(QStringLiteral("StringGrid1"));
            QVERIFY2(grid != nullptr, c.name);
            grid->setFixedHeight(120); // a few rows at a time: the list scrolls
            dialog->show();
            QVERIFY2(grid->horizontalHeader()->isVisible(), c.name);
            QVERIFY2(!grid->verticalHeader()->isVisible(), c.name);
            QCOMPARE(RowTexts(*grid, 0), c.header);
            QCOMPARE(RowTexts(*grid, 1).mid(0, c.firstRow.size()), c.firstRow);
            QVERIFY2(GridRows(*grid) > 2, c.name);
            // Scrolled to the end, the header is still on top of the rows.
            grid->scrollToBottom();
            QVERIFY2(grid->verticalScrollBar()->value() > 0, c.name);
            QVERIFY2(grid->horizontalHeader()->isVisible(), c.name);
            QCOMPARE(grid->horizontalHeader()->geometry().bottom() < grid->viewport()->geometry().top(), true);

            const std::unique_ptr<QFileDialog> save = dialog->SaveFileDialog(
                QStringLiteral("บันทึกการทำมุมลงไฟล์"), QStringLiteral("Text File (*.txt)"), QStringLiteral("txt"));
            QVERIFY2(save->testOption(QFileDialog::DontConfirmOverwrite), c.name);
            QCOMPARE(save->acceptMode(), QFileDialog::AcceptSave);
            QCOMPARE(save->defaultSuffix(), QStringLiteral("txt"));
            QCOMPARE(save->windowTitle(), QStringLiteral("บันทึกการทำมุมลงไฟล์"));
        }
    }
};

QTEST_MAIN(ReportGridsTest)
#include "ReportGridsTest.moc"
