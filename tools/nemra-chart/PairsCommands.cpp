// pairs: the midpoint finder's list for a pointer, as the dial tool lists it.
#include "tools/nemra-chart/Cli.h"

#include "core/WinDeg.h"
#include "dialtools/model/MidpointFinder.h"

#include <cstdio>

namespace nemra::cli {
namespace {

struct PairsArgs {
    ChartArgs charts;
    std::optional<std::string> point;
    std::optional<std::string> dial;
    std::optional<std::string> rings;
    std::optional<std::string> reflections;
    double orb = kDefaultFinderOrb;
};

const char* RingWord(int layer)
{
    return layer == kLayerTransit ? "transit" : (layer == kLayerV1 ? "v1" : "natal");
}

FinderRings RingsOption(const std::optional<std::string>& text, bool transitCast)
{
    if (!text)
        return {true, transitCast, false};
    FinderRings rings;
    for (const std::string& ring : SplitFields(*text)) {
        if (ring == "natal")
            rings.natal = true;
        else if (ring == "transit")
            rings.transit = true;
        else if (ring == "v1")
            rings.v1 = true;
        else
            Refuse("--rings takes natal, transit and v1, comma-separated; got " + Quoted(ring));
    }
    if ((rings.transit || rings.v1) && !transitCast)
        Refuse("--rings: the transit and v1 rings need --transit");
    return rings;
}

std::string PairLine(const FinderPair& p)
{
    char deviation[32];
    std::snprintf(deviation, sizeof deviation, "%.2f", p.deviation);
    return FinderPairName(p) + "," + RingWord(p.a.layer) + "," + RingWord(p.b.layer) + ","
           + WinDeg::PositionText(p.midpoint) + "," + deviation;
}

} // namespace

void AddPairsCommand(CLI::App& app, CommandTable& table, Context& context)
{
    auto args = std::make_shared<PairsArgs>();
    CLI::App* command = table.Add(
        app, "pairs", "the pairs whose midpoint stands on a pointer's axis, as the dial's midpoint finder lists them",
        [args, &context] {
            MainSession session;
            CastCharts(args->charts, "pairs", false, session, context);
            const PointerParse point = ParsePointerPosition(args->point.value_or(""));
            if (!point.lon)
                Refuse("--point: " + point.error + " (expected 'SIGN,DEG,MIN')");
            session.FMaxContracia = args->reflections ? std::stoi(*args->reflections) : 21;
            const int dial = args->dial == "90" ? 90 : 360;
            const auto points = FinderPoints(session, RingsOption(args->rings, session.FTransit.Computed));
            for (const FinderPair& pair : FindMidpointPairs(points, *point.lon, dial, args->orb))
                context.out << PairLine(pair) << '\n';
        });
    AddChartOptions(*command, args->charts, ChartOptions::NatalAndTransit);
    command->get_option("--natal")->required();
    AddText(*command, "--point", args->point, "'SIGN,DEG,MIN'", "the pointer: sign 0..11, degrees 0..29, minutes 0..59")
        ->required();
    AddChoice(*command, "--dial", args->dial, {"360", "90"}, "--dial must be 360 or 90",
              "the dial: 360 (axis: the pointer and its opposite) or 90 (every 45 degrees)")
        ->required();
    command
        ->add_option_function<std::string>(
            "--orb",
            [args](const std::string& text) {
                char* end = nullptr;
                const double orb = std::strtod(text.c_str(), &end);
                if (text.empty() || *end != '\0' || !(orb >= 0.0 && orb <= kMaxFinderOrb))
                    Refuse("--orb must be a number of degrees from 0 to 10");
                args->orb = orb;
            },
            "the orb in degrees (default 1.00)")
        ->type_name("DEGREES");
    AddText(*command, "--rings", args->rings, "natal,transit,v1",
            "the rings whose factors pair (default natal, and transit when given)");
    AddChoice(*command, "--reflections", args->reflections, {"0", "5", "21"}, "--reflections must be 0, 5 or 21",
              "the reflections taking part: of factors 1..21 (default), 1..5, or none");
}

} // namespace nemra::cli
