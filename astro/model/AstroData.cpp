#include "astro/model/AstroData.h"

#include "core/AngleMath.h"
#include "core/MomentFinder.h"
#include "core/WinPl.h"
#include "reports/model/ReportFile.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace nemra {
namespace {

constexpr double kKmPerAU = 149597870.700;

constexpr int kAstroFactors[] = {kMeridian, kAscendant, kSun,    kMoon,    kMercury, kVenus,    kMars,
                                 kJupiter,  kSaturn,    kUranus, kNeptune, kPluto,   kNode,     kCupido,
                                 kHades,    kZeus,      kKronos, kApollon, kAdmetos, kVulcanus, kPoseidon};

std::string Fixed(double value, int decimals)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

// An angle or a time in sexagesimal parts, the last with four decimals: 23:26:15.6851 or
// 17h16m02.1872s. The marks are ones the Thai code page stores (it has no degree sign).
std::string Sexagesimal(double value, const char* whole, const char* minutes, const char* seconds)
{
    const long long units = std::llround(std::fabs(value) * 3600.0 * 1e4); // 1/10000 of a second
    const long long wholePart = units / (3600LL * 10000);
    const long long minutePart = units / (60LL * 10000) % 60;
    const double secondPart = static_cast<double>(units % (60LL * 10000)) / 1e4;
    char text[64];
    std::snprintf(text, sizeof text, "%s%lld%s%02lld%s%07.4f%s", value < 0 ? "-" : "", wholePart, whole, minutePart,
                  minutes, secondPart, seconds);
    return text;
}

std::string Degrees(double value)
{
    return Sexagesimal(value, ":", ":", "");
}

// A moment as the local clock of a zone shows it, to a tenth of a second: "06:41:37.9".
std::string LocalClock(double jdUT, double zoneHours)
{
    const double localDays = jdUT + 0.5 + zoneHours / 24.0;
    const long long tenths = std::llround((localDays - std::floor(localDays)) * 864000.0) % 864000;
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld.%lld", tenths / 36000, tenths / 600 % 60, tenths / 10 % 60,
                  tenths % 10);
    return text;
}

// The width of a UTF-8 text on screen in a fixed-pitch font: Thai vowel and tone marks above
// and below a letter take no column.
std::size_t ColumnWidth(std::string_view text)
{
    std::size_t width = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if ((byte & 0xC0) == 0x80)
            continue;
        if (byte == 0xE0 && i + 2 < text.size()) {
            const auto second = static_cast<unsigned char>(text[i + 1]);
            const auto third = static_cast<unsigned char>(text[i + 2]);
            const bool mark = (second == 0xB8 && (third == 0xB1 || (third >= 0xB4 && third <= 0xBA)))
                              || (second == 0xB9 && third >= 0x87 && third <= 0x8E);
            if (mark)
                continue;
        }
        ++width;
    }
    return width;
}

std::string Padded(const std::string& text, std::size_t width)
{
    const std::size_t used = ColumnWidth(text);
    return text + std::string(used < width ? width - used : 1, ' ');
}

std::string SourceText(AstroSource source)
{
    switch (source) {
    case AstroSource::Angle:
        return "";
    case AstroSource::Files:
        return "ไฟล์ปฏิทินดาว";
    case AstroSource::Analytic:
        return "ปฏิทินดาวคำนวณในตัว";
    case AstroSource::ElementsFile:
        return "องค์ประกอบวงโคจรจากไฟล์ seorbel.txt";
    case AstroSource::BuiltInElements:
        return "องค์ประกอบวงโคจรในตัว";
    }
    return "";
}

std::string SourceKey(AstroSource source)
{
    switch (source) {
    case AstroSource::Angle:
        return "sidereal-time";
    case AstroSource::Files:
        return "files";
    case AstroSource::Analytic:
        return "analytic";
    case AstroSource::ElementsFile:
        return "seorbel.txt";
    case AstroSource::BuiltInElements:
        return "built-in-elements";
    }
    return "";
}

bool IsAngle(const AstroFactor& f)
{
    return f.source == AstroSource::Angle;
}

std::string Distance(const AstroFactor& f)
{
    if (IsAngle(f) || f.factor == kNode)
        return "-";
    return f.factor == kMoon ? Fixed(f.figures.distanceAU * kKmPerAU, 3) + " กม." : Fixed(f.figures.distanceAU, 9);
}

AstroFactor AngleFactor(int factor, double lonDeg, const WinPl::MomentFigures& moment)
{
    AstroFactor f{factor, {}, AstroSource::Angle};
    f.figures.ok = true;
    f.figures.longitude = lonDeg;
    const WinPl::Equatorial equ = WinPl::EclipticPointToEquatorial(lonDeg, moment.trueObliquity);
    f.figures.rightAscension = equ.rightAscension;
    f.figures.declination = equ.declination;
    f.figures.siderealLongitude = Normalize360(lonDeg - moment.ayanamsa);
    return f;
}

AstroSource BodySource(int factor, const WinPl::BodyFigures& figures)
{
    if (factor >= kCupido && factor <= kPoseidon)
        return WinPl::OrbitalElementsFromFile() ? AstroSource::ElementsFile : AstroSource::BuiltInElements;
    return figures.fromFiles ? AstroSource::Files : AstroSource::Analytic;
}

// The last new moon within a lunation before `jdUT`.
std::optional<double> LastNewMoon(double jdUT)
{
    const std::vector<double> newMoons = FindMoments(MoonSunElongationAt, jdUT - 31.0, jdUT, 7.0);
    if (newMoons.empty())
        return std::nullopt;
    return newMoons.back();
}

// A sunrise or sunset that falls on the local date beginning at `dayStartUT`.
std::optional<double> WithinDay(std::optional<double> when, double dayStartUT)
{
    return when && *when < dayStartUT + 1.0 ? when : std::nullopt;
}

} // namespace

AstroSheet AstroSheetOf(const TChartRecord& chart, const std::string& title, const std::string& key, bool trueNode)
{
    AstroSheet sheet;
    sheet.title = title;
    sheet.key = key;
    sheet.input = chart.Input;
    sheet.computed = chart.Computed;
    if (!chart.Computed)
        return sheet;
    sheet.zoneHours = chart.ZoneDeg / 15.0;
    const double jdUT = chart.Day2000 + WinPl::kJulianDayOfD2000Zero;
    sheet.moment = WinPl::MomentFiguresAt(jdUT, chart.LonDeg);
    for (const int factor : kAstroFactors) {
        if (factor == kMeridian || factor == kAscendant) {
            sheet.factors.push_back(AngleFactor(factor, chart.Factors[factor].Lon, sheet.moment));
            continue;
        }
        const WinPl::BodyFigures figures = WinPl::FactorFiguresAt(factor, trueNode, jdUT);
        sheet.factors.push_back({factor, figures, BodySource(factor, figures)});
    }
    sheet.moonPhaseAngle = WinPl::MoonPhaseAngleAt(jdUT);
    if (const auto newMoon = LastNewMoon(jdUT))
        sheet.moonAgeDays = jdUT - *newMoon;
    // The local date begins at local midnight: 0h UT of the date less the zone.
    const double dayStartUT = chart.DayNumber + WinPl::kJulianDayOfDayNumberZero - sheet.zoneHours / 24.0;
    sheet.sunriseUT = WithinDay(WinPl::SunriseAfter(dayStartUT, chart.LonDeg, chart.LatDeg), dayStartUT);
    sheet.sunsetUT = WithinDay(WinPl::SunsetAfter(dayStartUT, chart.LonDeg, chart.LatDeg), dayStartUT);
    return sheet;
}

std::vector<std::string> AstroTextLines(const AstroSheet& sheet)
{
    std::vector<std::string> lines{sheet.title + ": " + IdentityLine(sheet.input) + " " + sheet.input.Place.str()};
    if (!sheet.computed) {
        lines.push_back("ยังไม่ได้ผูกดวง");
        return lines;
    }
    const WinPl::MomentFigures& m = sheet.moment;
    const auto rise = [&sheet](const std::optional<double>& when) {
        return when ? LocalClock(*when, sheet.zoneHours) + " (เวลาท้องถิ่น)" : std::string("ไม่มีในวันนี้");
    };
    const std::pair<std::string, std::string> figures[] = {
        {"วันจูเลียน (UT)", Fixed(m.jdUT, 9)},
        {"วันจูเลียน (TT)", Fixed(m.jdTT, 9)},
        {"เดลตาที (วินาที)", Fixed(m.deltaTSeconds, 6)},
        {"เวลาดาราคติท้องถิ่น", Sexagesimal(m.siderealHours, "h", "m", "s")},
        {"ความเอียงของสุริยวิถี (จริง)", Degrees(m.trueObliquity)},
        {"นิวเทชันในลองจิจูด", Degrees(m.nutationLongitude)},
        {"นิวเทชันในความเอียง", Degrees(m.nutationObliquity)},
        {"อยนางศ (ลาหิรี)", Degrees(m.ayanamsa)},
        {"มุมเฟสของดวงจันทร์", Fixed(sheet.moonPhaseAngle, 7)},
        {"อายุดวงจันทร์ (วัน)", sheet.moonAgeDays ? Fixed(*sheet.moonAgeDays, 4) : "-"},
        {"ดวงอาทิตย์ขึ้น", rise(sheet.sunriseUT)},
        {"ดวงอาทิตย์ตก", rise(sheet.sunsetUT)},
    };
    for (const auto& [label, value] : figures)
        lines.push_back(Padded(label, 30) + value);

    const std::size_t widths[] = {11, 13, 12, 13, 16, 18, 13, 13};
    const std::string headings[] = {"ปัจจัย",         "ลองจิจูด",     "ละติจูด",         "เดคลิเนชัน", "ไรต์แอสเซนชัน",
                                    "ระยะทาง (AU)", "ความเร็ว/วัน", "นิรายนะ (ลาหิรี)", "ที่มา"};
    const auto row = [&widths](const std::vector<std::string>& cells) {
        std::string line;
        for (std::size_t i = 0; i < cells.size(); ++i)
            line += i + 1 < cells.size() ? Padded(cells[i], widths[i]) : cells[i];
        line.erase(line.find_last_not_of(' ') + 1);
        return line;
    };
    lines.emplace_back();
    lines.push_back(row({std::begin(headings), std::end(headings)}));
    for (const AstroFactor& f : sheet.factors) {
        const WinPl::BodyFigures& b = f.figures;
        if (!b.ok) {
            lines.push_back(row({std::string(FactorNamesThai[f.factor]), "-"}));
            continue;
        }
        const bool angle = IsAngle(f);
        lines.push_back(
            row({std::string(FactorNamesThai[f.factor]), Fixed(b.longitude, 7), angle ? "-" : Fixed(b.latitude, 7),
                 Fixed(b.declination, 7), Sexagesimal(b.rightAscension / 15.0, "h", "m", "s"), Distance(f),
                 angle ? "-" : Fixed(b.speed, 7) + (b.speed < 0 ? " พ" : ""), Fixed(b.siderealLongitude, 7),
                 SourceText(f.source)}));
    }
    return lines;
}

std::vector<std::string> AstroTsvLines(const std::vector<AstroSheet>& sheets)
{
    std::vector<std::string> lines{"chart\titem\tquantity\tvalue"};
    for (const AstroSheet& sheet : sheets) {
        if (!sheet.computed)
            continue;
        const auto put = [&lines, &sheet](const std::string& item, const std::string& quantity,
                                          const std::string& value) {
            lines.push_back(sheet.key + "\t" + item + "\t" + quantity + "\t" + value);
        };
        const WinPl::MomentFigures& m = sheet.moment;
        put("moment", "jd_ut", Fixed(m.jdUT, 9));
        put("moment", "jd_tt", Fixed(m.jdTT, 9));
        put("moment", "delta_t_s", Fixed(m.deltaTSeconds, 6));
        put("moment", "lst_h", Fixed(m.siderealHours, 9));
        put("moment", "obliquity_true", Fixed(m.trueObliquity, 9));
        put("moment", "nutation_lon", Fixed(m.nutationLongitude, 9));
        put("moment", "nutation_obl", Fixed(m.nutationObliquity, 9));
        put("moment", "ayanamsa_lahiri", Fixed(m.ayanamsa, 9));
        put("moon", "phase_angle", Fixed(sheet.moonPhaseAngle, 7));
        put("moon", "age_d", sheet.moonAgeDays ? Fixed(*sheet.moonAgeDays, 4) : "none");
        put("sun", "rise_ut", sheet.sunriseUT ? Fixed(*sheet.sunriseUT, 9) : "none");
        put("sun", "set_ut", sheet.sunsetUT ? Fixed(*sheet.sunsetUT, 9) : "none");
        for (const AstroFactor& f : sheet.factors) {
            const std::string code(FactorCode[f.factor]);
            const WinPl::BodyFigures& b = f.figures;
            put(code, "source", b.ok ? SourceKey(f.source) : "none");
            if (!b.ok)
                continue;
            put(code, "lon", Fixed(b.longitude, 7));
            put(code, "ra", Fixed(b.rightAscension, 7));
            put(code, "decl", Fixed(b.declination, 7));
            put(code, "lon_sidereal", Fixed(b.siderealLongitude, 7));
            if (IsAngle(f))
                continue;
            put(code, "lat", Fixed(b.latitude, 7));
            put(code, "speed", Fixed(b.speed, 7));
            put(code, "retrograde", b.speed < 0 ? "1" : "0");
            if (f.factor == kMoon)
                put(code, "dist_km", Fixed(b.distanceAU * kKmPerAU, 3));
            else if (f.factor != kNode)
                put(code, "dist_au", Fixed(b.distanceAU, 9));
        }
    }
    return lines;
}

std::vector<std::string> AstroLinesOfChart(const TChartInput& natal, const CastOptions& options, bool tsv)
{
    TChartRecord chart;
    chart.Input = natal;
    CastChart(chart, options);
    const AstroSheet sheet = AstroSheetOf(chart, "ดวงกำเนิด", "natal", options.trueNode);
    return tsv ? AstroTsvLines({sheet}) : AstroTextLines(sheet);
}

} // namespace nemra
