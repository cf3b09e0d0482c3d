#include "files/Csv.h"

#include "network/NumberText.h"

std::string CsvLine(std::initializer_list<std::string_view> Fields) {
  std::string Line;
  for (std::string_view Field : Fields) {
    if (!Line.empty()) Line += ',';
    Line += Field;
  }
  return Line;
}

std::string CsvNumbers(std::span<const double> Values) {
  std::string Line;
  for (double V : Values) {
    if (!Line.empty()) Line += ',';
    Line += ShortestText(V);
  }
  return Line;
}
