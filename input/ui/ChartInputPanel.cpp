#include "input/ui/ChartInputPanel.h"

#include "atlas/ui/AtlasSearch.h"
#include "charts/model/ChartPlace.h"
#include "input/ui/ChartInputPanelLayout.h"
#include "input/ui/InputDialogKit.h"

#include "core/FactorCatalogue.h"
#include "ui/common/QtText.h"

using namespace nemra::ui;
using nemra::ui::MakeControl;
namespace L = nemra::ui::chartinput;

#include <QCalendarWidget>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabBar>
#include <QTableView>

#include <algorithm>
#include <string_view>

TChartInputPanel::TChartInputPanel(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ChartInputPanel"));
    CreateControls();
    LayOutControls();
    connect(BESpin, &QSpinBox::valueChanged, this, &TChartInputPanel::BESpinChange);
    connect(TabSet1, &QTabBar::currentChanged, this, &TChartInputPanel::TabSet1Click);
    connect(CheckBox1, &QCheckBox::toggled, this, &TChartInputPanel::CheckBox1Click);
    RunAtlasDialog = [this] { return ChooseAtlasPlace(this); };
    connect(AtlasButton, &QPushButton::clicked, this, &TChartInputPanel::AtlasButtonClick);
    // After these the date and time are in the controls: a zone taken from the atlas follows.
    connect(Calendar1, &QCalendarWidget::selectionChanged, this, &TChartInputPanel::FollowZone);
    connect(TabSet1, &QTabBar::currentChanged, this, &TChartInputPanel::FollowZone);
    connect(BESpin, &QSpinBox::valueChanged, this, &TChartInputPanel::FollowZone);
    for (QSpinBox* spin : {HoSpin, MinSpin, SecSpin})
        connect(spin, &QSpinBox::valueChanged, this, &TChartInputPanel::FollowZone);
    for (QSpinBox* spin : {SpinEdit5, SpinEdit6})
        connect(spin, &QSpinBox::valueChanged, this, &TChartInputPanel::ZoneChanged);
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{CheckBox1, RadioButton1, RadioButton2})
        connect(button, &QAbstractButton::toggled, this, &TChartInputPanel::ZoneChanged);
}

// The controls with their texts from ChartInputPanelLayout.h.
void TChartInputPanel::CreateControls()
{
    Edit1 = MakeEdit(this, L::kNameEdit.name);
    Edit1->setText(QString::fromUtf8(L::kNameEdit.caption));
    Edit1->setToolTip(QString::fromUtf8(L::kNameEdit.toolTip));

    Calendar1 = new QCalendarWidget(this);
    Calendar1->setObjectName(QLatin1String(L::kCalendar.name));
    Calendar1->setLocale(QLocale(QLocale::Thai, QLocale::Thailand));
    Calendar1->setFirstDayOfWeek(Qt::Sunday);
    Calendar1->setNavigationBarVisible(false); // month and year come from TabSet1 and BESpin
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar1->setToolTip(QString::fromUtf8(L::kCalendar.toolTip));
    for (auto* view : Calendar1->findChildren<QTableView*>())
        view->installEventFilter(this);

    TabSet1 = new QTabBar(this);
    TabSet1->setObjectName(QLatin1String(L::kMonthTabs.name));
    TabSet1->setToolTip(QString::fromUtf8(L::kMonthTabs.toolTip));
    TabSet1->setUsesScrollButtons(true);
    TabSet1->setExpanding(false);
    TabSet1->setShape(QTabBar::RoundedSouth);
    for (int month = 1; month <= 12; ++month)
        TabSet1->addTab(QString::fromUtf8(nemra::MonthAbbrThai[static_cast<std::size_t>(month)]));

    BESpin = MakeSpin(this, "BESpin", nemra::kMinYearBE, nemra::kMaxYearBE, FBuddhistYear);
    Label8 = MakeControl<QLabel>(this, L::kYearLabel);

    HoSpin = MakeSpin(this, "HoSpin", 0, 23, 0);
    MinSpin = MakeSpin(this, "MinSpin", 0, 59, 0);
    SecSpin = MakeSpin(this, "SecSpin", 0, 59, 0);

    Edit2 = MakeEdit(this, "Edit2");
    Button1 = MakeControl<QPushButton>(this, L::kCityButton);
    AtlasButton = MakeControl<QPushButton>(this, L::kAtlasButton);
    AtlasNote = MakeControl<QLabel>(this, L::kAtlasNote);
    AtlasNote->setWordWrap(true);
    AtlasNote->hide(); // until there is a note: its empty row would cut the calendar's last week

    std::tie(SpinEdit5, SpinEdit6, CheckBox1, RadioButton1, RadioButton2) = MakeZoneControls(this);

    std::tie(SpinEdit7, SpinEdit8, RadioButton3, RadioButton4, SpinEdit9, SpinEdit10, RadioButton5, RadioButton6) =
        MakePositionControls(this);
}

// The grid of kGridRows: each row's caption, then its controls (or a box of them) in their
// cells.
void TChartInputPanel::LayOutControls()
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(L::kVerticalSpacing);
    grid->setColumnStretch(L::kStretchColumn, 1);
    const auto control = [this](const char* name) {
        auto* widget = findChild<QWidget*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
        if (widget == nullptr)
            qFatal("the input panel has no %s", name);
        return widget;
    };
    const auto box = [this, grid, &control](const L::Box& b) {
        auto* layout = new QHBoxLayout;
        if (b.spaced)
            layout->setSpacing(grid->horizontalSpacing());
        for (const L::BoxItem& item : b.items) {
            if (item.control == nullptr) {
                layout->addStretch();
                continue;
            }
            layout->addWidget(control(item.control));
            if (item.unit)
                layout->addWidget(new QLabel(QString::fromUtf8(item.unit), this));
        }
        return layout;
    };
    for (int row = 0; row < static_cast<int>(std::size(L::kGridRows)); ++row) {
        const L::GridRow& r = L::kGridRows[row];
        if (r.caption)
            grid->addWidget(new QLabel(QString::fromUtf8(r.caption), this), row, 0,
                            r.tall ? Qt::AlignTop : Qt::Alignment());
        if (r.tall)
            grid->setRowStretch(row, 1);
        for (const L::GridCell& cell : r.cells) {
            if (cell.name == nullptr)
                break;
            const auto boxed = std::ranges::find(L::kBoxes, std::string_view(cell.name), &L::Box::name);
            if (boxed != std::end(L::kBoxes))
                grid->addLayout(box(*boxed), row, cell.column, 1, cell.columnSpan);
            else
                grid->addWidget(control(cell.name), row, cell.column, 1, cell.columnSpan);
        }
    }
}

void TChartInputPanel::AtlasButtonClick()
{
    if (const auto place = RunAtlasDialog())
        ShowAtlasPlace(*place);
}

void TChartInputPanel::ShowAtlasPlace(const nemra::AtlasPlace& place)
{
    FAtlasZone.Choose(place);
    FollowZone();
}

// The atlas place's texts at the controls' date and time; the zone stays as it is, and the
// note says why, when that local time does not exist or exists twice there.
void TChartInputPanel::FollowZone()
{
    const nemra::ChartInputEntry entry = Entry();
    const auto at = FAtlasZone.At({nemra::ChristianYearFor(entry.month, entry.yearBE), entry.month, entry.day,
                                   entry.hour, entry.minute, entry.second});
    if (!at)
        return;
    nemra::ChartPlace place = at->place;
    if (place.TimeZone.empty()) {
        nemra::TChartInput current;
        nemra::WriteChartInput(entry, current);
        place.TimeZone = current.TimeZone;
    }
    const nemra::CityEntry shown = nemra::EntryOfPlace(place);
    if (shown.failure || !shown.zone || !shown.latitude || !shown.longitude) {
        ShowAtlasNote(FromUtf8(shown.failure.value_or("")));
        return;
    }
    Edit2->setText(FromUtf8(shown.place));
    FShowingAtlasZone = true;
    ShowZone(*shown.zone);
    FShowingAtlasZone = false;
    ShowAngle(*shown.latitude, SpinEdit7, SpinEdit8, RadioButton3, RadioButton4);
    ShowAngle(*shown.longitude, SpinEdit9, SpinEdit10, RadioButton5, RadioButton6);
    const nemra::ZoneReading& zone = at->zone;
    ShowAtlasNote(FromUtf8(!zone.fault.empty()
                               ? zone.fault
                               : FAtlasZone.place->zone + " " + zone.abbreviation + " "
                                     + nemra::OffsetText(zone.offsetSeconds) + (zone.summerTime ? " (เวลาฤดูร้อน)" : "")
                                     + (zone.localMeanTime ? " (เวลาสุริยคติท้องถิ่น)" : "")));
}

// A zone the user sets by hand is kept: the atlas zone no longer follows the date and time.
void TChartInputPanel::ZoneChanged()
{
    if (FShowingAtlasZone || !FAtlasZone.following)
        return;
    FAtlasZone.ZoneSetByHand();
    ShowAtlasNote({});
}

// The note takes its row only while it says something: the calendar above needs the height.
void TChartInputPanel::ShowAtlasNote(const QString& text)
{
    AtlasNote->setText(text);
    AtlasNote->setVisible(!text.isEmpty());
}

void TChartInputPanel::BESpinChange(int value)
{
    FBuddhistYear = value;
    ShowCalendarMonth(Calendar1->selectedDate().month());
}

void TChartInputPanel::TabSet1Click(int index)
{
    ShowCalendarMonth(index + 1);
}

void TChartInputPanel::CheckBox1Click(bool checked)
{
    SwitchZoneUnit(checked, SpinEdit5, RadioButton1, RadioButton2);
}

nemra::Result<> TChartInputPanel::ShowCity(const nemra::CityChoice& choice)
{
    const auto city = nemra::CityEntryFor(choice);
    if (city.failure)
        return nemra::Fault{*city.failure};
    Edit2->setText(FromUtf8(city.place));
    ShowZone(*city.zone);
    ShowAngle(*city.latitude, SpinEdit7, SpinEdit8, RadioButton3, RadioButton4);
    ShowAngle(*city.longitude, SpinEdit9, SpinEdit10, RadioButton5, RadioButton6);
    return {};
}

nemra::ChartInputEntry TChartInputPanel::Entry() const
{
    nemra::ChartInputEntry entry;
    entry.name = Edit1->text().toStdString();
    entry.day = Calendar1->selectedDate().day();
    entry.month = Calendar1->selectedDate().month();
    entry.yearBE = BESpin->value();
    entry.hour = HoSpin->value();
    entry.minute = MinSpin->value();
    entry.second = SecSpin->value();
    entry.zone = ZoneOf(SpinEdit5, SpinEdit6, CheckBox1, RadioButton1);
    entry.latitude = AngleOf(SpinEdit7, SpinEdit8, RadioButton3);
    entry.longitude = AngleOf(SpinEdit9, SpinEdit10, RadioButton5);
    entry.place = Edit2->text().toStdString();
    return entry;
}

void TChartInputPanel::ShowEntry(const nemra::ChartInputEntry& entry)
{
    Edit1->setText(FromUtf8(entry.name));
    Edit2->setText(FromUtf8(entry.place));
    {
        const QSignalBlocker yearBlocker(BESpin);
        const QSignalBlocker monthBlocker(TabSet1);
        BESpin->setValue(entry.yearBE);
        TabSet1->setCurrentIndex(entry.month - 1);
    }
    FBuddhistYear = BESpin->value();
    ShowCalendarDate(nemra::ChristianYearFor(entry.month, FBuddhistYear), entry.month, entry.day);
    HoSpin->setValue(entry.hour);
    MinSpin->setValue(entry.minute);
    SecSpin->setValue(entry.second);
    ShowZone(entry.zone);
    ShowAngle(entry.latitude, SpinEdit7, SpinEdit8, RadioButton3, RadioButton4);
    ShowAngle(entry.longitude, SpinEdit9, SpinEdit10, RadioButton5, RadioButton6);
}

void TChartInputPanel::ShowZone(const nemra::ZoneEntry& zone)
{
    nemra::ui::ShowZone(zone, SpinEdit5, SpinEdit6, CheckBox1, RadioButton1, RadioButton2);
}

void TChartInputPanel::ShowCalendarMonth(int month)
{
    ShowCalendarDate(nemra::ChristianYearFor(month, FBuddhistYear), month, Calendar1->selectedDate().day());
}

// The calendar shows only the one month, so a click cannot leave the month and year that the
// tabs and the year field hold; a day the month lacks becomes the month's last day.
void TChartInputPanel::ShowCalendarDate(int yearCE, int month, int day)
{
    const QDate first(yearCE, month, 1);
    if (!first.isValid())
        return;
    const QSignalBlocker blocker(Calendar1);
    Calendar1->setDateRange(first, first.addDays(first.daysInMonth() - 1));
    Calendar1->setSelectedDate(QDate(yearCE, month, nemra::DayWithinMonth(day, month, yearCE)));
    Calendar1->setCurrentPage(yearCE, month);
    Label8->setText(FromUtf8(nemra::ChristianYearLabel(yearCE)));
}

bool TChartInputPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            emit EnterOnCalendar();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
