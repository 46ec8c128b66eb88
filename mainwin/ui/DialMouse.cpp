#include "mainwin/ui/DialMouse.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTableWidget>

QCursor DialCursorShape(nemra::DialCursor cursor)
{
    switch (cursor) {
    case nemra::DialCursor::Grip:
        return QCursor(Qt::OpenHandCursor);
    case nemra::DialCursor::Grab:
        return QCursor(Qt::ClosedHandCursor);
    default:
        return QCursor(Qt::ArrowCursor);
    }
}

nemra::KeyState KeyStateOf(Qt::KeyboardModifiers modifiers)
{
    nemra::KeyState keys;
    keys.shift = modifiers.testFlag(Qt::ShiftModifier);
    keys.ctrl = modifiers.testFlag(Qt::ControlModifier);
    keys.other = modifiers.testAnyFlags(Qt::AltModifier | Qt::MetaModifier);
    return keys;
}

namespace {

QPoint PixelOf(const QMouseEvent& event)
{
    return event.position().toPoint();
}

bool Any(const nemra::DialRefresh& r)
{
    return r != nemra::DialRefresh{};
}

} // namespace

TDialMouse::TDialMouse(nemra::MainSession& session, QWidget* chartArea, QTableWidget* grid, QObject* parent)
    : QObject(parent)
    , FSession(session)
    , FChartArea(chartArea)
    , FGrid(grid)
{
    setObjectName("DialMouse");
    if (chartArea)
        chartArea->installEventFilter(this);
    if (grid)
        grid->viewport()->installEventFilter(this);
}

TDialMouse::~TDialMouse()
{
    SetScreenGrab(false);
}

nemra::DialRefresh TDialMouse::ChartAreaMouseDown(const QMouseEvent& event)
{
    // The right button opens the dial's pop-up menu, which takes the mouse-up that would
    // end a drag; it turns nothing.
    if (event.button() == Qt::RightButton)
        return {};
    const QPoint p = PixelOf(event);
    return Apply(nemra::DialMouseDown(FState, FSession, p.x(), p.y()));
}

nemra::DialRefresh TDialMouse::ChartAreaMouseMove(const QMouseEvent& event)
{
    const QPoint p = PixelOf(event);
    return Apply(nemra::DialMouseMove(FState, FSession, p.x(), p.y(), event.buttons() != Qt::NoButton));
}

nemra::DialRefresh TDialMouse::ChartAreaMouseUp(const QMouseEvent& event)
{
    const QPoint p = PixelOf(event);
    return Apply(nemra::DialMouseUp(FState, FSession, p.x(), p.y(), KeyStateOf(event.modifiers())));
}

nemra::DialRefresh TDialMouse::ChartAreaDblClick(const QMouseEvent& event)
{
    // The double-click stands in for the second press of the pair.
    nemra::DialDoubleClick(FState);
    return ChartAreaMouseDown(event);
}

void TDialMouse::StringGrid1DblClick()
{
    nemra::GridDoubleClick(FState);
}

nemra::DialRefresh TDialMouse::StringGrid1MouseUp(const QMouseEvent& event)
{
    const int column = FGrid ? FGrid->currentColumn() : -1;
    const int row = FGrid ? FGrid->currentRow() : -1;
    return nemra::GridMouseUp(FState, FSession, column, row, KeyStateOf(event.modifiers()));
}

nemra::DialRefresh TDialMouse::Apply(const nemra::DialMouseResult& result)
{
    if (result.areaCursor && FChartArea)
        FChartArea->setCursor(DialCursorShape(*result.areaCursor));
    if (result.screenCursor)
        SetScreenGrab(*result.screenCursor == nemra::DialCursor::Grab);
    return result.refresh;
}

void TDialMouse::SetScreenGrab(bool on)
{
    if (on == FScreenGrab)
        return;
    FScreenGrab = on;
    if (on)
        QApplication::setOverrideCursor(DialCursorShape(nemra::DialCursor::Grab));
    else
        QApplication::restoreOverrideCursor();
}

bool TDialMouse::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseMove
                       || type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonDblClick;
    if (mouse && watched == FChartArea)
        DispatchChartEvent(type, static_cast<const QMouseEvent&>(*event));
    else if (mouse && FGrid && watched == FGrid->viewport())
        DispatchGridEvent(type, static_cast<const QMouseEvent&>(*event));
    return false;
}

void TDialMouse::DispatchChartEvent(QEvent::Type type, const QMouseEvent& event)
{
    nemra::DialRefresh refresh;
    switch (type) {
    case QEvent::MouseButtonPress:
        refresh = ChartAreaMouseDown(event);
        break;
    case QEvent::MouseMove:
        refresh = ChartAreaMouseMove(event);
        break;
    case QEvent::MouseButtonRelease:
        refresh = ChartAreaMouseUp(event);
        break;
    default:
        refresh = ChartAreaDblClick(event);
        break;
    }
    if (Any(refresh))
        emit refreshNeeded(refresh);
}

void TDialMouse::DispatchGridEvent(QEvent::Type type, const QMouseEvent& event)
{
    if (type == QEvent::MouseButtonDblClick) {
        StringGrid1DblClick();
        return;
    }
    if (type != QEvent::MouseButtonRelease)
        return;
    const nemra::DialRefresh refresh = StringGrid1MouseUp(event);
    if (Any(refresh))
        emit refreshNeeded(refresh);
}
