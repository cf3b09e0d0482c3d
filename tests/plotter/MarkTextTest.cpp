#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "plotter/MarkText.h"

namespace {

struct TMarkCase {
  long double Value;
  std::string X, Y;
};

void PrintTo(const TMarkCase& C, std::ostream* Os) { *Os << C.X; }

class MarkTexts : public ::testing::TestWithParam<TMarkCase> {};

TEST_P(MarkTexts, ReadAsTheAxisWritesThem) {
  EXPECT_EQ(XMarkText(GetParam().Value), GetParam().X);
  EXPECT_EQ(YMarkText(GetParam().Value), GetParam().Y);
}

INSTANTIATE_TEST_SUITE_P(
    Fixed, MarkTexts,
    ::testing::Values(TMarkCase{2, "2", "2"}, TMarkCase{2.5L, "2.5", "2.5"}, TMarkCase{0.125L, "0.13", "0.13"},
                      TMarkCase{-40, "-40", "-40"}, TMarkCase{0, "0", "0"}, TMarkCase{0.004L, "0", "0"},
                      TMarkCase{0.005L, "0.01", "0.01"}, TMarkCase{1.005L, "1.01", "1.01"},
                      TMarkCase{0.1L + 0.2L, "0.3", "0.3"}, TMarkCase{999.996L, "1000", "1000"},
                      TMarkCase{-2500, "-2500", "-2500"}, TMarkCase{-2.710505431213761e-20L, "0", "0"},
                      TMarkCase{-0.8L + 1e-19L, "-0.8", "-0.8"}));

INSTANTIATE_TEST_SUITE_P(Scientific, MarkTexts,
                         ::testing::Values(TMarkCase{1000, "1e3", "1e03"}, TMarkCase{2000, "2e3", "2e03"},
                                           TMarkCase{2500, "2.5e3", "2.5e03"}, TMarkCase{1e6L, "1e6", "1e06"},
                                           TMarkCase{1234567, "1.23e6", "1.23e06"},
                                           TMarkCase{999999, "1e6", "1e06"},
                                           TMarkCase{1.5e123L, "1.5e123", "1.5e123"}));

}  // namespace
