// DialMouse: forwards the mouse events of the chart area and of the position grid to the
// dial interaction of the session, sets the pointer shapes, and reports what the main
// window has to refresh afterwards.
#pragma once

#include "mainwin/model/DialInteraction.h"

#include <QCursor>
#include <QEvent>
#include <QObject>
#include <QPointer>

class QMouseEvent;
class QTableWidget;
class QWidget;

// The pointer shape of a dial cursor: the arrow, the open hand over the grip ring and the
// closed hand while the ring turns.
QCursor DialCursorShape(nemra::DialCursor cursor);

// The keys of a mouse event as the pick rule reads them.
nemra::KeyState KeyStateOf(Qt::KeyboardModifiers modifiers);

class TDialMouse : public QObject {
    Q_OBJECT
  public:
    // Watches the mouse events of `chartArea` and of `grid`'s cells (either may be null);
    // the widgets keep receiving their events.
    TDialMouse(nemra::MainSession& session, QWidget* chartArea, QTableWidget* grid, QObject* parent = nullptr);
    ~TDialMouse() override;

    const nemra::DialInteraction& state() const { return FState; }

    // What each event does; the event filter calls these, tests may call them directly.
    nemra::DialRefresh ChartAreaMouseDown(const QMouseEvent& event);
    nemra::DialRefresh ChartAreaMouseMove(const QMouseEvent& event);
    nemra::DialRefresh ChartAreaMouseUp(const QMouseEvent& event);
    nemra::DialRefresh ChartAreaDblClick(const QMouseEvent& event);
    void StringGrid1DblClick();
    nemra::DialRefresh StringGrid1MouseUp(const QMouseEvent& event);

  signals:
    // After an event that changed what the window shows (a drag step, a pick).
    void refreshNeeded(const nemra::DialRefresh& refresh);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    nemra::DialRefresh Apply(const nemra::DialMouseResult& result);
    void SetScreenGrab(bool on);
    void DispatchChartEvent(QEvent::Type type, const QMouseEvent& event);
    void DispatchGridEvent(QEvent::Type type, const QMouseEvent& event);

    nemra::MainSession& FSession;
    nemra::DialInteraction FState;
    QPointer<QWidget> FChartArea;
    QPointer<QTableWidget> FGrid;
    bool FScreenGrab = false;
};
