// ElidedLabel: a one-line label that paints a text too wide for it cut short with "…", so a
// long chart name ends inside its own column instead of running into the next one. text()
// keeps the whole text, and the tooltip shows it while it is cut.
#pragma once

#include <QLabel>

namespace nemra::ui {

class ElidedLabel : public QLabel {
  public:
    explicit ElidedLabel(const QString& text, QWidget* parent = nullptr);

    // The text as painted: the whole text, or as much as fits followed by "…".
    QString ShownText() const;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace nemra::ui
