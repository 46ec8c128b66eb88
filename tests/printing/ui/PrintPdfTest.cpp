// Printed pages as PDF files, read back the way a user's tools read them: the disc pages
// measured on a 300 dpi rendering, the fonts and the text of the pages, the header row of a
// report that runs over pages, and the print entries of the main window.
// With NEMRA_SCREENSHOTS set to a folder, the test also saves a picture of the preview and a
// rendered PDF page there.
#include "core/FactorCatalogue.h"
#include "mainwin/model/DialGeometry.h"
#include "mainwin/model/OwnerChart.h"
#include "mainwin/model/Session.h"
#include "printing/ui/PrintOutput.h"
#include "reports/model/ReportFile.h"
#include "tests/mainwin/ui/ScriptedMainForm.h"
#include "ui/common/QtText.h"

using nemra::ui::FromUtf8;

#include <QAction>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using namespace nemra;
using nemra::print::PageKind;

namespace {

const LocalDateTime kNow{2026, 12, 8, 12, 0, 0};

// The owner chart as natal chart and a transit, every ring shown.
MainSession CastSession()
{
    MainSession s;
    s.FOwnerInput = OwnerChartInput();
    s.GChartInput = OwnerChartInput();
    CastOwner(s);
    CastTransitNow(s, test::UtAt(2026, 12, 8, 5, 0, 0)); // 12.00 at 105°E
    SetDisplayMode(s, kShowAll);
    return s;
}

// Standard output of a poppler tool; empty when it failed.
QString Poppler(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString NoBlanks(QString text)
{
    return text.remove(QRegularExpression("\\s"));
}

// The text of a PDF's pages `first`..`last` without blanks and line ends, as pdftotext
// extracts it (it may split a line where the layout leaves room).
QString PdfText(const QString& pdf, int first = 1, int last = 1000)
{
    return NoBlanks(Poppler("pdftotext", {"-f", QString::number(first), "-l", QString::number(last), pdf, "-"}));
}

QString WriteDocument(const QTemporaryDir& dir, const QString& name, const print::PrintDocument& document,
                      QPageSize::PageSizeId paper = QPageSize::A4, int dpi = 1200)
{
    const QString path = dir.filePath(name);
    return print::WritePdf(path, document, print::DefaultPageLayout(paper), dpi) ? path : QString();
}

// The diameter in pixels of the zodiac ring's outer circle on a page rendered by pdftoppm,
// from the middle of the circle's line on the left to its middle on the right. The ring is
// found by its fill; the line's middle is the darkness-weighted mean of the pixels just
// outside the fill. The chord is taken a few pixels below the centre, clear of the sign
// line drawn along the centre row, and the diameter found from it by Pythagoras.
double RingDiameterPixels(const QImage& rendered)
{
    const QImage page = rendered.convertToFormat(QImage::Format_RGB32);
    const Rgb f = DialColour::kOuterRing360;
    const auto isFill = [&](QRgb p) {
        return std::abs(qRed(p) - f.r) <= 3 && std::abs(qGreen(p) - f.g) <= 3 && std::abs(qBlue(p) - f.b) <= 3;
    };
    int top = page.height(), bottom = -1;
    for (int y = 0; y < page.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x)
            if (isFill(line[x])) {
                top = std::min(top, y);
                bottom = y;
                break;
            }
    }
    constexpr int kBelowCentre = 6;
    const auto* row = reinterpret_cast<const QRgb*>(page.constScanLine((top + bottom) / 2 + kBelowCentre));
    int left = page.width(), right = -1;
    for (int x = 0; x < page.width(); ++x)
        if (isFill(row[x])) {
            left = std::min(left, x);
            right = x;
        }
    const auto lineMiddle = [&](int from, int step) {
        double sum = 0.0, weight = 0.0;
        for (int i = 1; i <= 8; ++i) {
            const int x = from + step * i;
            const double w = std::max(0, 235 - qGreen(row[x]));
            sum += w * x;
            weight += w;
        }
        return sum / weight;
    };
    const double chord = lineMiddle(right, 1) - lineMiddle(left, -1);
    return std::sqrt(chord * chord + 4.0 * kBelowCentre * kBelowCentre);
}

class PrintingMainForm : public ScriptedMainForm {
  public:
    using ScriptedMainForm::ScriptedMainForm;
    QStringList previewed; // the titles of the documents previewed
    void RunPrintPreview(const print::PrintDocument& document) override
    {
        previewed << FromUtf8(document.heading().title);
    }
    int RunDialog(QDialog& dialog) override
    {
        if (dialog.objectName() == "FReport")
            dialog.findChild<QPushButton*>("BitBtn3")->click();
        return ScriptedMainForm::RunDialog(dialog);
    }
};

} // namespace

class PrintPdfTest : public QObject {
    Q_OBJECT
  private slots:
    void discRingHasItsSizeOnAnyPaper_data()
    {
        QTest::addColumn<PageKind>("kind");
        QTest::addColumn<QPageSize::PageSizeId>("paper");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<double>("cm");
        QTest::newRow("12 cm, A4, 1200 dpi") << PageKind::Disc12 << QPageSize::A4 << 1200 << 12.0;
        QTest::newRow("12 cm, Letter, 600 dpi") << PageKind::Disc12 << QPageSize::Letter << 600 << 12.0;
        QTest::newRow("15 cm, Letter, 1200 dpi") << PageKind::Disc15 << QPageSize::Letter << 1200 << 15.0;
        QTest::newRow("15 cm, A4, 300 dpi") << PageKind::Disc15 << QPageSize::A4 << 300 << 15.0;
    }
    void discRingHasItsSizeOnAnyPaper()
    {
        QFETCH(PageKind, kind);
        QFETCH(QPageSize::PageSizeId, paper);
        QFETCH(int, dpi);
        QFETCH(double, cm);
        MainSession s = CastSession();
        s.FNatal.Visible = s.FTransit.Visible = s.FShowV1 = false; // the face alone: nothing crosses the ring
        QTemporaryDir dir;
        const QString pdf = WriteDocument(dir, "disc.pdf", print::SessionDocument(s, kind, kNow), paper, dpi);
        QVERIFY(!pdf.isEmpty());
        QVERIFY2(QProcess::execute("pdftoppm", {"-r", "300", "-png", "-singlefile", pdf, dir.filePath("disc")}) == 0,
                 "pdftoppm (poppler-utils) is needed");
        // 300 dots per inch: cm / 2.54 * 300 pixels, 12 cm = 1417.3; 0.2 mm = 2.36 pixels.
        const double expected = cm / 2.54 * 300.0;
        const double measured = RingDiameterPixels(QImage(dir.filePath("disc.png")));
        QVERIFY2(std::abs(measured - expected) <= 0.02 / 2.54 * 300.0,
                 qPrintable(QString("ring %1 px, expected %2 px").arg(measured).arg(expected)));
        QVERIFY(PdfText(pdf).contains(NoBlanks(FromUtf8(DiscSizeText(static_cast<int>(cm))))));
    }

    void pagesKeepTheirTextAndEmbedEveryFont()
    {
        const MainSession s = CastSession();
        QTemporaryDir dir;
        const QString chart = WriteDocument(dir, "chart.pdf", print::SessionDocument(s, PageKind::Chart, kNow));
        const QString positions =
            WriteDocument(dir, "positions.pdf", print::SessionDocument(s, PageKind::Positions, kNow));
        QVERIFY(!chart.isEmpty() && !positions.isEmpty());
        for (const QString& pdf : {chart, positions}) {
            // Two header lines, then one line per font: ... emb sub uni object generation.
            const QStringList fonts = Poppler("pdffonts", {pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
            QVERIFY2(!fonts.isEmpty(), "pdffonts (poppler-utils) is needed");
            for (const QString& font : fonts) {
                const QStringList fields = font.split(' ', Qt::SkipEmptyParts);
                QVERIFY2(fields.size() >= 6 && fields[fields.size() - 5] == "yes", qPrintable(font));
            }
            if (pdf == chart)
                QVERIFY(Poppler("pdffonts", {pdf}).contains("Zodiglyph"));
            QVERIFY(PdfText(pdf).contains(NoBlanks(FromUtf8(s.FNatal.Input.Name.str()))));
        }
        const QString text = PdfText(positions);
        for (int factor = 1; factor <= kLastPositionedFactor; ++factor)
            QVERIFY2(text.contains(NoBlanks(FromUtf8(FactorNamesThai[static_cast<std::size_t>(factor)]))),
                     qPrintable(FromUtf8(FactorNamesThai[static_cast<std::size_t>(factor)])));
    }

    void longReportRepeatsItsHeaderRow()
    {
        const MainSession s = CastSession();
        const SolarArcNatal natal = SolarArcNatalOf(s.FNatal);
        const std::vector<SolarArcRow> rows = BuildSolarArcTable(natal);
        QTemporaryDir dir;
        const QString pdf =
            WriteDocument(dir, "report.pdf", print::ReportDocument(SolarArcPrint("โค้ง 100 ปี", natal, rows, kNow)));
        QVERIFY(!pdf.isEmpty());
        const QString first = PdfText(pdf, 1, 1);
        const QString second = PdfText(pdf, 2, 2);
        QVERIFY(first.contains(NoBlanks(FromUtf8(IdentityLine(natal.Input)))));
        for (const std::string& cell : SolarArcHeaderCells())
            QVERIFY2(second.contains(NoBlanks(FromUtf8(cell))), qPrintable(FromUtf8(cell)));
        QVERIFY(second.contains(QStringLiteral("หน้า2/")));
        QVERIFY(PdfText(pdf).contains(NoBlanks(FromUtf8(rows.back().cells[1])))); // the last row is printed too
    }

    void printEntriesNeedACast()
    {
        QTemporaryDir empty;
        PrintingMainForm form(FixedNow, empty.path());
        const QStringList entries = {"MnPrintChart", "MnPrintDisc12",   "MnPrintDisc15",   "MnPrintSompus",
                                     "Pop1Print",    "Pop1PrintDisc12", "Pop1PrintDisc15", "Pop2Print"};
        form.session().FNatal.Computed = form.session().FTransit.Computed = false;
        form.UpdateCommandState();
        for (const QString& name : entries)
            QVERIFY2(!form.item(name)->isEnabled(), qPrintable(name));
        form.session().FNatal.Computed = true;
        form.UpdateCommandState();
        for (const QString& name : entries) {
            QVERIFY2(form.item(name)->isEnabled(), qPrintable(name));
            form.item(name)->trigger();
        }
        form.ReportOnIndex(); // its print button
        QCOMPARE(form.previewed.size(), entries.size() + 1);
        QCOMPARE(form.previewed.last(), QStringLiteral("รายงานการทำมุม"));
        form.item("MnPrintSetup")->trigger();
        QVERIFY(form.shown.contains("PageSetup"));
    }

    void pictures()
    {
        const QString folder = qEnvironmentVariable("NEMRA_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("NEMRA_SCREENSHOTS not set");
        MainSession s = CastSession();
        s.FMaxContracia = 5;
        const print::PrintDocument document = print::SessionDocument(s, PageKind::Disc12, kNow);
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageLayout(print::DefaultPageLayout());
        const auto preview = print::MakePrintPreview(printer, document, {}, nullptr);
        preview->resize(900, 760);
        preview->show();
        QVERIFY(QTest::qWaitForWindowExposed(preview.get()));
        QTest::qWait(200);
        QVERIFY(preview->grab().save(folder + "/print-preview.png"));
        QTemporaryDir dir;
        const QString pdf = WriteDocument(dir, "chart.pdf", print::SessionDocument(s, PageKind::Chart, kNow));
        QCOMPARE(QProcess::execute("pdftoppm", {"-r", "80", "-png", "-singlefile", pdf, folder + "/print-chart-page"}),
                 0);
    }
};

QTEST_MAIN(PrintPdfTest)
#include "PrintPdfTest.moc"
