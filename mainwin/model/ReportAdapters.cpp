#include "mainwin/model/ReportAdapters.h"

namespace nemra {

ReportSnapshot MakeReportSnapshot(const DialSession& s)
{
    ReportSnapshot snap;
    snap.natalComputed = s.FNatal.Computed;
    snap.transitComputed = s.FTransit.Computed;
    snap.indexText = s.FDialSubTitle;
    snap.indexPoint = s.FDialRotation;
    snap.natalInput = s.FNatal.Input;
    snap.transitInput = s.FTransit.Input;
    snap.natalFactors = s.FNatal.Factors;
    snap.transitFactors = s.FTransit.Factors;
    snap.arcs = {s.FArc, s.FHalfArc, s.FDoubleArc};
    snap.axis = s.FAxis;
    snap.indexName = s.IndexName;
    snap.indexFactorCode = s.IndexFactorCode;
    snap.indexCodeFactor = s.IndexCodeFactor;
    snap.indexLayer = s.IndexLayer;
    snap.indexMode = s.FIndexMode;
    snap.indexFactorA = s.FIndexFactorA;
    snap.indexFactorB = s.FIndexFactorB;
    snap.indexFactorC = s.FIndexFactorC;
    return snap;
}

} // namespace nemra
