#pragma once

// e to the power x from additions, multiplications and divisions alone, which
// round the same on every machine: libm's exp may differ in its last bit from
// one library to another, and a search that compares against it would take
// another turn in the browser than on the desktop. Accurate to a few units in
// the last place; 0 far below and infinity far above the range of double.
double PortableExp(double x);

// Natural logarithms of the constants the searches raise to a power.
constexpr double kLn8 = 2.0794415416798357;
constexpr double kLn0_04 = -3.2188758248682006;
constexpr double kLn0_03 = -3.5065578973199818;
constexpr double kLn0_01 = -4.6051701859880914;
