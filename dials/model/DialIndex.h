// The dial index operations: what each calculation dial does to the session once its
// dialog has given a choice, the remembered dialog settings, and the recomputation of the
// index point from the kind the session has stored (used by the real-time transit).
// After each Set...Index the main window redraws the dial, refreshes the command state and
// brings the dial page to the front.
#pragma once

#include "core/PointFormulas.h"
#include "dials/model/DialIndexState.h"

#include <optional>
#include <string>

namespace nemra {

inline constexpr const char* kCancerPointName = "จุดกรกฎ";
inline constexpr const char* kHouseTitlePrefix = "เรือนชะตา ";
inline constexpr const char* kDailyMeridianTitle = "เมอริเดียนประจำวัน ";
inline constexpr const char* kUserPointDefaultName = "User's Point";

// Sources of the midpoint dial (FMidSource) and of the sensitive-point dial (FSensSource).
enum MidSource : int {
    kMidNatal = 3,
    kMidTransit = 4,
    kMidNatalTransit = 5,
    kMidV1 = 6,
    kMidV1Half = 7,
    kMidV1Double = 8,
    kMidV2 = 9,
    kMidV2Half = 10,
    kMidV2Double = 11,
};
enum SensSource : int {
    kSensNatal = 7,
    kSensTransit = 8,
    kSensV1 = 9,
    kSensV1Half = 10,
    kSensV1Double = 11,
    kSensV2 = 12,
    kSensV2Half = 13,
    kSensV2Double = 14,
};

// The ChartLayer a source takes its points from (0 for the natal/transit mixture); an
// unknown source counts as the natal chart.
ChartLayer MidSourceLayer(int source);
ChartLayer SensSourceLayer(int source);

// The choices the dialogs hand over. Factor numbers are 0..21.
struct HouseChoice {
    int factor = kMeridian; // 1..21
    bool natal = true;      // natal chart, else transit chart
};
struct MidpointChoice {
    int source = kMidNatal;
    int factorA = 0;
    int factorB = 0;
    bool usePair = false; // midpoint of A and B, else A alone
    bool reflect = false;
};
struct SensitiveChoice {
    int kind = 1; // 1..6
    int source = kSensNatal;
    int factorA = 0;
    int factorB = 0;
    int factorC = 0;
};
struct UserPointChoice {
    std::string name = kUserPointDefaultName;
    int sign = 0;    // 0..11 from Aries
    int degrees = 0; // 0..29
    int minutes = 0; // 0..59
};

// The dialogs' remembered settings, written when a dialog ends with OK (a source or
// formula click is stored by the dialog at once).
void RememberMidpointChoice(DialChoices& s, const MidpointChoice& choice);
void RememberSensitiveChoice(DialChoices& s, const SensitiveChoice& choice);

// The model part of ShowIndex: the second title line becomes the position text of the index.
void ShowIndex(DialIndexState& s);

// A settings dialog of a calculation dial was cancelled: the index stays as it was.
void CancelIndexChoice(DialIndexState& s);

// Zodiac from the Cancer point.
void SetZodiacIndex(DialIndexState& s);
// House dial of a factor of the natal or transit chart.
void SetHouseIndex(DialSession& s, const HouseChoice& choice);
// One factor or the midpoint of two, optionally reflected, from one of the nine sources.
void SetMidpointIndex(DialSession& s, const MidpointChoice& choice);
// A sensitive point from one of the eight sources.
void SetSensitiveIndex(DialSession& s, const SensitiveChoice& choice);
// The daily meridian of the directed chart.
void SetDailyMeridianIndex(DialSession& s);
// A longitude typed as sign, degrees and minutes, under the user's name.
void SetUserIndex(DialIndexState& s, const UserPointChoice& choice);

// Longitude in degrees of a user point: sign x 30 + degrees + minutes / 60 (each value
// held to its range).
double UserPointLongitude(const UserPointChoice& choice);

// The index kind stored in the session, and the positions it is formed from.
IndexKind IndexKindOf(const DialIndexState& s);
PointSources PointSourcesOf(const ChartSet& s);

// The index point recomputed from the session's stored kind with the session's present
// charts and arcs; nothing when the index is a fixed point (zodiac, user point, drag) or
// has no layer to follow.
std::optional<double> RecomputeIndexPoint(const DialSession& s);

} // namespace nemra
