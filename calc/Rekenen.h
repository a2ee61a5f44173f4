#pragma once

// Rounding and checked arithmetic shared by every calculation.
//
// Intermediate results are computed in long double, which g++ on x86-64
// (Linux and MinGW-w64) implements as the 80-bit x87 extended format (64-bit
// mantissa). The engine does not build where long double is anything else.

namespace rcveltor {

// x rounded to n decimals at the scale 10^n, exact halves to the even
// neighbour; x is taken as computed (extended), only the result is a double.
double Afronden(long double x, int n);

// The straight line through (x0, y0) and (x1, y1) at x, in two orders of
// operations; both computed in extended precision, result rounded to double.
double Interpoleer(long double x, long double x0, long double x1, long double y0, long double y1);
double Extrapoleer(long double x, long double x0, long double x1, long double y0, long double y1);

// Division and logarithm that raise the floating-point errors instead of
// producing infinities or NaNs: "Floating point division by zero" for a
// non-zero value divided by zero, "Invalid floating point operation" for
// 0 / 0 and logarithms of negative values, "Floating point overflow" when the
// result does not fit.
long double Deel(long double teller, long double noemer);
long double Ln(long double x);

// Throws "Floating point overflow" / "Invalid floating point operation" when
// a result is not a finite number.
long double Controleer(long double x);

} // namespace rcveltor
