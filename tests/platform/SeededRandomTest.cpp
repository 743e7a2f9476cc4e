#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "platform/PortableMath.h"
#include "platform/SeededRandom.h"

namespace {

TEST(SeededRandom, RangesStayInsideAndCoverEveryValue) {
  SeededRandom random(7);
  std::vector<int> seen(7, 0);
  for (int i = 0; i < 7000; ++i) {
    const int k = random.Below(7);
    ASSERT_GE(k, 0);
    ASSERT_LT(k, 7);
    ++seen[static_cast<std::size_t>(k)];
  }
  for (int count : seen) EXPECT_NEAR(count, 1000, 150);
  EXPECT_EQ(random.Below(0), 0);
  EXPECT_EQ(random.Below(1), 0);
  for (int i = 0; i < 1000; ++i) {
    const double u = random.Uniform();
    ASSERT_GE(u, 0.0);
    ASSERT_LT(u, 1.0);
  }
}

TEST(SeededRandom, ASeedRepeatsAndNeighbouringSeedsDiffer) {
  SeededRandom a(1), b(1), c(2);
  std::vector<int> shuffledA{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, shuffledB = shuffledA;
  a.Shuffle(shuffledA);
  b.Shuffle(shuffledB);
  EXPECT_EQ(shuffledA, shuffledB);
  std::vector<int> sorted = shuffledA;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(sorted, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_NE(a.Next(), c.Next());
}

TEST(PortableExp, AgreesWithTheLibraryToAFewUnitsInTheLastPlace) {
  for (double x = -700; x <= 700; x += 0.173) {
    const double exact = std::exp(x);
    EXPECT_NEAR(PortableExp(x), exact, 4 * std::numeric_limits<double>::epsilon() * exact) << x;
  }
  EXPECT_EQ(PortableExp(0), 1.0);
  EXPECT_EQ(PortableExp(-800), 0.0);
  EXPECT_TRUE(std::isinf(PortableExp(800)));
  EXPECT_NEAR(PortableExp(kLn8), 8.0, 1e-14);
  EXPECT_NEAR(PortableExp(kLn0_04), 0.04, 1e-16);
}

}  // namespace
