// The chart-area widget: shows the dial image and reports mouse events to the main window.
#pragma once

#include <QImage>
#include <QWidget>

class TChartArea : public QWidget {
    Q_OBJECT
  public:
    explicit TChartArea(QWidget* parent = nullptr);

    // The dial at one image pixel per logical pixel: what the exports take.
    QImage& image() { return FImage; }
    const QImage& image() const { return FImage; }
    // The same dial drawn at the screen's device pixel ratio when that is above 1.
    QImage& sharpImage() { return FSharpImage; }

  signals:
    void mousePressed(QMouseEvent* event);
    void mouseMoved(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);
    void mouseDoubleClicked(QMouseEvent* event);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QImage FImage;
    QImage FSharpImage;
};
