// The dial's mouse adapter: events on the chart area and the grid reach the session, the
// pointer shapes follow the drag, and the window hears what to refresh.
#include "mainwin/ui/DialMouse.h"
#include "mainwin/model/Session.h"

#include "mainwin/model/DialGeometry.h"

#include <QApplication>
#include <QTableWidget>
#include <QtTest>

using namespace nemra;

namespace {

constexpr int kC = 261;

void Send(QWidget* to, QEvent::Type type, QPoint at, Qt::MouseButtons held, Qt::KeyboardModifiers keys = Qt::NoModifier,
          Qt::MouseButton button = Qt::LeftButton)
{
    if (type == QEvent::MouseMove)
        button = Qt::NoButton;
    QMouseEvent event(type, QPointF(at), to->mapToGlobal(QPointF(at)), button, held, keys);
    QApplication::sendEvent(to, &event);
}

void DoubleClick(QWidget* to, QPoint at, Qt::KeyboardModifiers keys = Qt::NoModifier)
{
    Send(to, QEvent::MouseButtonPress, at, Qt::LeftButton, keys);
    Send(to, QEvent::MouseButtonRelease, at, Qt::NoButton, keys);
    Send(to, QEvent::MouseButtonDblClick, at, Qt::LeftButton, keys);
    Send(to, QEvent::MouseButtonRelease, at, Qt::NoButton, keys);
}

QPoint Pixel(double angle, double radius = 120)
{
    const DialPixel p = DialPoint(angle, radius, kC);
    return {p.x, p.y};
}

// Natal chart on screen, its Sun's glyph drawn with its top-left corner at (400, 60).
MainSession NatalOnScreen()
{
    MainSession s;
    s.FNatal.Computed = s.FNatal.Visible = true;
    for (std::size_t i = 0; i < kFactorCount; ++i) {
        s.FNatal.Factors[i] = {10.0 * static_cast<double>(i), 360.0 - 10.0 * static_cast<double>(i)};
        s.FNatal.GlyphX[i] = s.FNatal.GlyphY[i] = {-20, -20};
    }
    s.FNatal.GlyphX[kSun][kTrueGlyph] = 400;
    s.FNatal.GlyphY[kSun][kTrueGlyph] = 60;
    return s;
}

} // namespace

class DialMouseTest : public QObject {
    Q_OBJECT
  private slots:
    void dragTurnsTheRingUnderTheClosedHand()
    {
        MainSession s = NatalOnScreen();
        QWidget area;
        area.resize(521, 521);
        area.setMouseTracking(true); // as the chart area: moves without a button arrive
        TDialMouse mouse(s, &area, nullptr);
        int redraws = 0;
        connect(&mouse, &TDialMouse::refreshNeeded, this, [&](const DialRefresh& r) { redraws += r.drawChart; });

        Send(&area, QEvent::MouseMove, Pixel(0), Qt::NoButton);
        QCOMPARE(area.cursor().shape(), Qt::OpenHandCursor);
        Send(&area, QEvent::MouseButtonPress, Pixel(0), Qt::RightButton, Qt::NoModifier, Qt::RightButton);
        QVERIFY(!mouse.state().FDragging); // the right button is the pop-up menu's
        Send(&area, QEvent::MouseButtonPress, Pixel(0), Qt::LeftButton);
        QVERIFY(QApplication::overrideCursor() != nullptr);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::ClosedHandCursor);
        Send(&area, QEvent::MouseMove, Pixel(90), Qt::LeftButton);
        QCOMPARE(s.FDialRotation, 180.0);
        QCOMPARE(redraws, 1);
        Send(&area, QEvent::MouseButtonRelease, Pixel(90), Qt::NoButton);
        QVERIFY(QApplication::overrideCursor() == nullptr);
        QCOMPARE(area.cursor().shape(), Qt::ArrowCursor);
        QVERIFY(!mouse.state().FDragging);
    }

    void doubleClickPicksUnlessOnlyCtrlIsHeld()
    {
        MainSession s = NatalOnScreen();
        QWidget area;
        area.resize(521, 521);
        TDialMouse mouse(s, &area, nullptr);
        DoubleClick(&area, {405, 65}, Qt::ControlModifier);
        QCOMPARE(s.FIndexMode, 0);
        DialRefresh seen;
        connect(&mouse, &TDialMouse::refreshNeeded, this, [&](const DialRefresh& r) { seen = r; });
        DoubleClick(&area, {405, 65});
        QCOMPARE(s.FIndexMode, 2);
        QCOMPARE(s.FIndexFactorA, static_cast<int>(kSun));
        QVERIFY(seen.drawChart && seen.commandState);
    }

    void gridDoubleClickPicksTheCurrentCell()
    {
        MainSession s = NatalOnScreen();
        QTableWidget grid(22, 4);
        grid.resize(300, 500);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        TDialMouse mouse(s, nullptr, &grid);
        const QRect cell = grid.visualRect(grid.model()->index(3, 1));
        DoubleClick(grid.viewport(), cell.center());
        QCOMPARE(grid.currentRow(), 3);
        QCOMPARE(s.FIndexFactorA, 3);
        QCOMPARE(s.IndexLayer, static_cast<int>(kLayerNatal));
        QCOMPARE(s.FDialRotation, s.FNatal.Factors[3].Lon);
    }
};

QTEST_MAIN(DialMouseTest)
#include "DialMouseTest.moc"
