#include "formulas.hpp"

#include "constants.hpp"

namespace coilwind {
namespace {

using namespace window;

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
