#include "timeline/ui/TimelineChoices.h"

#include "charts/ui/ChartDialog.h"
#include "core/WinDeg.h"

#include "input/ui/InputDialogKit.h"
#include "ui/common/QtText.h"

using namespace nemra::ui;

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kListHeight = 132;
constexpr int kYearsUnit = 1; // LengthUnitCombo: 0 months, 1 years

QListWidget* MakeCheckList(QWidget* parent, const char* name)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->setMaximumHeight(kListHeight);
    return list;
}

void AddCheckItem(QListWidget* list, const std::string& text, int data)
{
    auto* item = new QListWidgetItem(FromUtf8(text), list);
    item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsEnabled);
    item->setCheckState(Qt::Unchecked);
    item->setData(Qt::UserRole, data);
}

bool Checked(const QListWidgetItem* item)
{
    return item->checkState() == Qt::Checked && (item->flags() & Qt::ItemIsEnabled);
}

QCheckBox* MakeCheck(QWidget* parent, const char* name, const QString& text)
{
    auto* check = new QCheckBox(text, parent);
    check->setObjectName(QLatin1String(name));
    return check;
}

// Midpoint items carry both factors in one number.
int PairData(int a, int b)
{
    return a * 100 + b;
}

} // namespace

TTimelineChoices::TTimelineChoices(const nemra::TimelineSettings& initial, QWidget* parent)
    : QWidget(parent)
    , FKept(initial)
{
    using namespace nemra;
    setObjectName(QStringLiteral("TimelineChoices"));
    setFont(ThaiDialogFont(9));

    DaySpin = MakeSpin(this, "DaySpin", 1, 31, 1);
    MonthCombo = new QComboBox(this);
    MonthCombo->setObjectName(QStringLiteral("MonthCombo"));
    for (int m = 1; m <= 12; ++m)
        MonthCombo->addItem(FromUtf8(std::string(MonthNameThai(m))));
    YearSpin = MakeYearSpin(this, "YearSpin", initial.startYearBE);
    LengthSpin = MakeSpin(this, "LengthSpin", 1, kLongestPeriodMonths, 1);
    LengthUnitCombo = new QComboBox(this);
    LengthUnitCombo->setObjectName(QStringLiteral("LengthUnitCombo"));
    LengthUnitCombo->addItems({QStringLiteral("เดือน"), QStringLiteral("ปี")});
    ModulusCombo = new QComboBox(this);
    ModulusCombo->setObjectName(QStringLiteral("ModulusCombo"));
    for (double modulus : kGraphModuli)
        ModulusCombo->addItem(FromUtf8(WinDeg::ArcText(modulus)));

    auto* moverBox = new QGroupBox(QStringLiteral("ปัจจัยเคลื่อนที่ (ดวงจร)"), this);
    moverBox->setObjectName(QStringLiteral("MoverBox"));
    MoverList = MakeCheckList(moverBox, "MoverList");
    for (int f = kSun; f <= kPoseidon; ++f)
        AddCheckItem(MoverList, std::string(FactorNamesThai[static_cast<std::size_t>(f)]), f);
    DirectedCheck = MakeCheck(moverBox, "DirectedCheck", QStringLiteral("ปัจจัย V1 (โค้งสุริยยาตร์)"));
    auto* moverLayout = new QVBoxLayout(moverBox);
    moverLayout->addWidget(MoverList);
    moverLayout->addWidget(DirectedCheck);

    auto* fixedBox = new QGroupBox(QStringLiteral("เส้นคงที่ (ดวงกำเนิด)"), this);
    fixedBox->setObjectName(QStringLiteral("FixedBox"));
    FactorList = MakeCheckList(fixedBox, "FactorList");
    for (int f = kAries; f <= kLastPositionedFactor; ++f)
        AddCheckItem(FactorList, std::string(FactorNamesThai[static_cast<std::size_t>(f)]), f);
    ReflectionCheck = MakeCheck(fixedBox, "ReflectionCheck", QStringLiteral("จุดสะท้อนปัจจัย"));
    MidpointList = MakeCheckList(fixedBox, "MidpointList");
    for (int a = kFirstPositionedFactor; a <= kLastPositionedFactor; ++a)
        for (int b = a + 1; b <= kLastPositionedFactor; ++b)
            AddCheckItem(MidpointList, FixedPointName({FixedKind::Midpoint, a, b}), PairData(a, b));
    auto* fixedLayout = new QVBoxLayout(fixedBox);
    fixedLayout->addWidget(FactorList);
    fixedLayout->addWidget(ReflectionCheck);
    fixedLayout->addWidget(MakeLabel(fixedBox, "MidpointTitle", QStringLiteral("ศูนย์รังสี A/B")));
    fixedLayout->addWidget(MidpointList);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->addWidget(MakeLabel(this, "StartTitle", QStringLiteral("เริ่มวันที่")), 0, 0);
    grid->addWidget(DaySpin, 0, 1);
    grid->addWidget(MonthCombo, 0, 2);
    grid->addWidget(YearSpin, 0, 3);
    grid->addWidget(MakeLabel(this, "LengthTitle", QStringLiteral("ช่วงเวลา")), 1, 0);
    grid->addWidget(LengthSpin, 1, 1);
    grid->addWidget(LengthUnitCombo, 1, 2);
    grid->addWidget(MakeLabel(this, "ModulusTitle", QStringLiteral("มาตราองศา")), 2, 0);
    grid->addWidget(ModulusCombo, 2, 1, 1, 2);
    grid->addWidget(moverBox, 3, 0, 1, 4);
    grid->addWidget(fixedBox, 4, 0, 1, 4);
    grid->setRowStretch(5, 1);

    SetSettings(initial);

    const auto changed = [this] { emit Changed(); };
    for (QSpinBox* spin : {DaySpin, YearSpin})
        connect(spin, &QSpinBox::valueChanged, this, changed);
    for (QComboBox* combo : {MonthCombo, ModulusCombo})
        connect(combo, &QComboBox::currentIndexChanged, this, changed);
    const auto lengthChanged = [this] {
        UpdateMoonOffer();
        emit Changed();
    };
    connect(LengthSpin, &QSpinBox::valueChanged, this, lengthChanged);
    connect(LengthUnitCombo, &QComboBox::currentIndexChanged, this, lengthChanged);
    for (QListWidget* list : {MoverList, FactorList, MidpointList})
        connect(list, &QListWidget::itemChanged, this, changed);
    for (QCheckBox* check : {DirectedCheck, ReflectionCheck})
        connect(check, &QCheckBox::toggled, this, changed);
}

nemra::TimelineSettings TTimelineChoices::Settings() const
{
    using namespace nemra;
    TimelineSettings s = FKept;
    s.startDay = DaySpin->value();
    s.startMonth = MonthCombo->currentIndex() + 1;
    s.startYearBE = YearSpin->value();
    s.months =
        std::min(LengthSpin->value() * (LengthUnitCombo->currentIndex() == kYearsUnit ? 12 : 1), kLongestPeriodMonths);
    s.modulus = kGraphModuli[static_cast<std::size_t>(std::max(ModulusCombo->currentIndex(), 0))];
    s.movers.clear();
    for (int i = 0; i < MoverList->count(); ++i)
        if (Checked(MoverList->item(i)))
            s.movers.push_back({MoverLayer::Transit, MoverList->item(i)->data(Qt::UserRole).toInt()});
    if (DirectedCheck->isChecked())
        for (const Mover& mover : DirectedMovers())
            s.movers.push_back(mover);
    s.fixed.clear();
    for (FixedKind kind : {FixedKind::Factor, FixedKind::Reflection})
        for (int i = 0; i < FactorList->count(); ++i) {
            const int f = FactorList->item(i)->data(Qt::UserRole).toInt();
            // Aries has no reflection point of its own among the factors' reflections.
            if (Checked(FactorList->item(i)) && (kind == FixedKind::Factor || (ReflectionCheck->isChecked() && f >= 1)))
                s.fixed.push_back({kind, f, f});
        }
    for (int i = 0; i < MidpointList->count(); ++i)
        if (Checked(MidpointList->item(i))) {
            const int pair = MidpointList->item(i)->data(Qt::UserRole).toInt();
            s.fixed.push_back({FixedKind::Midpoint, pair / 100, pair % 100});
        }
    return s;
}

void TTimelineChoices::SetSettings(const nemra::TimelineSettings& settings)
{
    using namespace nemra;
    FKept = settings;
    std::vector<QSignalBlocker> blockers;
    for (QObject* control :
         std::initializer_list<QObject*>{DaySpin, MonthCombo, YearSpin, LengthSpin, LengthUnitCombo, ModulusCombo,
                                         MoverList, DirectedCheck, FactorList, ReflectionCheck, MidpointList})
        blockers.emplace_back(control);
    DaySpin->setValue(settings.startDay);
    MonthCombo->setCurrentIndex(std::clamp(settings.startMonth, 1, 12) - 1);
    YearSpin->setValue(settings.startYearBE);
    const bool years = settings.months % 12 == 0;
    LengthSpin->setValue(years ? settings.months / 12 : settings.months);
    LengthUnitCombo->setCurrentIndex(years ? kYearsUnit : 0);
    const auto modulus = std::find(kGraphModuli.begin(), kGraphModuli.end(), settings.modulus);
    ModulusCombo->setCurrentIndex(modulus == kGraphModuli.end() ? 2 : static_cast<int>(modulus - kGraphModuli.begin()));
    const auto has = [](const auto& list, const auto& value) {
        return std::find(list.begin(), list.end(), value) != list.end();
    };
    for (int i = 0; i < MoverList->count(); ++i) {
        const Mover mover{MoverLayer::Transit, MoverList->item(i)->data(Qt::UserRole).toInt()};
        MoverList->item(i)->setCheckState(has(settings.movers, mover) ? Qt::Checked : Qt::Unchecked);
    }
    DirectedCheck->setChecked(has(settings.movers, Mover{MoverLayer::Directed, kSun}));
    bool reflections = false;
    for (int i = 0; i < FactorList->count(); ++i) {
        const int f = FactorList->item(i)->data(Qt::UserRole).toInt();
        FactorList->item(i)->setCheckState(has(settings.fixed, FixedPoint{FixedKind::Factor, f, f}) ? Qt::Checked
                                                                                                    : Qt::Unchecked);
        reflections = reflections || has(settings.fixed, FixedPoint{FixedKind::Reflection, f, f});
    }
    ReflectionCheck->setChecked(reflections);
    for (int i = 0; i < MidpointList->count(); ++i) {
        const int pair = MidpointList->item(i)->data(Qt::UserRole).toInt();
        MidpointList->item(i)->setCheckState(
            has(settings.fixed, FixedPoint{FixedKind::Midpoint, pair / 100, pair % 100}) ? Qt::Checked : Qt::Unchecked);
    }
    UpdateMoonOffer();
}

// The Moon is offered only over periods it can be sampled hourly for.
void TTimelineChoices::UpdateMoonOffer()
{
    const QSignalBlocker blocker(MoverList);
    const bool offered = Settings().months <= nemra::kLongestMoonPeriodMonths;
    for (int i = 0; i < MoverList->count(); ++i) {
        QListWidgetItem* item = MoverList->item(i);
        if (item->data(Qt::UserRole).toInt() != nemra::kMoon)
            continue;
        item->setFlags(offered ? (item->flags() | Qt::ItemIsEnabled) : (item->flags() & ~Qt::ItemIsEnabled));
        if (!offered)
            item->setCheckState(Qt::Unchecked);
    }
}
