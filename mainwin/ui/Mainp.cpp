#include "Mainp.h"

#include "FactorCatalogue.h"
#include "OwnerChart.h"
#include "WinDeg.h"

#include <QFont>
#include <QPlainTextEdit>

namespace {
QString Q(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
} // namespace

TMainForm::TMainForm(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName("MainForm");
    setWindowTitle(QStringLiteral("โหราศาสตร์ยูเรเนียน"));
    FPositions = new QPlainTextEdit(this);
    FPositions->setObjectName("PositionList");
    FPositions->setReadOnly(true);
    FPositions->setFont(QFont("Garuda", 12));
    setCentralWidget(FPositions);
    resize(792, 536);
    CastOwnerChart();
}

void TMainForm::CastOwnerChart()
{
    FNatal = {};
    FNatal.Input = nemra::OwnerChartInput();
    nemra::CastChart(FNatal, {});
    ShowPositions();
}

void TMainForm::ShowPositions()
{
    QStringList lines;
    lines << Q(FNatal.Input.Name.str()) + "   " + Q(FNatal.DateWords) + "   " + Q(FNatal.Input.Time.str()) + "   "
                 + Q(FNatal.Input.Place.str());
    lines << QString();
    for (int i = nemra::kFirstPositionedFactor; i <= nemra::kLastPositionedFactor; ++i) {
        const auto f = static_cast<std::size_t>(i);
        lines << QString("%1\t%2%3")
                     .arg(Q(nemra::FactorNamesThai[f]), -14)
                     .arg(Q(nemra::WinDeg::PositionText(FNatal.Factors[f].Lon)))
                     .arg(Q(FNatal.Retro[f]));
    }
    FPositions->setPlainText(lines.join('\n'));
}
