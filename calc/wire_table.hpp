#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace coilwind {

// Series of round enamelled copper wire that a user can buy.
enum class WireSeries { IecGrade1, IecGrade2, AwgHeavy };

inline constexpr std::array<WireSeries, 3> kWireSeries{WireSeries::IecGrade1,
                                                       WireSeries::IecGrade2, WireSeries::AwgHeavy};

struct WireSize {
    std::string_view designation; // "0.250 mm", "AWG 30"
    double bareMm;                // nominal conductor diameter
    double overallMaxMm;          // largest overall diameter, enamel included
};

// The sizes of a series, thinnest first (bare and overall diameter both ascending). The rows are
// generated at build time from the sourced data file.
std::span<const WireSize> wireSizes(WireSeries series);

// "iec-grade1", "iec-grade2", "awg-heavy": short keys for options and settings.
std::string_view seriesKey(WireSeries series);
std::optional<WireSeries> seriesFromKey(std::string_view key);
// For people: "IEC 60317-0-1 grade 1", "IEC 60317-0-1 grade 2", "AWG, NEMA MW 1000 heavy build".
std::string_view seriesTitle(WireSeries series);

} // namespace coilwind
