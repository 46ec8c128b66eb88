// TimelineChoices: the controls the graphic ephemeris and the timing list share: the start date
// (Buddhist era) and length of the period, the modulus, the moving factors (transit bodies, the
// solar-arc directed factors) and the fixed points (natal factors, their reflection points,
// chosen midpoints). It maps settings to and from its controls and says when they change.
#pragma once

#include "timeline/model/TimelineSettings.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QListWidget;
class QSpinBox;

class TTimelineChoices : public QWidget {
    Q_OBJECT
  public:
    explicit TTimelineChoices(const nemra::TimelineSettings& initial, QWidget* parent = nullptr);

    // The settings the controls hold; the base angle, orb and node choice are those last set.
    nemra::TimelineSettings Settings() const;
    void SetSettings(const nemra::TimelineSettings& settings);

  signals:
    void Changed();

  private:
    void UpdateMoonOffer();

    nemra::TimelineSettings FKept; // what the controls do not show
    QSpinBox* DaySpin = nullptr;
    QComboBox* MonthCombo = nullptr;
    QSpinBox* YearSpin = nullptr;
    QSpinBox* LengthSpin = nullptr;
    QComboBox* LengthUnitCombo = nullptr;
    QComboBox* ModulusCombo = nullptr;
    QListWidget* MoverList = nullptr;
    QCheckBox* DirectedCheck = nullptr;
    QListWidget* FactorList = nullptr;
    QCheckBox* ReflectionCheck = nullptr;
    QListWidget* MidpointList = nullptr;
};
