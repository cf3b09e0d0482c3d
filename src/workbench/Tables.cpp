#include "workbench/Tables.h"

#include <array>
#include <cmath>

#include "files/Csv.h"
#include "files/TouchstoneWriter.h"
#include "network/ValueText.h"
#include "workbench/Reflection.h"

std::vector<std::string> NodeLines(const TNetWork& Net) {
  std::vector<std::string> Lines{NodeHeader};
  for (int Node = 0; Node <= Net.NrOfElements; ++Node) {
    const TElement& E = Net.Elements[Node + 1];
    const std::array Values{E.Z.Re, E.Z.Im, E.V.Re, E.V.Im, E.I.Re, E.I.Im};
    const std::string Type = Node == 0 ? "Load" : TypeName(E.ElementType);
    Lines.push_back(CsvLine({std::to_string(Node), Type, CsvNumbers(Values)}));
  }
  return Lines;
}

std::vector<std::string> SweepCsvRows(std::span<const TSweepPoint> Points) {
  std::vector<std::string> Lines;
  Lines.reserve(Points.size());
  for (const TSweepPoint& P : Points) {
    const std::array Values{P.Frequency,
                            P.Zin.Re,
                            P.Zin.Im,
                            P.Gamma.Re,
                            P.Gamma.Im,
                            Vswr(P.Gamma),
                            ReturnLossDb(P.Gamma),
                            10 * std::log10(P.Transfer)};
    Lines.push_back(CsvNumbers(Values));
  }
  return Lines;
}

std::vector<std::string> S1pRows(std::span<const TSweepPoint> Points) {
  std::vector<std::string> Lines;
  Lines.reserve(Points.size());
  for (const TSweepPoint& P : Points) Lines.push_back(TouchstoneLine(P.Frequency, std::array{P.Gamma}));
  return Lines;
}

std::vector<std::string> S2pRows(std::span<const TTwoPortPoint> Points) {
  std::vector<std::string> Lines;
  Lines.reserve(Points.size());
  for (const TTwoPortPoint& P : Points)
    Lines.push_back(TouchstoneLine(P.Frequency, std::array{P.S.S11, P.S.S21, P.S.S12, P.S.S22}));
  return Lines;
}

namespace {

std::vector<std::string> Joined(std::vector<std::string> Header, const std::vector<std::string>& Rows) {
  Header.insert(Header.end(), Rows.begin(), Rows.end());
  return Header;
}

}  // namespace

std::vector<std::string> SweepCsvLines(std::span<const TSweepPoint> Points) {
  return Joined({SweepHeader}, SweepCsvRows(Points));
}

std::vector<std::string> S1pLines(std::span<const TSweepPoint> Points, double Zn, const std::string& Comment) {
  return Joined(TouchstoneHeader(Comment, Zn), S1pRows(Points));
}

std::vector<std::string> S2pLines(std::span<const TTwoPortPoint> Points, double Zn, const std::string& Comment) {
  return Joined(TouchstoneHeader(Comment, Zn), S2pRows(Points));
}
