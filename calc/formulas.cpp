#include "formulas.hpp"

namespace coilwind {
namespace {

// Constants at the precision the calculator has always used: pi is 3.14, pi/2 is 1.57.
constexpr double kPi = 3.14;
constexpr double kHalfPi = 1.57;
constexpr double kMu0NhPerMm = 1.257;         // permeability of free space
constexpr double kAlScale = 0.1;              // nH·mm over mm to AL's unit
constexpr double kNanoPerMicro = 1000;        // µH to nH
constexpr double kFillFactor = 0.45;          // share of the winding window that is copper
constexpr double kPitchPerDiameter = 1.15;    // space per turn over wire diameter
constexpr double kResistivity = 17.9;         // copper, with lengths in mm ...
constexpr double kResistivityScale = 1000000; // ... and the result in Ω
constexpr double kDensity = 8.95;             // copper, with volumes in mm³ ...
constexpr double kDensityScale = 0.001;       // ... and the result in g

} // namespace

CheckedNumber permeabilityTimesArea(CheckedNumber permeability, CheckedNumber diameterMm) {
    return squared(diameterMm / 2) * (permeability * kMu0NhPerMm) * kPi;
}

CheckedNumber drumPathLengthMm(CheckedNumber outerDiameterMm, CheckedNumber lengthMm,
                               CheckedNumber postDiameterMm) {
    return outerDiameterMm + lengthMm - postDiameterMm;
}

CheckedNumber alOf(CheckedNumber permeabilityArea, CheckedNumber pathLengthMm) {
    return permeabilityArea / pathLengthMm * kAlScale;
}

CheckedNumber turnsFor(CheckedNumber inductanceUh, CheckedNumber alNh) {
    return squareRoot(inductanceUh * kNanoPerMicro / alNh);
}

CheckedNumber drumWireDiameterMm(CheckedNumber outerDiameterMm, CheckedNumber postDiameterMm,
                                 CheckedNumber windingWidthMm, CheckedNumber turns) {
    // Each turn's share of the filled window, over pi: the squared radius of a circle of that
    // area. The wire is that circle's diameter, less the room between turns.
    const CheckedNumber shareRadiusSquared =
        (outerDiameterMm - postDiameterMm) / 2 * windingWidthMm * kFillFactor / turns / kPi;
    const CheckedNumber shareRadius = squareRoot(shareRadiusSquared);
    return (shareRadius + shareRadius) / kPitchPerDiameter;
}

CheckedNumber rodWireDiameterMm(CheckedNumber rodLengthMm, CheckedNumber turns) {
    return rodLengthMm / turns / kPitchPerDiameter;
}

CheckedNumber drumMeanTurnMm(CheckedNumber outerDiameterMm, CheckedNumber postDiameterMm) {
    return (postDiameterMm + outerDiameterMm) * kHalfPi;
}

CheckedNumber rodMeanTurnMm(CheckedNumber rodDiameterMm) {
    return rodDiameterMm * kPi;
}

CheckedNumber wireRadiusSquared(CheckedNumber wireDiameterMm) {
    return squared(wireDiameterMm / 2);
}

CheckedNumber crossSectionMm2(CheckedNumber wireDiameterMm) {
    return wireRadiusSquared(wireDiameterMm) * kPi;
}

CheckedNumber dcrOhm(CheckedNumber meanTurnMm, CheckedNumber turns, CheckedNumber wireDiameterMm) {
    const CheckedNumber resistanceTimesArea = meanTurnMm * turns * kResistivity / kResistivityScale;
    return resistanceTimesArea / crossSectionMm2(wireDiameterMm);
}

CheckedNumber copperWeightG(CheckedNumber meanTurnMm, CheckedNumber turns,
                            CheckedNumber wireDiameterMm) {
    // pi comes in after the mean turn, not with the radius: crossSectionMm2 would regroup the
    // product.
    return wireRadiusSquared(wireDiameterMm) * meanTurnMm * kPi * turns * kDensity * kDensityScale;
}

} // namespace coilwind
