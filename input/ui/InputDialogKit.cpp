#include "input/ui/InputDialogKit.h"

#include "core/ThaiText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QValidator>

namespace nemra::ui {
namespace {

class Cp874Validator : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override
    {
        return nemra::IsCp874Text(input.toStdString()) ? Acceptable : Invalid;
    }
};

constexpr int kMaxMinutes = 59;

} // namespace

QLineEdit* MakeEdit(QWidget* parent, const char* name)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setValidator(new Cp874Validator(edit));
    return edit;
}

QSpinBox* MakeSpin(QWidget* parent, const char* name, int minimum, int maximum, int value)
{
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(minimum, maximum);
    spin->setValue(value);
    spin->setAlignment(Qt::AlignRight);
    return spin;
}

QRadioButton* MakeRadio(QWidget* parent, const char* name, const QString& text)
{
    auto* radio = new QRadioButton(text, parent);
    radio->setObjectName(QLatin1String(name));
    return radio;
}

void GroupPair(QWidget* parent, QRadioButton* first, QRadioButton* second)
{
    auto* group = new QButtonGroup(parent);
    group->addButton(first);
    group->addButton(second);
    first->setChecked(true);
}

void LimitMinutesAtMaximum(QSpinBox* degrees, QSpinBox* minutes, int minutesAtMaximum)
{
    auto limit = [degrees, minutes, minutesAtMaximum](int value) {
        minutes->setMaximum(value == degrees->maximum() ? minutesAtMaximum : kMaxMinutes);
    };
    QObject::connect(degrees, &QSpinBox::valueChanged, minutes, limit);
    limit(degrees->value());
}

void ShowAngle(const nemra::AngleEntry& angle, QSpinBox* degrees, QSpinBox* minutes, QRadioButton* positive,
               QRadioButton* negative)
{
    degrees->setValue(angle.degrees);
    minutes->setValue(angle.minutes);
    (angle.positive ? positive : negative)->setChecked(true);
}

nemra::AngleEntry AngleOf(const QSpinBox* degrees, const QSpinBox* minutes, const QRadioButton* positive)
{
    return {degrees->value(), minutes->value(), positive->isChecked()};
}

std::tuple<QSpinBox*, QSpinBox*, QRadioButton*, QRadioButton*, QSpinBox*, QSpinBox*, QRadioButton*, QRadioButton*>
MakePositionControls(QWidget* parent)
{
    const auto angle = [parent](const char* degreesName, const char* minutesName, nemra::AngleLimit maximum) {
        auto* degrees = MakeSpin(parent, degreesName, 0, maximum.degrees, 0);
        auto* minutes = MakeSpin(parent, minutesName, 0, 59, 0);
        LimitMinutesAtMaximum(degrees, minutes, maximum.minutes);
        return std::pair{degrees, minutes};
    };
    const auto directions = [parent](const char* firstName, const QString& first, const char* secondName,
                                     const QString& second) {
        auto* a = MakeRadio(parent, firstName, first);
        auto* b = MakeRadio(parent, secondName, second);
        GroupPair(parent, a, b);
        return std::pair{a, b};
    };
    const auto [latDegrees, latMinutes] = angle("SpinEdit7", "SpinEdit8", nemra::kMaxLatitude);
    const auto [north, south] =
        directions("RadioButton3", QStringLiteral("เหนือ"), "RadioButton4", QStringLiteral("ใต้"));
    const auto [lonDegrees, lonMinutes] = angle("SpinEdit9", "SpinEdit10", nemra::kMaxLongitude);
    const auto [east, west] =
        directions("RadioButton5", QStringLiteral("ตะวันออก"), "RadioButton6", QStringLiteral("ตะวันตก"));
    return {latDegrees, latMinutes, north, south, lonDegrees, lonMinutes, east, west};
}

std::tuple<QSpinBox*, QSpinBox*, QCheckBox*, QRadioButton*, QRadioButton*> MakeZoneControls(QWidget* parent)
{
    const auto range = nemra::ZoneRangeFor(false);
    auto* value = MakeSpin(parent, "SpinEdit5", range.minimum, range.maximum, 0);
    auto* minutes = MakeSpin(parent, "SpinEdit6", 0, kMaxMinutes, 0);
    auto* inHours = new QCheckBox(QStringLiteral("ชั่วโมง"), parent);
    inHours->setObjectName(QStringLiteral("CheckBox1"));
    auto* east = MakeRadio(parent, "RadioButton1", QStringLiteral("ตะวันออก"));
    auto* west = MakeRadio(parent, "RadioButton2", QStringLiteral("ตะวันตก"));
    GroupPair(parent, east, west);
    // In hours the sign of the value is the zone's side; 0 keeps the side it had, which is
    // how a zone of 0 whole hours west keeps its sign.
    QObject::connect(value, &QSpinBox::valueChanged, parent, [inHours, east, west](int hours) {
        if (inHours->isChecked() && hours != 0)
            (hours > 0 ? east : west)->setChecked(true);
    });
    return {value, minutes, inHours, east, west};
}

void SwitchZoneUnit(bool inHours, QSpinBox* value, QRadioButton* east, QRadioButton* west)
{
    const auto range = nemra::ZoneRangeFor(inHours);
    value->setRange(range.minimum, range.maximum);
    value->setValue(range.initial);
    east->setEnabled(!inHours);
    west->setEnabled(!inHours);
}

void ShowZone(const nemra::ZoneEntry& zone, QSpinBox* value, QSpinBox* minutes, QCheckBox* inHours, QRadioButton* east,
              QRadioButton* west)
{
    inHours->setChecked(zone.inHours);
    SwitchZoneUnit(zone.inHours, value, east, west); // whether or not the box changed
    value->setValue(zone.value);
    minutes->setValue(zone.minutes);
    // The direction buttons show the zone's side in both units (disabled for hours).
    (zone.east ? east : west)->setChecked(true);
}

nemra::ZoneEntry ZoneOf(const QSpinBox* value, const QSpinBox* minutes, const QCheckBox* inHours,
                        const QRadioButton* east)
{
    return {value->value(), minutes->value(), inHours->isChecked(), east->isChecked()};
}

} // namespace nemra::ui
