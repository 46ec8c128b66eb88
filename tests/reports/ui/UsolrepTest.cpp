#include "reports/ui/Usolrep.h"

#include "core/ThaiText.h"
#include "mainwin/model/Session.h"
#include "tests/reports/ui/ReportGridText.h"

#include "tests/support/ChartInputs.h"
#include "tests/support/Cp874Lines.h"
#include "tests/support/TempFiles.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <sstream>

namespace {

nemra::SolarArcNatal Natal(const char* date)
{
    nemra::MainSession s;
    nemra::CastNatal(s, nemra::test::BangkokInput(date, "9.30", "7.00H"));
    return nemra::SolarArcNatalOf(s.FNatal);
}

class ScriptedSolRep : public TFSolRep {
  public:
    using TFSolRep::TFSolRep;
    QString fileName;
    QList<QPair<QMessageBox::Icon, QString>> messages;

    QString AskSaveFileName(const QString&, const QString&, const QString&) override { return fileName; }
    void ShowMessage(QMessageBox::Icon icon, const QString& text) override { messages.append({icon, text}); }

    QTableWidget* grid() const { return findChild<QTableWidget*>("StringGrid1"); }
    QString rowLine(int row) const
    {
        QStringList cells;
        for (int column = 0; column < grid()->columnCount(); ++column)
            cells << GridText(*grid(), row, column);
        return cells.join(',');
    }
};

QByteArray ReadBytes(const QString& path)
{
    return QByteArray::fromStdString(nemra::test::ReadBytes(path.toStdString()));
}

} // namespace

class UsolrepTest : public QObject {
    Q_OBJECT
  private slots:
    void showsOneHundredYears()
    {
        ScriptedSolRep form(Natal("15/02/2462"));
        QCOMPARE(form.windowTitle(), QStringLiteral("รายงานโค้งสุริยยาตร์ 100 ปี"));
        QCOMPARE(GridRows(*form.grid()), 101);
        QCOMPARE(form.grid()->columnCount(), 5);
        const int widths[] = {34, 122, 73, 70, 71};
        for (int column = 0; column < 5; ++column)
            QCOMPARE(form.grid()->columnWidth(column), widths[column]);
        QCOMPARE(form.rowLine(0), QStringLiteral("อายุ,วัน/เดือน/ปี,โค้งปกติ,ครึ่งโค้ง,โค้ง 2 เท่า"));
        QVERIFY(form.rowLine(1).startsWith(QStringLiteral("  1,15/02/2463(1921),")));
        QVERIFY(form.rowLine(20).startsWith(QStringLiteral(" 20,15/02/2482(1940),")));
    }

    void savesTheIdentityAndEveryRowAppending()
    {
        ScriptedSolRep form(Natal("05/12/2539"));
        QTemporaryDir dir;
        form.fileName = dir.filePath("solar.txt");
        auto* save = form.findChild<QPushButton*>("BitBtn2");
        save->click();
        save->click();
        QCOMPARE(form.messages.size(), 2);
        QCOMPARE(form.messages[0].second, QStringLiteral("บันทึกไฟล์เรียบร้อยแล้ว!"));
        const QByteArray bytes = ReadBytes(form.fileName);
        const QStringList lines = nemra::test::Cp874Lines(form.fileName);
        QCOMPARE(lines.size(), 2 * 102 + 1); // the last CR LF leaves an empty tail
        QCOMPARE(lines[0], QStringLiteral("ทดสอบ,05/12/2539,9.30,7.00H,13.45N,100.30E"));
        for (int row = 0; row <= 100; ++row)
            QCOMPARE(lines[row + 1], form.rowLine(row));
        QCOMPARE(lines[102], lines[0]);
        QVERIFY(!bytes.contains("\n\n") && bytes.count('\n') == bytes.count("\r\n"));

        form.fileName = "/dev/full";
        save->click();
        QCOMPARE(form.messages.size(), 3);
        QCOMPARE(form.messages.last().first, QMessageBox::Critical);
    }
};

QTEST_MAIN(UsolrepTest)
#include "UsolrepTest.moc"
