#include "setup/random.h"

#include <gtest/gtest.h>

namespace vornmark {
namespace {

TEST(Lcg, FromStateOneGivesTheWellKnownFirstDraws) {
  Lcg random;
  EXPECT_EQ(random.draw(), 41);
  EXPECT_EQ(random.draw(), 18467);
  EXPECT_EQ(random.draw(), 6334);
  EXPECT_EQ(random.draw(), 26500);
  EXPECT_EQ(random.draw(), 19169);
}

TEST(Lcg, SeedSetsTheStateAndDrawsStayInFifteenBits) {
  Lcg a;
  Lcg b;
  a.seed(0xDEADBEEFu);
  b.seed(0xDEADBEEFu);
  for (int i = 0; i < 1000; ++i) {
    const int value = a.draw();
    EXPECT_EQ(value, b.draw());
    EXPECT_GE(value, 0);
    EXPECT_LE(value, 32767);
  }
  // The state wraps modulo 2^32: the next state follows from the formula.
  a.seed(0xFFFFFFFFu);
  a.draw();
  EXPECT_EQ(a.state(), 0xFFFFFFFFu * 214013u + 2531011u);
}

}  // namespace
}  // namespace vornmark
