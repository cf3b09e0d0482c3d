#include "synthesis/Part.h"

#include <algorithm>
#include <cmath>

#include "network/NumberText.h"
#include "network/ValueText.h"

namespace {

bool Near(double A, double B) { return std::abs(A - B) <= 1e-6 * std::max(std::abs(A), std::abs(B)); }

bool SamePart(const TPart& A, const TPart& B) {
  return A.Type == B.Type && Near(A.Value, B.Value) && Near(A.Z0, B.Z0) && Near(A.VelocityFactor, B.VelocityFactor);
}

}  // namespace

std::string PartName(TPartType T) { return TypeName(static_cast<TElementType>(T)); }

bool IsSeries(TPartType T) {
  return T == TPartType::Cs || T == TPartType::Ls || T == TPartType::Rs || T == TPartType::Line;
}

bool IsLumped(TPartType T) { return T != TPartType::Line && !IsStub(T); }

bool IsStub(TPartType T) { return T == TPartType::OpenStub || T == TPartType::ShortStub; }

void AddUnique(std::vector<TLadder>& Ladders, const TLadder& L) {
  const auto Same = [&L](const TLadder& Known) { return std::ranges::equal(Known, L, SamePart); };
  if (std::ranges::none_of(Ladders, Same)) Ladders.push_back(L);
}

std::string LadderText(const TLadder& Parts) {
  std::string Text;
  for (const TPart& P : Parts) {
    if (!Text.empty()) Text += ' ';
    Text += PartName(P.Type) + ':' + ShortestText(P.Value);
    if (!IsLumped(P.Type)) Text += '@' + ShortestText(P.Z0) + '/' + ShortestText(P.VelocityFactor);
  }
  return Text;
}
