// The report dialogs' choices kept between their openings.
#pragma once

#include "core/ChartLayers.h"

namespace nemra {

struct ReportChoices {
    int BriefAspectMode = 1;              // the aspect list's shown mode 1..5
    ChartLayer TargetLayer = kLayerNatal; // the ChartLayer the hit-point report searches
};

} // namespace nemra
