#include "charts/ui/MoonPhaseDlg.h"

#include "charts/model/Relocation.h"
#include "core/FactorCatalogue.h"

#include "input/ui/InputDialogKit.h"
#include "ui/common/QtText.h"

using namespace nemra::ui;

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QSpinBox>

TMoonPhaseDlg::TMoonPhaseDlg(const nemra::TChartInput& placeOf, nemra::CityListState& cities, const nemra::Clock& clock,
                             std::vector<std::filesystem::path> cityDataDirs, QWidget* parent)
    : TChartDialog("MoonPhaseDlg", QStringLiteral("ดวงจันทร์เพ็ญจันทร์ดับ"), cities, std::move(cityDataDirs), parent)
{
    const nemra::LocalDateTime now = nemra::DateTimeInZone(clock(), placeOf.TimeZone.str());
    YearSpin = MakeYearSpin(this, "YearSpin", nemra::BuddhistYearFor(now.month, now.year));
    MonthCombo = new QComboBox(this);
    MonthCombo->setObjectName(QStringLiteral("MonthCombo"));
    MonthCombo->addItem(QStringLiteral("ทั้งปี"));
    for (int month = 1; month <= 12; ++month)
        MonthCombo->addItem(FromUtf8(std::string(nemra::MonthNameThai(month))));
    MonthCombo->setCurrentIndex(now.month);
    NewMoonBox = new QCheckBox(FromUtf8(std::string(nemra::LunationName(nemra::LunationKind::NewMoon))), this);
    NewMoonBox->setObjectName(QStringLiteral("NewMoonBox"));
    NewMoonBox->setChecked(true);
    FullMoonBox = new QCheckBox(FromUtf8(std::string(nemra::LunationName(nemra::LunationKind::FullMoon))), this);
    FullMoonBox->setObjectName(QStringLiteral("FullMoonBox"));
    FullMoonBox->setChecked(true);
    FindBtn = MakeButton(this, "FindBtn", QStringLiteral("ค้นหา"));
    EventList = new QListWidget(this);
    EventList->setObjectName(QStringLiteral("EventList"));
    EventList->setToolTip(QStringLiteral("เลือกด้วยการดับเบิ้ลคลิกก็ได้"));
    EventList->setMinimumHeight(160);

    Body()->addWidget(MakeLabel(this, "YearTitle", QStringLiteral("ปี พ.ศ.")), 0, 0);
    Body()->addWidget(YearSpin, 0, 1);
    Body()->addWidget(MakeLabel(this, "MonthTitle", QStringLiteral("เดือน")), 0, 2);
    Body()->addWidget(MonthCombo, 0, 3);
    Body()->addWidget(NewMoonBox, 1, 1);
    Body()->addWidget(FullMoonBox, 1, 2);
    Body()->addWidget(FindBtn, 1, 3);
    Body()->addWidget(EventList, 2, 0, 1, 5);
    Body()->setColumnStretch(4, 1);

    PlaceBox()->ShowPlace(nemra::PlaceOf(placeOf));
    connect(FindBtn, &QPushButton::clicked, this, &TMoonPhaseDlg::FindBtnClick);
    connect(YearSpin, &QSpinBox::valueChanged, this, &TMoonPhaseDlg::ClearList);
    connect(MonthCombo, &QComboBox::currentIndexChanged, this, &TMoonPhaseDlg::ClearList);
    connect(NewMoonBox, &QCheckBox::toggled, this, &TMoonPhaseDlg::ClearList);
    connect(FullMoonBox, &QCheckBox::toggled, this, &TMoonPhaseDlg::ClearList);
    connect(EventList, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

// The list is made when the dialog first shows, so a refusal has a dialog to stand over.
void TMoonPhaseDlg::showEvent(QShowEvent* event)
{
    TChartDialog::showEvent(event);
    if (!FListed && !event->spontaneous()) {
        FListed = true;
        FindBtnClick();
    }
}

void TMoonPhaseDlg::ClearList()
{
    FEvents.clear();
    EventList->clear();
}

void TMoonPhaseDlg::FindBtnClick()
{
    ClearList();
    const int month = MonthCombo->currentIndex();
    auto list = nemra::FindLunations(YearSpin->value(), month == 0 ? std::nullopt : std::optional<int>(month),
                                     PlaceBox()->Place(), {NewMoonBox->isChecked(), FullMoonBox->isChecked()});
    if (!list) {
        ShowError(FromUtf8(list.fault().reason));
        return;
    }
    FEvents = std::move(*list);
    for (const auto& event : FEvents)
        EventList->addItem(FromUtf8(nemra::LunationRow(event)));
    if (!FEvents.empty())
        EventList->setCurrentRow(0);
}

nemra::ChartOutcome TMoonPhaseDlg::MakeChart()
{
    const int row = EventList->currentRow();
    if (row < 0 || row >= static_cast<int>(FEvents.size()))
        return nemra::Fault{"เลือกวันเวลาจากรายการก่อน"};
    // The place may have changed since the list was made: the moment is kept, the place taken.
    return nemra::Relocate(FEvents[static_cast<std::size_t>(row)].chart, PlaceBox()->Place());
}
