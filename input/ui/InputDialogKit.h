// Small pieces the input dialogs share: their Thai font, UTF-8 texts of the model as Qt
// strings, the current directory where the city file is looked for first, and the edits,
// spins and radio buttons of a place's name, zone and position.
#pragma once

#include <tuple>

#include "input/model/ChartInputEntry.h"
#include "ui/common/QtText.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <filesystem>
#include <string>
#include <system_error>

class QCheckBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QWidget;

namespace nemra::ui {

// A Thai family shipped with Debian (fonts-thai-tlwg), with the usual fallbacks, at a size
// where Thai vowel and tone marks stay readable.
inline QFont ThaiDialogFont(int pointSize = 10, bool bold = false)
{
    QFont font;
    font.setFamilies({QStringLiteral("Loma"), QStringLiteral("Garuda"), QStringLiteral("Tlwg Typo"),
                      QStringLiteral("Noto Sans Thai")});
    font.setPointSize(pointSize);
    font.setBold(bold);
    return font;
}

// The current directory, or "." when the system cannot name it.
inline std::filesystem::path CurrentDirectory()
{
    std::error_code ec;
    auto dir = std::filesystem::current_path(ec);
    return ec ? std::filesystem::path(".") : dir;
}

// A text edit that takes only characters the Thai code page can store, so what is typed is
// what the record holds.
QLineEdit* MakeEdit(QWidget* parent, const char* name);

// A right-aligned spin edit with its range and value.
QSpinBox* MakeSpin(QWidget* parent, const char* name, int minimum, int maximum, int value);

QRadioButton* MakeRadio(QWidget* parent, const char* name, const QString& text);

// Two radio buttons that exclude each other, the first one chosen.
void GroupPair(QWidget* parent, QRadioButton* first, QRadioButton* second);

// Keeps an angle within its largest value: while the degrees stand at their maximum (89 of
// latitude, 180 of longitude) the minutes go up to `minutesAtMaximum` (59 and 0).
void LimitMinutesAtMaximum(QSpinBox* degrees, QSpinBox* minutes, int minutesAtMaximum);

// The latitude and longitude controls both input dialogs share, with their design names:
// SpinEdit7/8 and RadioButton3/4 (north/south), SpinEdit9/10 and RadioButton5/6 (east/west).
std::tuple<QSpinBox*, QSpinBox*, QRadioButton*, QRadioButton*, QSpinBox*, QSpinBox*, QRadioButton*, QRadioButton*>
MakePositionControls(QWidget* parent);

// An angle shown in and read from its degrees and minutes spins and the button of its
// positive direction (north, east); `negative` is the other button of the pair.
void ShowAngle(const nemra::AngleEntry& angle, QSpinBox* degrees, QSpinBox* minutes, QRadioButton* positive,
               QRadioButton* negative);
nemra::AngleEntry AngleOf(const QSpinBox* degrees, const QSpinBox* minutes, const QRadioButton* positive);

// The zone controls with their design names: SpinEdit5 (degrees of the zone meridian, or hours),
// SpinEdit6 (minutes), CheckBox1 "ชั่วโมง" (the zone in hours) and RadioButton1/2 (east/west, for
// a zone in degrees). The dialog connects CheckBox1 to SwitchZoneUnit.
std::tuple<QSpinBox*, QSpinBox*, QCheckBox*, QRadioButton*, QRadioButton*> MakeZoneControls(QWidget* parent);

// The hours box changed: the value takes the range and start of the unit, and the east/west
// buttons serve only a zone in degrees.
void SwitchZoneUnit(bool inHours, QSpinBox* value, QRadioButton* east, QRadioButton* west);

// A zone shown in and read from its controls.
void ShowZone(const nemra::ZoneEntry& zone, QSpinBox* value, QSpinBox* minutes, QCheckBox* inHours, QRadioButton* east,
              QRadioButton* west);
nemra::ZoneEntry ZoneOf(const QSpinBox* value, const QSpinBox* minutes, const QCheckBox* inHours,
                        const QRadioButton* east);

} // namespace nemra::ui
