#include "input/ui/ChartInputPanel.h"

#include "atlas/ui/AtlasSearch.h"
#include "charts/model/ChartPlace.h"
#include "input/ui/InputDialogKit.h"

#include "core/FactorCatalogue.h"
#include "ui/common/QtText.h"

using nemra::ui::FromUtf8;

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

void TChartInputPanel::CreateControls()
{
    Edit1 = MakeEdit(this, "Edit1");
    Edit1->setText(QStringLiteral("ดวงจรขณะนี้"));
    Edit1->setToolTip(QStringLiteral("ไม่เกิน 30 ตัวอักษร"));

    Calendar1 = new QCalendarWidget(this);
    Calendar1->setObjectName(QStringLiteral("Calendar1"));
    Calendar1->setLocale(QLocale(QLocale::Thai, QLocale::Thailand));
    Calendar1->setFirstDayOfWeek(Qt::Sunday);
    Calendar1->setNavigationBarVisible(false); // month and year come from TabSet1 and BESpin
    Calendar1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    Calendar1->setToolTip(QStringLiteral("คลิกช่องวันที่ที่ต้องการ"));
    for (auto* view : Calendar1->findChildren<QTableView*>())
        view->installEventFilter(this);

    TabSet1 = new QTabBar(this);
    TabSet1->setObjectName(QStringLiteral("TabSet1"));
    TabSet1->setToolTip(QStringLiteral("ปุ่มด้านขวาใช้เลื่อนหาชื่อเดือนได้"));
    TabSet1->setUsesScrollButtons(true);
    TabSet1->setExpanding(false);
    TabSet1->setShape(QTabBar::RoundedSouth);
    for (int month = 1; month <= 12; ++month)
        TabSet1->addTab(QString::fromUtf8(nemra::MonthAbbrThai[static_cast<std::size_t>(month)]));

    BESpin = MakeSpin(this, "BESpin", nemra::kMinYearBE, nemra::kMaxYearBE, FBuddhistYear);
    Label8 = new QLabel(QStringLiteral("ค.ศ.(1995)"), this);
    Label8->setObjectName(QStringLiteral("Label8"));

    HoSpin = MakeSpin(this, "HoSpin", 0, 23, 0);
    MinSpin = MakeSpin(this, "MinSpin", 0, 59, 0);
    SecSpin = MakeSpin(this, "SecSpin", 0, 59, 0);

    Edit2 = MakeEdit(this, "Edit2");
    Button1 = new QPushButton(QStringLiteral("จังหวัด/เมือง"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    AtlasButton = new QPushButton(QStringLiteral("เมืองทั่วโลก"), this);
    AtlasButton->setObjectName(QStringLiteral("AtlasButton"));
    AtlasButton->setToolTip(QStringLiteral("ค้นหาเมืองจากแผนที่โลก พร้อมเขตเวลาตามวันและเวลาเกิด"));
    AtlasNote = new QLabel(this);
    AtlasNote->setObjectName(QStringLiteral("AtlasNote"));
    AtlasNote->setWordWrap(true);

    std::tie(SpinEdit5, SpinEdit6, CheckBox1, RadioButton1, RadioButton2) = MakeZoneControls(this);

    std::tie(SpinEdit7, SpinEdit8, RadioButton3, RadioButton4, SpinEdit9, SpinEdit10, RadioButton5, RadioButton6) =
        MakePositionControls(this);
}

void TChartInputPanel::LayOutControls()
{
    auto label = [this](const QString& text) { return new QLabel(text, this); };
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(3);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(6, 1);
    int row = 0;
    grid->addWidget(label(QStringLiteral("นาม")), row, 0);
    grid->addWidget(Edit1, row++, 1, 1, 6);
    grid->addWidget(label(QStringLiteral("วันที่")), row, 0, Qt::AlignTop);
    grid->addWidget(Calendar1, row++, 1, 1, 6);
    grid->addWidget(label(QStringLiteral("เดือน")), row, 0);
    grid->addWidget(TabSet1, row++, 1, 1, 6);
    grid->addWidget(label(QStringLiteral("พ.ศ.")), row, 0);
    grid->addWidget(BESpin, row, 1);
    grid->addWidget(Label8, row++, 2, 1, 5);

    grid->addWidget(label(QStringLiteral("เวลา")), row, 0);
    auto* time = new QHBoxLayout;
    time->addWidget(HoSpin);
    time->addWidget(label(QStringLiteral("นาฬิกา")));
    time->addWidget(MinSpin);
    time->addWidget(label(QStringLiteral("นาที")));
    time->addWidget(SecSpin);
    time->addWidget(label(QStringLiteral("วินาที")));
    time->addStretch();
    grid->addLayout(time, row++, 1, 1, 6);

    grid->addWidget(label(QStringLiteral("จังหวัด/เมือง")), row, 0);
    grid->addWidget(Edit2, row, 1, 1, 4);
    grid->addWidget(Button1, row, 5);
    grid->addWidget(AtlasButton, row++, 6);

    grid->addWidget(label(QStringLiteral("เขตเวลา")), row, 0);
    grid->addWidget(SpinEdit5, row, 1);
    grid->addWidget(SpinEdit6, row, 2);
    grid->addWidget(CheckBox1, row, 3);
    grid->addWidget(RadioButton1, row, 4);
    grid->addWidget(RadioButton2, row++, 5);

    grid->addWidget(label(QStringLiteral("แลตติจูด")), row, 0);
    grid->addWidget(SpinEdit7, row, 1);
    grid->addWidget(SpinEdit8, row, 2);
    grid->addWidget(RadioButton3, row, 4);
    grid->addWidget(RadioButton4, row++, 5);

    grid->addWidget(label(QStringLiteral("ลองกิจูด")), row, 0);
    grid->addWidget(SpinEdit9, row, 1);
    grid->addWidget(SpinEdit10, row, 2);
    grid->addWidget(RadioButton5, row, 4);
    grid->addWidget(RadioButton6, row++, 5);
    grid->addWidget(AtlasNote, row, 1, 1, 6);
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
        AtlasNote->setText(FromUtf8(shown.failure.value_or("")));
        return;
    }
    Edit2->setText(FromUtf8(shown.place));
    FShowingAtlasZone = true;
    ShowZone(*shown.zone);
    FShowingAtlasZone = false;
    ShowAngle(*shown.latitude, SpinEdit7, SpinEdit8, RadioButton3, RadioButton4);
    ShowAngle(*shown.longitude, SpinEdit9, SpinEdit10, RadioButton5, RadioButton6);
    const nemra::ZoneReading& zone = at->zone;
    AtlasNote->setText(FromUtf8(!zone.fault.empty() ? zone.fault
                                                    : FAtlasZone.place->zone + " " + zone.abbreviation + " "
                                                          + nemra::OffsetText(zone.offsetSeconds)
                                                          + (zone.summerTime ? " (เวลาฤดูร้อน)" : "")
                                                          + (zone.localMeanTime ? " (เวลาสุริยคติท้องถิ่น)" : "")));
}

// A zone the user sets by hand is kept: the atlas zone no longer follows the date and time.
void TChartInputPanel::ZoneChanged()
{
    if (FShowingAtlasZone || !FAtlasZone.following)
        return;
    FAtlasZone.ZoneSetByHand();
    AtlasNote->clear();
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
    ::ShowZone(zone, SpinEdit5, SpinEdit6, CheckBox1, RadioButton1, RadioButton2);
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
