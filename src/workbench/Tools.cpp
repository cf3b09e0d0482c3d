#include "workbench/Tools.h"

#include "network/SweepEngine.h"
#include "synthesis/SolutionNetwork.h"
#include "workbench/Sweep.h"

TMatchResult MatchNetworkLoad(const TNetWork& Net) {
  TMatchRequest Request;
  Request.At = {Net.LoadImpedance(), Net.GetFrequency(), Net.GetZn(), Net.Q};
  return Match(Request);
}

void ApplyLadder(const TLadder& Ladder, TNetWork& Net) {
  if (Net.NrOfElements < static_cast<int>(Ladder.size())) Net.SetNrOfElements(static_cast<int>(Ladder.size()));
  for (int p = 1; p <= Net.NrOfElements; ++p) {
    TElement& E = Net.Elements[p + 1];
    if (p > static_cast<int>(Ladder.size())) {
      E.SetElementType(TElementType::None);
      E.SetValue(0);
      continue;
    }
    PlacePart(Ladder[p - 1], E);
  }
}

TOptimiseResult OptimiseBand(const TNetWork& Net, double From, double To, int Points, std::stop_token Stop,
                             std::function<void(double)> Progress) {
  const std::vector<double> All = SweepFrequencies(From, To, Points, TSweepScale::Linear);
  TLoadedBand Band = WhereLoaded(All, NetworkLoad(Net, All));
  if (Band.Frequencies.empty()) throw ENoLoadError("No frequency of the band has a measured load");
  TOptimiseRequest Request;
  Request.Frequencies = std::move(Band.Frequencies);
  Request.Load = std::move(Band.Load);
  Request.Stop = std::move(Stop);
  Request.Progress = std::move(Progress);
  return Optimise(Net, Request);
}
