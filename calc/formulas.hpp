#pragma once

#include "checked_number.hpp"

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

} // namespace coilwind
