#pragma once

// The formulas of NEN-EN-ISO 6946:2017 that both screens use, in double.

namespace rcveltor::iso6946 {

// Fastener correction (annex F): alpha x lambda_f x A_f x n / d0 x (R1 / RT)^2
// [W/m2K]; 0 for combination 0 and for a layer without thickness.
// aantal per m2, d0 [m], r1 and rt [m2K/W].
double DeltaUf(int combinatie, double aantal, double d0, double r1, double rt);

// U of a tapered area (annex E) [W/m2K] with r0 the resistance at the thin end
// and r1 the tapered layer's extra resistance at the thick end [m2K/W]:
// type 1 a rectangle, type 2 a triangle thickest at the apex, type 3 a
// triangle thinnest at the apex. All give 1 / r0 for r1 = 0, also accurate
// for r1 near 0.
double URechthoek(double r0, double r1);
double UDriehoekDikTop(double r0, double r1);
double UDriehoekDunTop(double r0, double r1);

// The largest number of two decimals whose double does not exceed rc: the
// shown Rc is never better than the computed one, and shows 6,30 exactly
// when rc >= 6.3. A few steps for every rc; infinities and NaN come back as
// they are.
double RcOmlaag(double rc);

} // namespace rcveltor::iso6946
