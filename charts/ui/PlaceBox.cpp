#include "charts/ui/PlaceBox.h"

#include "charts/ui/ChartDialog.h"

#include "input/ui/InputDialogKit.h"
#include "ui/common/QtText.h"

using namespace nemra::ui;

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <utility>

namespace {

// The width of the record's Place field; the edit takes no more, so what it shows is stored.
constexpr int kPlaceChars = 30;

} // namespace

TPlaceBox::TPlaceBox(nemra::CityListState& cities, std::function<void()> runCityDialog,
                     std::function<void(const QString&)> showError, QWidget* parent)
    : QWidget(parent)
    , FCities(cities)
    , FRunCityDialog(std::move(runCityDialog))
    , FShowError(std::move(showError))
{
    setObjectName(QStringLiteral("PlaceBox"));
    Button1 = MakeButton(this, "Button1", QStringLiteral("จังหวัด/เมือง"));
    Edit1 = MakeEdit(this, "Edit1");
    Edit1->setMaxLength(kPlaceChars);
    std::tie(SpinEdit5, SpinEdit6, CheckBox1, RadioButton1, RadioButton2) = MakeZoneControls(this);
    std::tie(SpinEdit7, SpinEdit8, RadioButton3, RadioButton4, SpinEdit9, SpinEdit10, RadioButton5, RadioButton6) =
        MakePositionControls(this);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setColumnStretch(6, 1);
    grid->addWidget(Button1, 0, 0);
    grid->addWidget(Edit1, 0, 1, 1, 6);
    grid->addWidget(MakeLabel(this, "ZoneLabel", QStringLiteral("เขตเวลา")), 1, 0);
    grid->addWidget(SpinEdit5, 1, 1);
    grid->addWidget(SpinEdit6, 1, 2);
    grid->addWidget(CheckBox1, 1, 3);
    grid->addWidget(RadioButton1, 1, 4);
    grid->addWidget(RadioButton2, 1, 5);
    grid->addWidget(MakeLabel(this, "LatitudeLabel", QStringLiteral("แลตติจูด")), 2, 0);
    grid->addWidget(SpinEdit7, 2, 1);
    grid->addWidget(SpinEdit8, 2, 2);
    grid->addWidget(RadioButton3, 2, 4);
    grid->addWidget(RadioButton4, 2, 5);
    grid->addWidget(MakeLabel(this, "LongitudeLabel", QStringLiteral("ลองกิจูด")), 3, 0);
    grid->addWidget(SpinEdit9, 3, 1);
    grid->addWidget(SpinEdit10, 3, 2);
    grid->addWidget(RadioButton5, 3, 4);
    grid->addWidget(RadioButton6, 3, 5);

    connect(CheckBox1, &QCheckBox::toggled, this,
            [this](bool inHours) { SwitchZoneUnit(inHours, SpinEdit5, RadioButton1, RadioButton2); });
    connect(Button1, &QPushButton::clicked, this, &TPlaceBox::Button1Click);
}

void TPlaceBox::ShowPlace(const nemra::ChartPlace& place)
{
    const auto entry = nemra::EntryOfPlace(place);
    Edit1->setText(FromUtf8(entry.place));
    if (entry.zone)
        ShowZone(*entry.zone, SpinEdit5, SpinEdit6, CheckBox1, RadioButton1, RadioButton2);
    if (entry.latitude)
        ShowAngle(*entry.latitude, SpinEdit7, SpinEdit8, RadioButton3, RadioButton4);
    if (entry.longitude)
        ShowAngle(*entry.longitude, SpinEdit9, SpinEdit10, RadioButton5, RadioButton6);
}

nemra::ChartPlace TPlaceBox::Place() const
{
    return nemra::PlaceOfEntry(ZoneOf(SpinEdit5, SpinEdit6, CheckBox1, RadioButton1),
                               AngleOf(SpinEdit7, SpinEdit8, RadioButton3),
                               AngleOf(SpinEdit9, SpinEdit10, RadioButton5), Edit1->text().toStdString());
}

void TPlaceBox::Button1Click()
{
    FRunCityDialog();
    if (!FCities.CityChosen)
        return;
    const auto city = nemra::CityEntryFor(FCities.CityChoice);
    if (city.failure) { // a line that does not read whole changes none of the controls
        FShowError(FromUtf8(*city.failure));
        return;
    }
    ShowPlace(nemra::PlaceOfEntry(*city.zone, *city.latitude, *city.longitude, city.place));
}
