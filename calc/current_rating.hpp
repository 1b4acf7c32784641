#pragma once

#include "wire_table.hpp"

#include <optional>
#include <string>
#include <vector>

namespace coilwind {

// What the winding carries: a DC current with a triangular ripple at a switching frequency, in
// an ambient temperature, wound with enamel of a thermal class. Without a DC current nothing of
// the current rating is computed.
struct CurrentSettings {
    std::optional<double> dcCurrentA; // none: no current given
    double rippleCurrentA = 0;        // peak to peak
    double frequencyKhz = 100;        // of the ripple
    double ambientC = 25;
    double enamelClassC = 155; // IEC 60085 thermal class of the enamel
};

// The wound standard wire as the details' layer plan lays it, and the body that sheds the heat.
struct RatedWinding {
    WireSeries series = WireSeries::IecGrade1;
    WireSize wire;
    long long turns = 0;
    long long perLayer = 0;
    long long layers = 0;
    double widthMm = 0;              // along the layers
    std::optional<double> depthMm;   // drum: up to the flange rim; rod: none
    double r20Ohm = 0;               // DC resistance at 20 °C
    double surfaceMm2 = 0;           // outer surface of the wound part
    std::optional<double> saturationCurrentA;
};

// The thickest standard wire under two skin depths, stranded to the copper area of the wire it
// replaces.
struct StrandSuggestion {
    WireSize strand;
    long long strands = 0;
    double bundleMm = 0; // overall diameter of the bundle
    bool fits = false;   // the bundle wound with the same turns fits the winding space
};

struct CurrentRating {
    double skinDepthMm = 0;     // at the frequency and the hot temperature
    double acFactor = 1;        // AC over DC resistance for the ripple's waveform
    double dcLossW = 0;
    double acLossW = 0;
    double lossW = 0;
    double surfaceCm2 = 0;
    // The heat balance; none when there is no balance within the model's range (runaway).
    std::optional<double> hotC;
    std::optional<double> riseK;
    std::optional<double> hotResistanceOhm;
    double ratedCurrentA = 0; // DC current for a 40 K rise at the ambient temperature
    double peakCurrentA = 0;  // DC + ripple / 2
    std::optional<StrandSuggestion> strands; // when the wire is thicker than two skin depths
    bool runaway = false;
    // Each in Chinese with the English beside it.
    std::vector<std::string> warnings;
};

// Throws CalculationFault when a setting lies outside its limit or the winding gives no number.
CurrentRating rateCurrent(const RatedWinding& winding, const CurrentSettings& settings);

// Copper's skin depth in mm at a frequency (kHz) and temperature (°C).
double skinDepthMm(double frequencyKhz, double temperatureC);

// Dowell's AC resistance factor of a winding of `layers` layers whose layers have the
// penetration ratio `delta` (thickness over skin depth, porosity included).
double dowellFactor(double delta, double layers);

// The temperature rise in K of a wound part shedding `powerW` from `surfaceCm2` in still air.
double temperatureRiseK(double powerW, double surfaceCm2);
// The power in W a wound part of `surfaceCm2` sheds at a rise of `riseK`.
double powerForRiseW(double riseK, double surfaceCm2);

// The rise the rated current is defined by, as in makers' data sheets.
inline constexpr double kRatedRiseK = 40;

// How the rated current compares with makers' data sheets, from each part's size and DCR: the
// parts, with their sources, are in tests/calc/current_rating_test.cpp, which checks these
// figures against them (docs/current-rating.md has the table).
struct RatingValidation {
    int parts;
    int makers;
    int withinTolerance;
    double tolerance;    // as a share: 0.25 is ±25 %
    double lowestError;  // model over data sheet, less 1, rounded to whole percent
    double highestError;
};
inline constexpr RatingValidation kRatedCurrentValidation{59, 4, 53, 0.25, -0.28, 0.17};

} // namespace coilwind
