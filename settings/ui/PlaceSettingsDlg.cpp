#include "settings/ui/PlaceSettingsDlg.h"

#include "charts/model/ChartPlace.h"
#include "settings/model/IniFile.h"

TPlaceSettingsDlg::TPlaceSettingsDlg(const nemra::StartSettings& settings, std::string iniPath,
                                     nemra::CityListState& cities, std::vector<std::filesystem::path> cityDataDirs,
                                     QWidget* parent)
    : TChartDialog("PlaceSettingsDlg", QStringLiteral("สถานที่ผูกดวง"), cities, std::move(cityDataDirs), parent)
    , FSettings(settings)
    , FIniPath(std::move(iniPath))
{
    PlaceBox()->ShowPlace({settings.timeZone, settings.latitude, settings.longitude, settings.cityName});
}

nemra::ChartOutcome TPlaceSettingsDlg::MakeChart()
{
    const nemra::ChartPlace place = PlaceBox()->Place();
    if (const auto check = nemra::CheckPlace(place); !check)
        return nemra::Fault{check.fault().reason};
    nemra::StartSettings settings = FSettings;
    settings.cityName = place.Place.str();
    settings.timeZone = place.TimeZone.str();
    settings.latitude = place.Latitude.str();
    settings.longitude = place.Longitude.str();
    const nemra::Result<> written = nemra::WriteIniEntries(FIniPath, nemra::PlaceSettingsEntries(settings));
    if (!written)
        return nemra::Fault{"บันทึกไฟล์ " + FIniPath + " ไม่สำเร็จ: " + written.fault().reason};
    FSettings = settings;
    nemra::MadeChart made;
    nemra::PutPlace(place, made.chart);
    return made;
}
