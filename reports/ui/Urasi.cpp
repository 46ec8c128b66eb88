#include "reports/ui/Urasi.h"

#include "mainwin/model/HouseReportFlow.h"

TFRasi::TFRasi(const nemra::PlacementReport& report, QWidget* parent)
    : TPlacementDialog(report, QStringLiteral("บันทึกปัจจัยในราศีลงไฟล์"), QStringLiteral("บันทึกราศีและดาวในราศีลงไฟล์"), parent)
{
    setObjectName(QStringLiteral("FRasi"));
}

void ShowSignReport(const nemra::MainSession& session, QWidget* parent, const nemra::ui::RunDialogFn& run)
{
    TFRasi dialog(nemra::SignReportOf(session), parent);
    run(dialog);
}
