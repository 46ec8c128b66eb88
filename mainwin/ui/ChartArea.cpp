#include "mainwin/ui/ChartArea.h"

#include <QMouseEvent>
#include <QPainter>

TChartArea::TChartArea(QWidget* parent)
    : QWidget(parent)
    , FImage(521, 521, QImage::Format_RGB32)
{
    FImage.fill(Qt::white);
    setMouseTracking(true);
}

void TChartArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const bool sharp = !FSharpImage.isNull() && FSharpImage.devicePixelRatio() == devicePixelRatioF();
    painter.drawImage(0, 0, sharp ? FSharpImage : FImage);
}

void TChartArea::mousePressEvent(QMouseEvent* event)
{
    emit mousePressed(event);
}
void TChartArea::mouseMoveEvent(QMouseEvent* event)
{
    emit mouseMoved(event);
}
void TChartArea::mouseReleaseEvent(QMouseEvent* event)
{
    emit mouseReleased(event);
}
void TChartArea::mouseDoubleClickEvent(QMouseEvent* event)
{
    emit mouseDoubleClicked(event);
}
