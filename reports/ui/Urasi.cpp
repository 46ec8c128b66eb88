#include "reports/ui/Urasi.h"

#include "mainwin/model/HouseReportFlow.h"

TFRasi::TFRasi(const nemra::PlacementReport& report, QWidget* parent)
    : TPlacementDialog(report, QStringLiteral("บันทึกปัจจัยในราศีลงไฟล์"), QStringLiteral("บันทึกราศีและดาวในราศีลงไฟล์"), parent)
{
    setObjectName(QStringLiteral("FRasi"));
}

namespace nemra::ui {

void ShowSignReport(QWidget* parent, const ChartSet& charts, const RunDialogFn& run)
{
    TFRasi dialog(SignReportOf(charts), parent);
    run(dialog);
}

} // namespace nemra::ui
