// The astronomical data window offscreen: both charts side by side, the copy and the save.
#include "astro/ui/AstronomyForm.h"

#include "core/ThaiText.h"

#include "tests/support/Screenshot.h"
#include "tests/support/TempFiles.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

namespace {

nemra::TChartRecord Cast(const char* date, const char* time)
{
    nemra::TChartRecord chart;
    chart.Input.Name = "ทดสอบ";
    chart.Input.Date = date;
    chart.Input.Time = time;
    chart.Input.TimeZone = "7.00H";
    chart.Input.Latitude = "13.45N";
    chart.Input.Longitude = "100.30E";
    chart.Input.Place = "กรุงเทพฯ";
    nemra::CastChart(chart, {});
    return chart;
}

class ScriptedForm : public TAstronomyForm {
  public:
    using TAstronomyForm::TAstronomyForm;
    QString fileName;
    QStringList messages;

    QString AskSaveFileName(const QString&, const QString&, const QString&) override { return fileName; }
    void ShowMessage(QMessageBox::Icon, const QString& text) override { messages << text; }
};

} // namespace

class AstronomyFormTest : public QObject {
    Q_OBJECT
  private slots:
    void showsCopiesAndSavesBothCharts()
    {
        ScriptedForm form(Cast("05/12/2540", "9.30"), Cast("07/12/2569", "12.30.00"), true);
        form.show();
        for (auto* child : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(!child->objectName().isEmpty(), child->metaObject()->className());
        const QString natal = form.findChild<QPlainTextEdit*>("NatalText")->toPlainText();
        const QString transit = form.findChild<QPlainTextEdit*>("TransitText")->toPlainText();
        QVERIFY(natal.startsWith(QStringLiteral("ดวงกำเนิด: ทดสอบ,05/12/2540")));
        QVERIFY(transit.startsWith(QStringLiteral("ดวงจร: ทดสอบ,07/12/2569")));
        SaveScreenshot(form, "astronomy");

        QTest::mouseClick(form.findChild<QPushButton*>("CopyBtn"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), natal + "\n\n" + transit);

        nemra::test::TempDir dir;
        const auto path = dir.path() / "astro.txt";
        form.fileName = QString::fromStdString(path.string());
        QTest::mouseClick(form.findChild<QPushButton*>("SaveBtn"), Qt::LeftButton);
        QCOMPARE(form.messages, QStringList{QStringLiteral("บันทึกไฟล์เรียบร้อยแล้ว!")});
        std::string expected;
        for (const std::string& line : form.Lines()) {
            QVERIFY2(nemra::IsCp874Text(line), line.c_str()); // nothing turns into '?' in the file
            expected += nemra::ToCp874(line) + "\r\n";
        }
        QVERIFY(nemra::test::ReadBytes(path) == expected);
    }
};

QTEST_MAIN(AstronomyFormTest)
#include "AstronomyFormTest.moc"
