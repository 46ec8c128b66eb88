#include "dialtools/ui/DialTool.h"

#include "core/FactorCatalogue.h"
#include "core/WinDeg.h"
#include "mainwin/model/Session.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

QString RingName(int layer)
{
    return Q(std::string(nemra::ChartLayerLabels[static_cast<std::size_t>(layer)])).trimmed();
}

// "SU (กำเนิด)": a point with its ring.
QString PointLabel(const nemra::FinderPoint& p)
{
    return Q(nemra::FinderPointName(p)) + " (" + RingName(p.layer) + ")";
}

struct Step {
    const char* name;
    const char* caption;
    int minutes;
};
constexpr Step kSteps[] = {
    {"TurnBack1Deg", "-1°", -60}, {"TurnBack10Min", "-10'", -10}, {"TurnBack1Min", "-1'", -1},
    {"Turn1Min", "+1'", 1},       {"Turn10Min", "+10'", 10},      {"Turn1Deg", "+1°", 60},
};

} // namespace

TDialTool::TDialTool(nemra::MainSession& session, QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , FSession(session)
{
    setObjectName("DialTool");
    auto* layout = new QVBoxLayout(this);

    auto* form = new QFormLayout;
    PointerEdit = new QLineEdit(this);
    PointerEdit->setObjectName("PointerEdit");
    PointerEdit->setToolTip(QStringLiteral("ราศี 0..11, องศา, ลิบดา (4,15,30) หรือสมผุสเช่น 15สห30"));
    connect(PointerEdit, &QLineEdit::returnPressed, this, &TDialTool::ApplyTypedPosition);
    form->addRow(QStringLiteral("เข็มชี้"), PointerEdit);
    PointerError = new QLabel(this);
    PointerError->setObjectName("PointerError");
    PointerError->setStyleSheet("color: #c00000");
    PointerError->setWordWrap(true);
    form->addRow(QString(), PointerError);
    Equivalents = new QLabel(this);
    Equivalents->setObjectName("Equivalents");
    form->addRow(QStringLiteral("แขนอื่นของเข็ม"), Equivalents);
    layout->addLayout(form);

    auto* steps = new QHBoxLayout;
    for (const Step& step : kSteps) {
        auto* button = new QPushButton(QString::fromUtf8(step.caption), this);
        button->setObjectName(step.name);
        button->setAutoDefault(false);
        button->setFocusPolicy(Qt::NoFocus);
        const int minutes = step.minutes;
        connect(button, &QPushButton::clicked, this, [this, minutes] { TurnBy(minutes); });
        steps->addWidget(button);
    }
    layout->addLayout(steps);

    auto* goTo = new QHBoxLayout;
    GoToList = new QComboBox(this);
    GoToList->setObjectName("GoToList");
    auto* goButton = new QPushButton(QStringLiteral("ไปที่"), this);
    goButton->setObjectName("GoToButton");
    goButton->setAutoDefault(false);
    connect(goButton, &QPushButton::clicked, this, &TDialTool::GoToChosenFactor);
    goTo->addWidget(GoToList, 1);
    goTo->addWidget(goButton);
    layout->addLayout(goTo);

    auto* orbRow = new QFormLayout;
    OrbBox = new QDoubleSpinBox(this);
    OrbBox->setObjectName("OrbBox");
    OrbBox->setRange(0.0, nemra::kMaxFinderOrb);
    OrbBox->setDecimals(2);
    OrbBox->setSingleStep(0.25);
    OrbBox->setSuffix("°");
    OrbBox->setValue(FSession.FMidFinderOrb);
    connect(OrbBox, &QDoubleSpinBox::valueChanged, this, [this](double orb) {
        FSession.FMidFinderOrb = orb;
        nemra::DialRefresh r;
        r.drawChart = FSession.FMidFinderOn;
        emit refreshNeeded(r);
    });
    orbRow->addRow(QStringLiteral("ระยะวังกะศูนย์รังสี"), OrbBox);
    layout->addLayout(orbRow);

    PairGroup = new QGroupBox(QStringLiteral("คู่ศูนย์รังสีบนแกนเข็มชี้"), this);
    auto* pairLayout = new QVBoxLayout(PairGroup);
    PairList = new QListWidget(PairGroup);
    PairList->setObjectName("PairList");
    PairList->setMinimumHeight(180);
    pairLayout->addWidget(PairList);
    layout->addWidget(PairGroup);

    setFocusPolicy(Qt::StrongFocus);
    Refresh({});
}

void TDialTool::Refresh(std::span<const nemra::FinderPair> pairs)
{
    if (!PointerEdit->hasFocus() || !PointerEdit->isModified()) {
        PointerEdit->setText(Q(nemra::WinDeg::PositionText(FSession.FDialRotation)));
        PointerEdit->setModified(false);
    }
    QStringList arms;
    for (const double lon : nemra::PointerEquivalents(FSession.FDialRotation, FSession.FDialType))
        arms << Q(nemra::WinDeg::PositionText(lon));
    Equivalents->setText(arms.join("   "));
    FillGoToList();

    PairGroup->setVisible(FSession.FMidFinderOn);
    PairList->clear();
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const nemra::FinderPair& p = pairs[i];
        const QString text = QString("%1 / %2   %3   %4°")
                                 .arg(PointLabel(p.a), PointLabel(p.b), Q(nemra::WinDeg::PositionText(p.midpoint)))
                                 .arg(p.deviation, 0, 'f', 2);
        auto* row = new QListWidgetItem(text, PairList);
        const nemra::Rgb c = nemra::FinderPairColour(i);
        row->setForeground(QColor(c.r, c.g, c.b));
    }
}

void TDialTool::FillGoToList()
{
    std::vector<nemra::FinderPoint> points = nemra::FinderPoints(FSession, nemra::ShownRings(FSession));
    const bool same =
        points.size() == FGoToPoints.size()
        && std::equal(points.begin(), points.end(), FGoToPoints.begin(), [](const auto& a, const auto& b) {
               return a.layer == b.layer && a.factor == b.factor && a.reflected == b.reflected;
           });
    FGoToPoints = std::move(points);
    if (same)
        return;
    GoToList->clear();
    for (const nemra::FinderPoint& p : FGoToPoints)
        GoToList->addItem(PointLabel(p));
}

void TDialTool::TurnTo(double lon)
{
    PointerError->clear();
    PointerEdit->setModified(false);
    // The main window redraws the dial and then refreshes this window with the new pairs.
    emit refreshNeeded(nemra::TurnPointerTo(FSession, lon));
}

void TDialTool::TurnBy(int minutes)
{
    // Whole minutes from the shown minute, so steps never carry a fraction along.
    const double now = std::round(FSession.FDialRotation * 60.0) / 60.0;
    TurnTo(now + minutes / 60.0);
}

bool TDialTool::ApplyTypedPosition()
{
    const nemra::PointerParse parsed = nemra::ParsePointerPosition(PointerEdit->text().toStdString());
    if (!parsed.lon) {
        PointerError->setText(Q(parsed.error));
        return false;
    }
    TurnTo(*parsed.lon);
    return true;
}

void TDialTool::GoToChosenFactor()
{
    const int i = GoToList->currentIndex();
    if (i < 0 || static_cast<std::size_t>(i) >= FGoToPoints.size())
        return;
    // The point's present position: the charts may have moved since the list was filled.
    const nemra::FinderPoint chosen = FGoToPoints[static_cast<std::size_t>(i)];
    for (const nemra::FinderPoint& p : nemra::FinderPoints(FSession, nemra::ShownRings(FSession)))
        if (p.layer == chosen.layer && p.factor == chosen.factor && p.reflected == chosen.reflected)
            TurnTo(p.lon);
}

void TDialTool::keyPressEvent(QKeyEvent* event)
{
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    switch (event->key()) {
    case Qt::Key_Right:
        TurnBy(shift ? 10 : 1);
        break;
    case Qt::Key_Left:
        TurnBy(shift ? -10 : -1);
        break;
    case Qt::Key_Up:
        TurnBy(60);
        break;
    case Qt::Key_Down:
        TurnBy(-60);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
