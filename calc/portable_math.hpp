#pragma once

// Elementary functions that give the same bits on every platform coilwind is built for.
//
// The C libraries disagree in the last bits of exp, log, sin, cos and the rest (glibc, libc++ on
// top of the system's libm, mingw's msvcrt, emscripten's musl): one design then prints different
// digits on Linux, on Windows and in the browser. These functions are computed here with
// +, -, *, / and the square root only, all correctly rounded by IEEE 754 on every target, plus
// exact bit manipulation. The build forbids fused multiply-add contraction (-ffp-contract=off),
// and no long double is used, so the same source gives the same bits everywhere.
//
// The method is fdlibm's (Sun Microsystems, 1993): an exact or extra-precise argument reduction,
// then a minimax polynomial or rational approximation on the reduced interval. The coefficients
// are those published in fdlibm's source comments, cited next to each one in the .cpp. Huge
// arguments of sin and cos are reduced with the bits of 2/pi (Payne and Hanek), exactly in
// integer arithmetic, so sin(1e300) is right and the same everywhere.
//
// Special values follow C99 Annex F: NaN in gives NaN out, always the one quiet NaN
// 0x7ff8000000000000 (a NaN's sign and payload would otherwise differ between x86 and WebAssembly); exp(-inf) = 0, exp(+inf) = +inf;
// log(0) = -inf, log(x < 0) = NaN; sin/cos(+-inf) = NaN; sin(+-0) = +-0; sinh keeps the sign of
// zero; acosh(x < 1) = NaN, acosh(1) = 0. Results overflow to +-inf and underflow through the
// subnormals to 0 at the thresholds glibc has.
//
// Error against glibc 2.36 (which rounds these functions correctly or nearly so), measured by
// bench/portable_math_accuracy on 10 million arguments per function and range (re-measure with
// `build/portable_math_accuracy 10000000`; docs/portable-math.md gives the ranges and the table):
// every function within 1 ulp of glibc (see docs/portable-math.md for max and mean per range).
//
// pow is not provided: a sound error bound for it needs log in extra precision (fdlibm's e_pow.c
// is a separate 300-line algorithm), and no calculation needs it yet.
namespace coilwind::portable {

double exp(double x);
double log(double x);
double sin(double x);
double cos(double x);
// sin x and cos x with the same bits as sin(x) and cos(x), the argument reduced once for both.
struct SinCos {
    double sin;
    double cos;
};
SinCos sinCos(double x);
double sinh(double x);
double cosh(double x);
double acosh(double x);

} // namespace coilwind::portable
