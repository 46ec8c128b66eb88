#include "timeline/ui/GraphEphemerisForm.h"

#include "charts/model/ChartMoment.h"
#include "charts/ui/ChartDialog.h"

#include "input/ui/InputDialogKit.h"
#include "ui/common/QtText.h"

using namespace nemra::ui;

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

TGraphEphemerisForm::TGraphEphemerisForm(const nemra::TChartRecord& natal, const nemra::TimelineSettings& initial,
                                         QWidget* parent)
    : TReportDialog(parent)
    , FNatal(natal)
{
    setObjectName(QStringLiteral("GraphEphemerisForm"));
    setWindowTitle(QStringLiteral("กราฟปฏิทินดาว"));
    setWindowFlags(Qt::Window);
    FChoices = new TTimelineChoices(initial, this);
    FGraph = new TEphemerisGraph(this);
    MessageLabel = MakeLabel(this, "MessageLabel", {});
    MessageLabel->setStyleSheet(QStringLiteral("color: #b00000"));
    SavePictureBtn = MakeButton(this, "SavePictureBtn", QStringLiteral("บันทึกภาพ"));
    SavePictureBtn->setToolTip(QStringLiteral("บันทึกกราฟเป็นไฟล์ภาพ PNG, SVG หรือ PDF"));
    CloseBtn = MakeButton(this, "CloseBtn", QStringLiteral("ออก"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(FChoices, 0, 0, 3, 1);
    grid->addWidget(FGraph, 0, 1, 1, 3);
    grid->addWidget(MessageLabel, 1, 1, 1, 3);
    grid->addWidget(SavePictureBtn, 2, 2);
    grid->addWidget(CloseBtn, 2, 3);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(0, 1);
    resize(1180, 720);

    connect(FChoices, &TTimelineChoices::Changed, this, &TGraphEphemerisForm::Recompute);
    connect(FGraph, &TEphemerisGraph::DateClicked, this, &TGraphEphemerisForm::DateChosen);
    connect(SavePictureBtn, &QPushButton::clicked, this, &TGraphEphemerisForm::SavePicture);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::close);
    Recompute();
}

void TGraphEphemerisForm::Recompute()
{
    const nemra::TimelineSettings settings = FChoices->Settings();
    const nemra::PeriodOutcome period = nemra::PeriodOf(settings, nemra::ZoneSeconds(FNatal.Input.TimeZone));
    MessageLabel->setText(period.ok() ? QString() : FromUtf8(period.fault().reason));
    SavePictureBtn->setEnabled(period.ok());
    FGraph->SetContent(period.ok() ? nemra::ComputeGraphContent(FNatal, settings, *period) : nemra::GraphContent{});
}

void TGraphEphemerisForm::SavePicture()
{
    const int width = FGraph->width();
    const int height = FGraph->height();
    SaveToFile(QStringLiteral("บันทึกกราฟปฏิทินดาวลงไฟล์"),
               QStringLiteral("PNG File (*.png);;SVG File (*.svg);;PDF File (*.pdf);;All File (*.*)"),
               QStringLiteral("png"), nemra::ui::SaveMode::Replace, [&](const std::string& path) {
                   return nemra::ui::SaveGraphPicture(path, FGraph->Content(), width, height);
               });
}
