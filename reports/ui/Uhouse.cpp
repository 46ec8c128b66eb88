#include "reports/ui/Uhouse.h"

#include "mainwin/model/HouseReportFlow.h"

TFHouse::TFHouse(const nemra::PlacementReport& report, QWidget* parent)
    : TPlacementDialog(report, QStringLiteral("บันทึกปัจจัยในเรือนชะตาลงไฟล์"), QStringLiteral("บันทึกเรือนและดาวในเรือนลงไฟล์"),
                       parent)
{
    setObjectName(QStringLiteral("FHouse"));
}

namespace nemra::ui {

void ShowHouseReport(QWidget* parent, DialSession& session, int factor, ChartLayer chart, const RunDialogFn& run,
                     const std::function<void()>& redraw, const TPlacementDialog::BookLookup& book)
{
    nemra::SetHouseReportIndex(session, factor, chart);
    redraw();
    TFHouse dialog(nemra::ShiftIndexToHouses(session, factor), parent);
    if (book)
        dialog.SetBookLookup(book);
    run(dialog);
}

} // namespace nemra::ui
