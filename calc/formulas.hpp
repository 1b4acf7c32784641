#pragma once

#include "checked_number.hpp"
#include "field_table.hpp"

namespace coilwind {

// The winding formulas, every operation checked. Lengths are in mm. Each function keeps the
// order of operations the results have always been computed in: regrouping a product changes
// its last bit and with it, now and then, a displayed digit.

// µ × µ0 × the area of a circle of this diameter: the permeance of the flux-carrying post (drum)
// or rod, times its length; in nH·mm.
CheckedNumber permeabilityTimesArea(CheckedNumber permeability, CheckedNumber diameterMm);

// The drum's magnetic path: the length D plus the radial way A − B across both flanges.
CheckedNumber drumPathLengthMm(CheckedNumber outerDiameterMm, CheckedNumber lengthMm,
                               CheckedNumber postDiameterMm);

// AL in nH per turn squared from permeabilityTimesArea and the magnetic path length.
CheckedNumber alOf(CheckedNumber permeabilityArea, CheckedNumber pathLengthMm);

// The turns that give the inductance (µH) with this AL (nH per turn squared).
CheckedNumber turnsFor(CheckedNumber inductanceUh, CheckedNumber alNh);

// The largest wire diameter for the winding window of a drum, radial depth (A − B) / 2 by the
// winding width F, filled to the fill factor by the turns.
CheckedNumber drumWireDiameterMm(CheckedNumber outerDiameterMm, CheckedNumber postDiameterMm,
                                 CheckedNumber windingWidthMm, CheckedNumber turns);
// The largest wire diameter for one layer of turns side by side along a rod.
CheckedNumber rodWireDiameterMm(CheckedNumber rodLengthMm, CheckedNumber turns);

// The length of one turn: the circumference at the mean of A and B on a drum, the rod's own
// circumference on a rod.
CheckedNumber drumMeanTurnMm(CheckedNumber outerDiameterMm, CheckedNumber postDiameterMm);
CheckedNumber rodMeanTurnMm(CheckedNumber rodDiameterMm);

// (d / 2)², the wire's radius squared, in mm².
CheckedNumber wireRadiusSquared(CheckedNumber wireDiameterMm);
// The copper cross-section of a wire of this diameter, in mm².
CheckedNumber crossSectionMm2(CheckedNumber wireDiameterMm);

// The DC resistance, in Ω, of the turns of copper wire.
CheckedNumber dcrOhm(CheckedNumber meanTurnMm, CheckedNumber turns, CheckedNumber wireDiameterMm);
// The weight, in g, of the turns of copper wire.
CheckedNumber copperWeightG(CheckedNumber meanTurnMm, CheckedNumber turns,
                            CheckedNumber wireDiameterMm);

// A number read from field `Field`. The steps' formulas below take their operands typed by the
// field they come from, in the order the step reads them: the step table lists the same fields
// for each row and the build fails unless the two agree (calc/step_table.hpp), so a row's reads
// and its arithmetic cannot drift apart.
template <FieldIndex Field> struct Operand { CheckedNumber number; };

namespace step {
using Mu = Operand<field::kPermeability>;
using A = Operand<field::kA>;
using B = Operand<field::kB>;
using D = Operand<field::kD>;
using F = Operand<field::kF>;
using Al = Operand<field::kAl>;
using L = Operand<field::kInductance>;
using Turns = Operand<field::kTurns>;
using Wire = Operand<field::kWireDiameter>;

// AL, nH per turn squared. The drum reads B a second time for its path length.
CheckedNumber drumAl(Mu mu, B b, D d, A a, B bAgain);
CheckedNumber rodAl(Mu mu, A a, B b);
// Turns for the wanted inductance, one form for both cores.
CheckedNumber turns(Al al, L l);
// The largest wire diameter, mm.
CheckedNumber drumWireMax(B b, F f, Turns n, A a);
CheckedNumber rodWireMax(B b, Turns n);
// DC resistance, Ω.
CheckedNumber drumDcr(A a, B b, Turns n, Wire d);
CheckedNumber rodDcr(A a, Turns n, Wire d);
// Copper weight, g.
CheckedNumber drumCopperWeight(A a, B b, Wire d, Turns n);
CheckedNumber rodCopperWeight(A a, Wire d, Turns n);
} // namespace step

} // namespace coilwind
