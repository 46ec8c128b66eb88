// What the hit-point report knows of the main window: a plain copy of the dial index and
// of both charts, taken just before the report opens (the main window's model makes it).
// The report reads nothing else.
#pragma once

#include "core/ChartInput.h"
#include "core/PointFormulas.h"

#include <string>

namespace nemra {

struct ReportSnapshot {
    bool natalComputed = false;
    bool transitComputed = false;
    std::string indexText;    // the index point's position text (FDialSubTitle)
    double indexPoint = 90.0; // the index point's longitude, degrees (FDialRotation)
    TChartInput natalInput;
    TChartInput transitInput;
    FactorPositions natalFactors{};
    FactorPositions transitFactors{};
    SolarArcs arcs; // FArc, FHalfArc, FDoubleArc in degrees
    ReflectionAxis axis = kAxisAriesLibra;

    // The dial index values the report names the studied point by, and those it recognises
    // the studied point by among the candidates (kind, factors and layer).
    std::string indexName;              // IndexName
    std::string indexFactorCode;        // IndexFactorCode: 2 letters for a factor, 4 for a pair
    int indexCodeFactor = 0;            // IndexCodeFactor
    ChartLayer indexLayer = kLayerNone; // IndexLayer: 0, or the ChartLayer 1..8 of the studied point
    int indexMode = kIndexZodiac;       // FIndexMode: what kind of point the studied point is
    int indexFactorA = 0;               // FIndexFactorA..C: the factors it is formed from
    int indexFactorB = 0;
    int indexFactorC = 0;
};

} // namespace nemra
