// The dial renderer on an offscreen bitmap: pixels of the face at computed points in their
// colours, the glyph positions it stores, and what the session's switches change.
// With NEMRA_DIAL_PICTURES set to a folder, the test also saves dial-360.png and
// dial-90.png there for a look by eye.
#include "dials/ui/DialRenderer.h"
#include "core/AngleMath.h"
#include "mainwin/model/DialInteraction.h"
#include "mainwin/model/HouseCusps.h"
#include "mainwin/model/OwnerChart.h"
#include "mainwin/model/Session.h"
#include "tests/support/UtMoment.h"
#include "ui/common/DialFonts.h"

#include <QFontDatabase>
#include <QtTest>

using namespace nemra;
using namespace nemra::ui;

namespace {

QColor Q(Rgb c)
{
    return QColor(c.r, c.g, c.b);
}

// Both charts cast at fixed moments, every layer shown, all reflections drawn.
MainSession CastSession()
{
    MainSession s;
    s.FOwnerInput = OwnerChartInput();
    s.GChartInput = OwnerChartInput();
    s.GChartInput.Name = "ดวงจรขณะนี้";
    CastOwner(s);
    CastTransitNow(s, test::UtAt(2026, 12, 8, 5, 0, 0)); // noon at 105°E
    SetDisplayMode(s, kShowAll);
    s.FMaxContracia = 21;
    return s;
}

// Both charts cast but no ring shown: the face alone.
MainSession FaceOnlySession()
{
    MainSession s = CastSession();
    s.FNatal.Visible = false;
    s.FTransit.Visible = false;
    s.FShowV1 = false;
    return s;
}

// True when a pixel of the colour lies within `slack` pixels of p.
bool HasColourNear(const QImage& img, DialPixel p, Rgb colour, int slack = 1)
{
    for (int dy = -slack; dy <= slack; ++dy)
        for (int dx = -slack; dx <= slack; ++dx) {
            const QPoint q(p.x + dx, p.y + dy);
            if (img.rect().contains(q) && img.pixelColor(q) == Q(colour))
                return true;
        }
    return false;
}

// Number of pixels of a colour in the rectangle [x0, x1) x [y0, y1).
int CountColour(const QImage& img, QRect r, Rgb colour)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += img.rect().contains(x, y) && img.pixelColor(x, y) == Q(colour);
    return n;
}

// Number of near-black pixels (text is smoothed) in a rectangle.
int CountDark(const QImage& img, QRect r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor q = img.pixelColor(x, y);
            n += img.rect().contains(x, y) && q.red() < 90 && q.green() < 90 && q.blue() < 90;
        }
    return n;
}

// Number of whole radii from r0 to r1 at which the spoke at `angle` shows the colour.
int SpokeHits(const QImage& img, double angle, int r0, int r1, Rgb colour, int c)
{
    int n = 0;
    for (int r = r0; r <= r1; ++r)
        n += HasColourNear(img, DialPoint(angle, r, c), colour, 1);
    return n;
}

// Midpoint of a spoke, where no other drawing reaches on an empty ring.
DialPixel Mid(double angle, double r0, double r1, int c)
{
    return DialPoint(angle, (r0 + r1) / 2.0, c);
}

} // namespace

class DialRendererTest : public QObject {
    Q_OBJECT
  private slots:
    void glyphFontIsRegistered()
    {
        QVERIFY(RegisterDialFonts());
        QVERIFY(QFontDatabase::families().contains(QString::fromLatin1(kGlyphFontFamily)));
        QVERIFY(QFontMetrics(GlyphFont(16)).inFontUcs4(0xC1)); // the Sun
    }

    void highDensityImageKeepsItsResolutionAndGeometry()
    {
        MainSession s;
        QImage normal;
        DrawChart(s, normal);
        QImage sharp(1042, 1042, QImage::Format_RGB32);
        sharp.setDevicePixelRatio(2.0);
        DrawChart(s, sharp);
        QCOMPARE(sharp.size(), QSize(1042, 1042));
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        const int c = s.FChartCenter;
        // The same picture at twice the pixels: the outer ring where the 1x dial has it.
        QCOMPARE(sharp.pixelColor(2 * (c + 200), 2 * (c - 10)), normal.pixelColor(c + 200, c - 10));
    }

    void bareFaceBeforeAnyCast()
    {
        MainSession s;
        QImage img;
        DrawChart(s, img);
        QCOMPARE(img.size(), QSize(521, 521));
        const int c = s.FChartCenter;
        QCOMPARE(img.pixelColor(0, 0), Q(DialColour::kFrame));
        QCOMPARE(img.pixelColor(5, 510), Q(DialColour::kBackground));
        QCOMPARE(img.pixelColor(c + 200, c - 10), Q(DialColour::kOuterRing360)); // between 175 and 215
        QCOMPARE(img.pixelColor(c + 160, c + 3), Q(DialColour::kBackground));    // between 140 and 175
        QVERIFY(HasColourNear(img, DialPoint(30, DialRadius::kOuter, c), DialColour::kPurple));
        QVERIFY(HasColourNear(img, DialPoint(100, DialRadius::kScale, c), DialColour::kScale));
        // No factor glyphs and no arc caption without charts.
        QCOMPARE(CountColour(img, QRect(0, 495, 200, 25), DialColour::kBlack), 0);
        // The title is drawn in black at the top left.
        QVERIFY(CountDark(img, QRect(0, 0, 120, 24)) > 20);
    }

    void fixedZodiacAndHouseRing()
    {
        MainSession s = FaceOnlySession();
        s.FDialRotation = 90.0;
        s.FIndexDial = 1;
        s.GHouseChart = nemra::kLayerNone;
        QImage img;
        DrawChart(s, img);
        const int c = s.FChartCenter;
        // Sign borders every 30 degrees, not turned by the rotation.
        for (int i = 1; i <= 12; ++i) {
            QVERIFY2(SpokeHits(img, 30.0 * i, 12, 88, DialColour::kPurple, c) > 40, qPrintable(QString::number(i)));
        }
        // The house ring turned by 90: the index line (red) at the left, sector 3 (blue) at the bottom.
        QVERIFY(HasColourNear(img, Mid(90, 90, 140, c), DialColour::kRed, 1));
        QVERIFY(HasColourNear(img, Mid(180, 90, 140, c), DialColour::kBlue, 1));
        QVERIFY(HasColourNear(img, Mid(150, 100, 115, c), DialColour::kPurple, 1));
        // Sign glyphs in their element colours near their anchors.
        const QRect aries(DialPoint(15, 50, c).x - 16, DialPoint(15, 50, c).y - 16, 32, 32);
        QVERIFY(CountColour(img, aries, DialColour::kRed) > 5);
        const QRect cancer(DialPoint(105, 50, c).x - 16, DialPoint(105, 50, c).y - 16, 32, 32);
        QVERIFY(CountColour(img, cancer, DialColour::kBlue) > 5);
        // Half-quadrant pointers at rotation + 45 + 90 i, in the scale colour.
        for (int i = 0; i < 4; ++i)
            QVERIFY(HasColourNear(img, Mid(135 + 90 * i, 122, 138, c), DialColour::kScale, 1));
        // No dotted cusp lines without a house chart: the ring beyond 215 is bare but for the
        // axis marker at the top.
        for (double a = 5; a < 356; a += 1)
            QVERIFY(!HasColourNear(img, DialPoint(a, 240, c), DialColour::kRed, 0));
    }

    void rotationTurnsTheRingButNotTheZodiac()
    {
        MainSession s = CastSession();
        s.FDialRotation = 0.0;
        QImage img;
        DrawChart(s, img);
        const int c = s.FChartCenter;
        QVERIFY(HasColourNear(img, Mid(0, 90, 140, c), DialColour::kRed, 1));
        QVERIFY(HasColourNear(img, Mid(90, 90, 140, c), DialColour::kBlue, 1));
        QVERIFY(HasColourNear(img, Mid(45, 122, 138, c), DialColour::kScale, 1));
        s.FDialRotation = 37.0;
        DrawChart(s, img);
        QVERIFY(HasColourNear(img, Mid(37, 92, 138, c), DialColour::kRed, 1));
        QVERIFY(HasColourNear(img, Mid(127, 92, 118, c), DialColour::kBlue, 1));
        QVERIFY(HasColourNear(img, Mid(30, 10, 30, c), DialColour::kPurple, 1)); // zodiac still fixed
    }

    void subtitleTurnsTheQuadrantLinePurple()
    {
        MainSession s = CastSession();
        s.FDialSubTitle = "15มษ34";
        QImage img;
        DrawChart(s, img);
        QVERIFY(HasColourNear(img, Mid(180, 100, 115, s.FChartCenter), DialColour::kPurple, 1));
    }

    void axisMarkerFollowsTheAxis()
    {
        MainSession s = FaceOnlySession();
        const int c = s.FChartCenter;
        QImage img;
        DrawChart(s, img);
        QCOMPARE(img.pixelColor(c, 70), Q(DialColour::kRed));
        SetAxis(s, 180);
        DrawChart(s, img);
        QCOMPARE(img.pixelColor(70, c), Q(DialColour::kRed));
        QVERIFY(img.pixelColor(c, 70) != Q(DialColour::kRed));
        s.FDialType = nemra::kDial90;
        DrawChart(s, img);
        QCOMPARE(img.pixelColor(c, 70), Q(DialColour::kRed)); // always at the top on the 90 dial
    }

    void meridianHouseCuspsAreDotted()
    {
        MainSession s = FaceOnlySession();
        s.FIndexDial = 1;
        s.GHouseChart = nemra::kLayerNatal;
        QImage img;
        DrawChart(s, img);
        const int c = s.FChartCenter;
        // The natal Meridian is cusp 10: a red dotted line from 140 to 260 at its longitude.
        const auto cusps = MeridianHouseCusps(s.FNatal.SiderealTime, s.FNatal.Obliquity);
        QVERIFY(std::abs(ShortestArc(cusps[9], s.FNatal.Factors[kMeridian].Lon)) < 1e-9);
        for (double cusp : cusps)
            QVERIFY(SpokeHits(img, cusp, 220, 255, DialColour::kRed, c) > 10);
        QVERIFY(SpokeHits(img, cusps[0], 150, 255, DialColour::kRed, c) > 30);
        s.GHouseChart = nemra::kLayerNone;
        DrawChart(s, img);
        QCOMPARE(SpokeHits(img, cusps[0], 150, 255, DialColour::kRed, c), 0);
    }

    void reflectedHouseLinesJoinTheLabelPoints()
    {
        MainSession s = FaceOnlySession();
        s.FIndexDial = 1;
        s.GHouseChart = nemra::kLayerNone;
        s.FDialRotation = 90.0;
        s.FHouseLines = true;
        QImage img;
        DrawChart(s, img);
        const int c = s.FChartCenter;
        // Pair 6-7 with FIndexDial 1: house n sits in sector n - 9 (mod 12), anchor at 30 i + 90 - 15.
        const auto anchor = [&](int house) {
            const int sector = (house + 2) % 12 + 1;
            return DialPoint(30.0 * sector + 90.0 - 15.0, 95, c);
        };
        const DialPixel a = anchor(6);
        const DialPixel b = anchor(7);
        QVERIFY(HasColourNear(img, {(a.x + b.x) / 2, (a.y + b.y) / 2}, DialColour::kRed));
        // A reflected factor as index: no lines.
        s.FIndexDial = -1;
        s.FIndexMode = 3;
        DrawChart(s, img);
        QVERIFY(!HasColourNear(img, {(a.x + b.x) / 2, (a.y + b.y) / 2}, DialColour::kRed));
    }

    void arcCaptionOnlyWithBothCharts()
    {
        MainSession s = CastSession();
        QImage img;
        DrawChart(s, img);
        QCOMPARE(img.pixelColor(300, 520), Q(DialColour::kFrame));
        QVERIFY(CountDark(img, QRect(2, 500, 120, 18)) > 20);
        MainSession natalOnly;
        natalOnly.FOwnerInput = OwnerChartInput();
        CastOwner(natalOnly);
        DrawChart(natalOnly, img);
        QCOMPARE(CountDark(img, QRect(2, 500, 120, 18)), 0);
    }

    void glyphPositionsAreStoredPerLayer()
    {
        MainSession s = CastSession();
        QImage img;
        DrawChart(s, img);
        const int c = s.FChartCenter;
        struct Ring {
            const TChartRecord* rec;
            double trueRadius;
            int first;
        };
        for (const Ring& ring : {Ring{&s.FNatal, 155, 1}, Ring{&s.FProgressed, 195, 0}, Ring{&s.FTransit, 235, 1}}) {
            for (int f = ring.first; f <= 21; ++f) {
                const auto i = static_cast<std::size_t>(f);
                const DialPixel at{ring.rec->GlyphX[i][kTrueGlyph], ring.rec->GlyphY[i][kTrueGlyph]};
                // The stored corner lies about half a glyph up-left of a point on the glyph ring.
                const double dx = at.x + 10 - c;
                const double dy = at.y + 10 - c;
                QVERIFY2(std::abs(std::hypot(dx, dy) - ring.trueRadius) < 14, qPrintable(QString::number(f)));
                const bool reflected = f >= 1;
                QCOMPARE(ring.rec->GlyphX[i][kReflectedGlyph] != -20, reflected);
            }
        }
        // The sun's glyph is drawn in red near its stored corner.
        const QRect sun(s.FNatal.GlyphX[kSun][kTrueGlyph], s.FNatal.GlyphY[kSun][kTrueGlyph], 22, 24);
        QVERIFY(CountColour(img, sun, DialColour::kRed) > 5);
        // Saturn (not a personal point) in blue on the transit ring, V1 Saturn in dark green.
        const QRect sat(s.FTransit.GlyphX[kSaturn][kTrueGlyph], s.FTransit.GlyphY[kSaturn][kTrueGlyph], 22, 24);
        QVERIFY(CountColour(img, sat, DialColour::kBlue) > 5);
        const QRect v1(s.FProgressed.GlyphX[kSaturn][kTrueGlyph], s.FProgressed.GlyphY[kSaturn][kTrueGlyph], 22, 24);
        QVERIFY(CountColour(img, v1, DialColour::kArcOther) > 5);
    }

    void reflectionCountAndHiddenLayers()
    {
        MainSession s = CastSession();
        s.FMaxContracia = 5;
        QImage img;
        DrawChart(s, img);
        for (int f = 1; f <= 21; ++f) {
            const auto i = static_cast<std::size_t>(f);
            QCOMPARE(s.FNatal.GlyphX[i][kReflectedGlyph] == -20, f > 5);
            QCOMPARE(s.FTransit.GlyphY[i][kReflectedGlyph] == -20, f > 5);
        }
        s.FMaxContracia = 0;
        SetDisplayMode(s, kShowTransit);
        s.FNatal.GlyphX[kSun] = {7, 7};
        DrawChart(s, img);
        QCOMPARE(s.FNatal.GlyphX[kSun][kTrueGlyph], 7); // a hidden layer keeps its old values
        QCOMPARE(s.FTransit.GlyphX[kSun][kReflectedGlyph], -20);
        // With the natal ring hidden the transit leader is one line from 140 to 215.
        const int c = s.FChartCenter;
        const double sun = s.FTransit.Factors[kSun].Lon;
        int hits = 0;
        for (int r = 150; r <= 205; r += 5)
            hits += HasColourNear(img, DialPoint(sun, r, c), DialColour::kRed, 1);
        QCOMPARE(hits, 12);
    }

    void ninetyDialMarks()
    {
        MainSession s = FaceOnlySession();
        s.FDialType = nemra::kDial90;
        s.FDialRotation = 0.0;
        QImage img;
        DrawChart(s, img);
        const int c = s.FChartCenter;
        QCOMPARE(img.pixelColor(c + 200, c + 10), Q(DialColour::kOuterRing90));
        // The index mark (dial 0) is red at the top, 22.5 (screen 90) blue.
        QVERIFY(HasColourNear(img, Mid(0, 70, 100, c), DialColour::kRed, 1));
        QVERIFY(HasColourNear(img, Mid(90, 70, 100, c), DialColour::kBlue, 1));
        // The filled pointer: red inside its four corners.
        QVERIFY(HasColourNear(img, DialPoint(0, 120, c), DialColour::kRed, 0));
        // Blue band between radius 90 and 100 over dial values 5-10 (screen 20-40), none over 0-5;
        // the overlapping blocks leave a purple outline every 2 degrees.
        QCOMPARE(img.pixelColor(QPoint(DialPoint(31, 95, c).x, DialPoint(31, 95, c).y)), Q(DialColour::kBlue));
        QVERIFY(img.pixelColor(QPoint(DialPoint(11, 95, c).x, DialPoint(11, 95, c).y)) != Q(DialColour::kBlue));
        // The thirds' borders stand fixed at 0, 120 and 240 degrees whatever the rotation.
        s.FDialRotation = 10.0;
        DrawChart(s, img);
        QVERIFY(HasColourNear(img, Mid(240, 180, 200, c), DialColour::kThirds, 1));
        QVERIFY(HasColourNear(img, Mid(120, 180, 200, c), DialColour::kThirds, 1));
        // The scale turned by 4 x 10 degrees: the index mark now at 40.
        QVERIFY(HasColourNear(img, Mid(40, 70, 100, c), DialColour::kRed, 1));
    }

    void ninetyDialGlyphsAtFourTimesTheLongitude()
    {
        MainSession s = CastSession();
        s.FDialType = nemra::kDial90;
        QImage img;
        DrawChart(s, img);
        const int c = s.FChartCenter;
        for (int f = 1; f <= 21; ++f) {
            const auto i = static_cast<std::size_t>(f);
            // The leader starts on the scale circle at 4 x the longitude.
            const double a = Normalize360(4.0 * s.FNatal.Factors[i].Lon);
            const Rgb colour = f <= 5 ? DialColour::kRed : DialColour::kBlue;
            QVERIFY2(HasColourNear(img, DialPoint(a, 141, c), colour, 2) || f > 5, qPrintable(QString::number(f)));
            QVERIFY(s.FNatal.GlyphX[i][kTrueGlyph] != -20);
        }
    }

    // What the dial draws is what is picked and kept apart: the two-letter "MC" glyph is
    // picked over the whole of its ink, and long titles stay out of the glyph rings.
    void drawnGlyphsAndTitlesKeepTheirPlaces()
    {
        // The natal Meridian alone on the right of the dial (screen angle 270: the glyph box
        // starts at its anchor, the leader ends on the box's top row), the others far away.
        MainSession s = CastSession();
        SetDisplayMode(s, kShowNatal);
        s.FMaxContracia = 0;
        for (std::size_t f = 0; f < kFactorCount; ++f)
            s.FNatal.Factors[f].Lon = 10.0 * static_cast<double>(f);
        s.FNatal.Factors[kMeridian].Lon = 270.0;
        QImage img;
        DrawChart(s, img);
        const int left = s.FNatal.GlyphX[kMeridian][kTrueGlyph];
        const int top = s.FNatal.GlyphY[kMeridian][kTrueGlyph];
        int inkRight = -1; // the rightmost red pixel of the glyph, read from the picture
        for (int y = top + 2; y < top + 15; ++y)
            for (int x = left; x < left + 40; ++x) {
                const QColor q = img.pixelColor(x, y);
                if (q.red() > 200 && q.green() < 150 && q.blue() < 150)
                    inkRight = std::max(inkRight, x);
            }
        QVERIFY2(inkRight >= left + kOneGlyphWidth, "MC is drawn wider than one letter");
        QVERIFY(PickDialPoint(s, inkRight, top + 8));
        QCOMPARE(s.FIndexFactorA, int(kMeridian));
        QCOMPARE(s.FIndexMode, 2);

        // Transit glyphs every 5 degrees across the top-left quarter, under long titles.
        struct Case {
            const char* title;
            const char* subtitle;
        };
        const Case cases[] = {
            {"AR+SU-(MC/SU) V2 โค้ง 2 เท่า", "12มษ30"},
            {"-(อาทิตย์/จันทร์) จร (จุดสะท้อนของศูนย์รังสี)", "-(อาทิตย์/จันทร์)=(พฤหัส/เสาร์) ทำมุมกับ"},
        };
        for (const Case& c : cases) {
            MainSession t = CastSession();
            SetDisplayMode(t, kShowTransit);
            for (std::size_t f = 0; f < kFactorCount; ++f)
                t.FTransit.Factors[f].Lon = 3.0 + 5.0 * static_cast<double>(f);
            t.FDialTitle = c.title;
            t.FDialSubTitle = c.subtitle;
            QImage dial;
            DrawChart(t, dial);
            QVERIFY2(CountDark(dial, QRect(1, 1, 60, 44)) > 0, c.title); // the titles are there
            for (std::size_t f = 1; f <= kLastPositionedFactor; ++f) {
                const QRect box(t.FTransit.GlyphX[f][kTrueGlyph], t.FTransit.GlyphY[f][kTrueGlyph], t.FGlyphWidths[f],
                                kOneGlyphWidth);
                QVERIFY2(CountDark(dial, box) == 0, qPrintable(QStringLiteral("%1: glyph %2").arg(c.title).arg(f)));
            }
        }
    }

    void savesPicturesWhenAsked()
    {
        const QByteArray folder = qgetenv("NEMRA_DIAL_PICTURES");
        if (folder.isEmpty())
            QSKIP("NEMRA_DIAL_PICTURES not set");
        MainSession s = CastSession();
        s.FHouseLines = false;
        s.FIndexDial = 1;
        s.GHouseChart = nemra::kLayerNatal;
        s.FMaxContracia = 5;
        QImage img;
        DrawChart(s, img);
        QVERIFY(img.save(QString::fromLocal8Bit(folder) + "/dial-360.png"));
        s.FDialType = nemra::kDial90;
        DrawChart(s, img);
        QVERIFY(img.save(QString::fromLocal8Bit(folder) + "/dial-90.png"));
    }
};

QTEST_MAIN(DialRendererTest)
#include "DialRendererTest.moc"
