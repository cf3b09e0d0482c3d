#include "files/TouchstoneWriter.h"

#include <algorithm>

#include "network/NumberText.h"

std::vector<std::string> TouchstoneHeader(std::string Comment, double Zn) {
  std::replace_if(Comment.begin(), Comment.end(), [](char C) { return C == '\r' || C == '\n'; }, ' ');
  return {"! " + Comment, "# Hz S RI R " + ShortestText(Zn)};
}

std::string TouchstoneLine(double Frequency, std::span<const TComplex> S) {
  std::string Line = ShortestText(Frequency);
  for (const TComplex& P : S) Line += ' ' + ShortestText(P.Re) + ' ' + ShortestText(P.Im);
  return Line;
}
