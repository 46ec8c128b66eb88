#include "charts/ui/SunIngressDlg.h"

#include "charts/model/SunCharts.h"
#include "core/FactorCatalogue.h"

#include "input/ui/InputDialogKit.h"
#include "ui/common/QtText.h"

using namespace nemra::ui;

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

TSunIngressDlg::TSunIngressDlg(const nemra::TChartInput& placeOf, nemra::CityListState& cities,
                               const nemra::Clock& clock, std::vector<std::filesystem::path> cityDataDirs,
                               QWidget* parent)
    : TChartDialog("SunIngressDlg", QStringLiteral("อาทิตย์ยกราศี"), cities, std::move(cityDataDirs), parent)
{
    const nemra::LocalDateTime now = nemra::DateTimeInZone(clock(), placeOf.TimeZone.str());
    YearSpin = MakeYearSpin(this, "YearSpin", nemra::BuddhistYearFor(now.month, now.year));
    YearLabel = MakeLabel(this, "YearLabel", {});
    SignCombo = new QComboBox(this);
    SignCombo->setObjectName(QStringLiteral("SignCombo"));
    for (int sign = 1; sign <= 12; ++sign)
        SignCombo->addItem(FromUtf8(std::string(nemra::SignNamesThai[static_cast<std::size_t>(sign)])));

    Body()->addWidget(MakeLabel(this, "YearTitle", QStringLiteral("ปี พ.ศ.")), 0, 0);
    Body()->addWidget(YearSpin, 0, 1);
    Body()->addWidget(YearLabel, 0, 2);
    Body()->addWidget(MakeLabel(this, "SignTitle", QStringLiteral("ราศี")), 1, 0);
    Body()->addWidget(SignCombo, 1, 1);
    Body()->setColumnStretch(3, 1);

    PlaceBox()->ShowPlace(nemra::PlaceOf(placeOf));
    ShowChristianYear();
    connect(YearSpin, &QSpinBox::valueChanged, this, &TSunIngressDlg::ShowChristianYear);
    connect(SignCombo, &QComboBox::currentIndexChanged, this, &TSunIngressDlg::ShowChristianYear);
}

int TSunIngressDlg::Sign() const
{
    return SignCombo->currentIndex() + 1;
}

// The Christian year of the ingress: that of the sign's month in the chosen year.
void TSunIngressDlg::ShowChristianYear()
{
    YearLabel->setText(FromUtf8(nemra::ChristianYearLabel(nemra::IngressYearCE(YearSpin->value(), Sign()))));
}

nemra::ChartOutcome TSunIngressDlg::MakeChart()
{
    return nemra::SunIngress(YearSpin->value(), Sign(), PlaceBox()->Place());
}
