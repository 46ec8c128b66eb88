// The graphic ephemeris and timing list windows offscreen: the drawn lines cross the fixed lines
// at the listed dates, a click hands over its date, and the list saves its three files.
#include "timeline/model/TimingList.h"
#include "timeline/ui/GraphEphemerisForm.h"
#include "timeline/ui/TimingListForm.h"

#include "charts/model/ChartMoment.h"
#include "tests/timeline/TimelineTestKit.h"

#include <QSignalSpy>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <sstream>

namespace {

using namespace nemra;

bool IsMarsRed(QRgb pixel)
{
    return qRed(pixel) > 180 && qGreen(pixel) < 110 && qBlue(pixel) < 110;
}

// Whether a pixel of Mars' line lies within `reach` rows of y in columns x-1..x+1.
bool MarsNear(const QImage& image, double x, double y, int reach)
{
    for (int column = static_cast<int>(x) - 1; column <= static_cast<int>(x) + 1; ++column)
        for (int row = static_cast<int>(y) - reach; row <= static_cast<int>(y) + reach; ++row)
            if (image.valid(column, row) && IsMarsRed(image.pixel(column, row)))
                return true;
    return false;
}

// The list window with the file question and the message box scripted.
class ScriptedList : public TTimingListForm {
  public:
    using TTimingListForm::TTimingListForm;
    QString path;
    std::vector<QMessageBox::Icon> messages;
    QString AskSaveFileName(const QString&, const QString&, const QString&) override { return path; }
    void ShowMessage(QMessageBox::Icon icon, const QString&) override { messages.push_back(icon); }
};

std::string FileBytes(const QString& path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Every widget the window builds has a name: its own children, those of the choices and of
// every group box.
void ExpectNamed(QWidget& window)
{
    std::vector<QWidget*> owners = {&window};
    for (QWidget* owner : window.findChildren<QWidget*>())
        if (qobject_cast<TTimelineChoices*>(owner) || owner->inherits("QGroupBox"))
            owners.push_back(owner);
    for (QWidget* owner : owners)
        for (QWidget* child : owner->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(!child->objectName().isEmpty(), child->metaObject()->className());
}

// Saves the window's picture into NEMRA_SCREENSHOTS when that names a folder.
void Screenshot(QWidget& window, const char* name)
{
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QString folder = qEnvironmentVariable("NEMRA_SCREENSHOTS");
    if (!folder.isEmpty())
        QVERIFY(window.grab().save(folder + "/" + QLatin1String(name) + ".png"));
}

} // namespace

class TimelineFormsTest : public QObject {
    Q_OBJECT
  private slots:
    void graphLinesCrossTheFixedLinesAtTheListedDates()
    {
        const TChartRecord natal = test::TimelineNatal();
        const TimelineSettings settings = test::SettingsFrom("01/01/2567", 12, {{MoverLayer::Transit, kMars}},
                                                             {{FixedKind::Factor, kJupiter, kJupiter},
                                                              {FixedKind::Factor, kSaturn, kSaturn},
                                                              {FixedKind::Factor, kNeptune, kNeptune}});
        TGraphEphemerisForm form(natal, settings);
        QCOMPARE(form.windowTitle(), QStringLiteral("กราฟปฏิทินดาว"));
        form.resize(1300, 760);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QImage image = form.Graph()->grab().toImage();
        const GraphScale& scale = form.Graph()->Picture().scale;

        const auto period = *PeriodOf(settings, ZoneSeconds(natal.Input.TimeZone));
        const auto hits = FindTimingHits(natal, settings, period);
        QVERIFY(hits.size() >= 3);
        // The first three hits, while Mars moves fast: its line is on the fixed line at the
        // hit's date and clearly off it forty pixels (about twelve days) before and after.
        for (std::size_t i = 0; i < 3; ++i) {
            const double x = scale.X(hits[i].jdUT);
            const double y = scale.Y(FixedPointLongitude(natal, hits[i].point));
            QVERIFY2(MarsNear(image, x, y, 2), hits[i].picture.c_str());
            QVERIFY2(!MarsNear(image, x - 40, y, 4) && !MarsNear(image, x + 40, y, 4), hits[i].picture.c_str());
        }

        // A click on the plot hands over the date under the pointer.
        QSignalSpy chosen(&form, &TGraphEphemerisForm::DateChosen);
        const double x = scale.X(hits[0].jdUT);
        QTest::mouseClick(form.Graph(), Qt::LeftButton, {}, QPoint(static_cast<int>(x), 200));
        QCOMPARE(chosen.count(), 1);
        const double dayPerPixel = (period.toJdUT - period.fromJdUT) / (scale.Right() - scale.Left());
        QVERIFY(std::fabs(chosen.front().front().toDouble() - hits[0].jdUT) < 1.5 * dayPerPixel);
    }

    void timingListShowsAndSavesTheHits()
    {
        QTemporaryDir dir;
        ScriptedList form(test::TimelineNatal(), test::SaturnStation());
        QCOMPARE(form.Hits().size(), 3u);
        auto* grid = form.findChild<QTableWidget*>(QStringLiteral("HitGrid"));
        QCOMPARE(grid->rowCount(), 3);
        QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("สร จร = นป"));
        QCOMPARE(grid->item(1, 4)->text(), QStringLiteral("พ"));

        form.path = dir.filePath(QStringLiteral("list.txt"));
        form.SaveText();
        QVERIFY(FromCp874(FileBytes(form.path)).find("สร จร = นป") != std::string::npos);
        form.path = dir.filePath(QStringLiteral("list.csv"));
        form.SaveCsv();
        const std::string csv = FileBytes(form.path);
        QCOMPARE(std::count(csv.begin(), csv.end(), '\n'), 4);
        QVERIFY(csv.starts_with("วันที่,เวลา,UTC,จุดกระทบ"));
        form.path = dir.filePath(QStringLiteral("list.ics"));
        form.SaveIcs();
        QVERIFY(FileBytes(form.path).starts_with("BEGIN:VCALENDAR\r\n"));
        QCOMPARE(form.messages, std::vector<QMessageBox::Icon>(3, QMessageBox::Information));

        // A file that cannot be written is reported, not announced as saved.
        form.path = dir.filePath(QStringLiteral("missing/list.ics"));
        form.SaveIcs();
        QCOMPARE(form.messages.back(), QMessageBox::Critical);
    }

    // Both windows over 2567 BE (2024), the year of Saturn's two stations, with the readout of
    // a date under the pointer.
    void screenshots()
    {
        TimelineSettings settings = test::SettingsFrom("01/01/2567", 12, DefaultMovers(), DefaultFixedPoints());
        TGraphEphemerisForm graph(test::TimelineNatal(), settings);
        graph.resize(1280, 780);
        ExpectNamed(graph);
        Screenshot(graph, "graphic-ephemeris");
        QTest::mouseMove(graph.Graph(), QPoint(graph.Graph()->width() / 2, 300));
        Screenshot(graph, "graphic-ephemeris-readout");
        TTimingListForm list(test::TimelineNatal(), settings);
        list.resize(1180, 720);
        ExpectNamed(list);
        Screenshot(list, "timing-list");
    }
};

QTEST_MAIN(TimelineFormsTest)
#include "TimelineFormsTest.moc"
