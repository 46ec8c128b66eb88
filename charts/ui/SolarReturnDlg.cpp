#include "charts/ui/SolarReturnDlg.h"

#include "charts/model/SunCharts.h"

#include "input/ui/InputDialogKit.h"
#include "ui/common/QtText.h"

using namespace nemra::ui;

#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSpinBox>

TSolarReturnDlg::TSolarReturnDlg(const nemra::TChartInput& natal, nemra::CityListState& cities,
                                 const nemra::Clock& clock, std::vector<std::filesystem::path> cityDataDirs,
                                 QWidget* parent)
    : TChartDialog("SolarReturnDlg", QStringLiteral("ดวงทินวรรษ"), cities, std::move(cityDataDirs), parent)
    , FNatal(natal)
{
    const nemra::LocalDateTime now = nemra::DateTimeInZone(clock(), natal.TimeZone.str());
    YearSpin = MakeYearSpin(this, "YearSpin", nemra::BuddhistYearFor(now.month, now.year));
    YearLabel = MakeLabel(this, "YearLabel", {});
    NatalPlaceRadio = MakeRadio(this, "NatalPlaceRadio", QStringLiteral("สถานที่เกิด"));
    OtherPlaceRadio = MakeRadio(this, "OtherPlaceRadio", QStringLiteral("สถานที่อื่น"));
    GroupPair(this, NatalPlaceRadio, OtherPlaceRadio);

    Body()->addWidget(MakeLabel(this, "YearTitle", QStringLiteral("ปี พ.ศ.")), 0, 0);
    Body()->addWidget(YearSpin, 0, 1);
    Body()->addWidget(YearLabel, 0, 2);
    Body()->addWidget(NatalPlaceRadio, 1, 1);
    Body()->addWidget(OtherPlaceRadio, 1, 2);
    Body()->setColumnStretch(3, 1);

    PlaceBox()->ShowPlace(nemra::PlaceOf(FNatal));
    PlaceBox()->setEnabled(false);
    ShowChristianYear();
    connect(OtherPlaceRadio, &QRadioButton::toggled, PlaceBox(), &QWidget::setEnabled);
    connect(YearSpin, &QSpinBox::valueChanged, this, &TSolarReturnDlg::ShowChristianYear);
}

// The Christian year of the birthday in the chosen year.
void TSolarReturnDlg::ShowChristianYear()
{
    YearLabel->setText(FromUtf8(nemra::ChristianYearLabel(nemra::BirthdayYearCE(FNatal, YearSpin->value()))));
}

nemra::ChartOutcome TSolarReturnDlg::MakeChart()
{
    std::optional<nemra::ChartPlace> place;
    if (OtherPlaceRadio->isChecked())
        place = PlaceBox()->Place();
    return nemra::SolarReturn(FNatal, YearSpin->value(), place);
}
