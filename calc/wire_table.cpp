#include "wire_table.hpp"

// wireSizes() is generated at build time from assets/wire_sizes.csv.

namespace coilwind {
namespace {

struct SeriesNames {
    WireSeries series;
    std::string_view key; // also the series column of the data file
    std::string_view title;
};

constexpr std::array<SeriesNames, kWireSeries.size()> kSeriesNames{{
    {WireSeries::IecGrade1, "iec-grade1", "IEC 60317-0-1 grade 1"},
    {WireSeries::IecGrade2, "iec-grade2", "IEC 60317-0-1 grade 2"},
    {WireSeries::AwgHeavy, "awg-heavy", "AWG, NEMA MW 1000 heavy build"},
}};

const SeriesNames& namesOf(WireSeries series) {
    for (const SeriesNames& names : kSeriesNames) {
        if (names.series == series) {
            return names;
        }
    }
    return kSeriesNames.front(); // unreachable: every enumerator has a row
}

} // namespace

std::string_view seriesKey(WireSeries series) {
    return namesOf(series).key;
}

std::optional<WireSeries> seriesFromKey(std::string_view key) {
    for (const SeriesNames& names : kSeriesNames) {
        if (names.key == key) {
            return names.series;
        }
    }
    return std::nullopt;
}

std::string_view seriesTitle(WireSeries series) {
    return namesOf(series).title;
}

} // namespace coilwind
