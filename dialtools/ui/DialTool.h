// The dial tool: a window beside the dial that turns its pointer. It shows the pointer's
// position as an editable field, turns it by 1 degree, 10 minutes or 1 minute either way
// (buttons; Left/Right keys by 1', with Shift by 10', Up/Down by 1 degree), goes to a factor
// of a shown ring, shows the pointer's equivalents on the other arms of the dial, the
// midpoint finder's orb and, while the finder is on, its list of pairs. Every turn makes the
// index a user point, as a drag does; the window asks the main window to redraw.
#pragma once

#include "dialtools/model/MidpointFinder.h"
#include "mainwin/model/DialInteraction.h"

#include <QWidget>

#include <span>
#include <vector>

class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;

class TDialTool : public QWidget {
    Q_OBJECT
  public:
    TDialTool(nemra::MainSession& session, QWidget* parent = nullptr);

    // Shows the session's pointer, equivalents, factors and the finder's pairs; the main
    // window calls this after every repaint of the dial.
    void Refresh(std::span<const nemra::FinderPair> pairs);

    // Turns the pointer by `minutes` of arc (negative: backwards).
    void TurnBy(int minutes);
    // Takes the position typed in the field; a malformed one is refused with a message.
    bool ApplyTypedPosition();
    // Turns to the factor chosen in the go-to list.
    void GoToChosenFactor();

  signals:
    void refreshNeeded(const nemra::DialRefresh& refresh);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void TurnTo(double lon);
    void FillGoToList();

    nemra::MainSession& FSession;
    QLineEdit* PointerEdit = nullptr;
    QLabel* PointerError = nullptr;
    QLabel* Equivalents = nullptr;
    QComboBox* GoToList = nullptr;
    QDoubleSpinBox* OrbBox = nullptr;
    QGroupBox* PairGroup = nullptr;
    QListWidget* PairList = nullptr;
    std::vector<nemra::FinderPoint> FGoToPoints;
};
