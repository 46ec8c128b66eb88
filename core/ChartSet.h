// The charts of a session and what is formed from them: the natal and transit charts, the
// directed (V1) set, the arcs and the daily meridian, with the switches they were cast with.
// The dial's index, the reports and the main window all read their points from here.
#pragma once

#include "core/ChartInput.h"
#include "core/ChartLayers.h"
#include "core/ChartRecord.h"

#include <array>
#include <string>

namespace nemra {

struct ChartSet {
    TChartRecord FNatal;
    TChartRecord FTransit;
    TChartRecord FProgressed; // the V1 set: Factors, Computed, Visible, GlyphX/Y
    TChartInput FOwnerInput;

    // Arcs in degrees (FDoubleArc is not reduced) and their texts.
    double FArc = 0.0;
    double FHalfArc = 0.0;
    double FDoubleArc = 0.0;
    std::array<std::string, 3> FArcText;
    double FDailyMeridian = 0.0;

    // The switches every chart is cast with.
    ReflectionAxis FAxis = kAxisAriesLibra;
    bool TrueNodeChecked = true; // the check of MnTrueNode

    CastOptions castOptions() const { return {TrueNodeChecked, FAxis}; }
};

} // namespace nemra
