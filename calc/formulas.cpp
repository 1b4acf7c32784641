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

namespace step {

CheckedNumber drumAl(Mu mu, B b, D d, A a, B bAgain) {
    return alOf(permeabilityTimesArea(mu.number, b.number),
                drumPathLengthMm(a.number, d.number, bAgain.number));
}

CheckedNumber rodAl(Mu mu, A a, B b) {
    return alOf(permeabilityTimesArea(mu.number, a.number), b.number);
}

CheckedNumber turns(Al al, L l) {
    return turnsFor(l.number, al.number);
}

CheckedNumber drumWireMax(B b, F f, Turns n, A a) {
    return drumWireDiameterMm(a.number, b.number, f.number, n.number);
}

CheckedNumber rodWireMax(B b, Turns n) {
    return rodWireDiameterMm(b.number, n.number);
}

CheckedNumber drumDcr(A a, B b, Turns n, Wire d) {
    return dcrOhm(drumMeanTurnMm(a.number, b.number), n.number, d.number);
}

CheckedNumber rodDcr(A a, Turns n, Wire d) {
    return dcrOhm(rodMeanTurnMm(a.number), n.number, d.number);
}

CheckedNumber drumCopperWeight(A a, B b, Wire d, Turns n) {
    return copperWeightG(drumMeanTurnMm(a.number, b.number), n.number, d.number);
}

CheckedNumber rodCopperWeight(A a, Wire d, Turns n) {
    return copperWeightG(rodMeanTurnMm(a.number), n.number, d.number);
}

} // namespace step

} // namespace coilwind
