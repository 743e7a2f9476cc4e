#include "platform/PortableMath.h"

#include <cmath>
#include <limits>

double PortableExp(double x) {
  if (std::isnan(x)) return x;
  if (x < -745) return 0;
  if (x > 709) return std::numeric_limits<double>::infinity();
  // x = k ln 2 + r with |r| at most about ln 2 / 2; ln 2 in two parts keeps r exact.
  constexpr double kLog2e = 1.4426950408889634, kLn2High = 0.693147180369123816490,
                   kLn2Low = 1.90821492927058770002e-10;
  const double k = std::floor(x * kLog2e + 0.5);
  const double r = (x - k * kLn2High) - k * kLn2Low;
  // Taylor's series to the 14th power leaves less than 1e-17 behind at |r| <= 0.35.
  double sum = 1;
  for (int i = 14; i >= 1; --i) sum = 1 + sum * r / i;
  return std::ldexp(sum, static_cast<int>(k));
}
