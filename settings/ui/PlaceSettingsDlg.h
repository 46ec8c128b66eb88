// PlaceSettingsDlg: "สถานที่ผูกดวง", the start place of the settings file chosen as in the
// place dialogs (city list, zone, latitude, longitude, place name). OK writes [Place]
// CityName, Timezone, Latitude and Longitude of Nemra06.INI, so the next start uses them;
// a place the chart input refuses, or a file that cannot be written, keeps the dialog open
// with the reason.
//
// Use (main window, MnPlaceSettings):
//
//     TPlaceSettingsDlg dialog(FSettings, FIniPath, cities, cityDataDirs, this);
//     if (dialog.exec() == QDialog::Accepted)
//         FSettings = dialog.Settings(); // the place written
#pragma once

#include "charts/ui/ChartDialog.h"
#include "mainwin/model/Settings.h"

#include <string>

class TPlaceSettingsDlg : public TChartDialog {
    Q_OBJECT
  public:
    // Opens on the place of `settings` (the settings in force).
    TPlaceSettingsDlg(const nemra::StartSettings& settings, std::string iniPath, nemra::CityListState& cities,
                      std::vector<std::filesystem::path> cityDataDirs, QWidget* parent = nullptr);

    // The settings with the place written, once the dialog closed with OK.
    const nemra::StartSettings& Settings() const { return FSettings; }

  protected:
    nemra::ChartOutcome MakeChart() override;

  private:
    nemra::StartSettings FSettings;
    std::string FIniPath;
};
