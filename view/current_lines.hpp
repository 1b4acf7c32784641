#pragma once

#include "calc/text.hpp"

#include "calc/current_rating.hpp"
#include "view/details_lines.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace coilwind {

// The current rating's figures: always the same lines, with values when there is a rating.
std::vector<DetailsLine> currentLines(const std::optional<CurrentRating>& rating);
// What the current rating is and which models it uses, for its group's tooltip and the report.
std::string currentExplanation();
// The group's title.
inline constexpr std::string_view kCurrentTitle =
    QT_TRANSLATE_NOOP("Details", "电流与温升 (current rating; estimates)");
// The current settings for the report's settings line, empty when no DC current is given:
// "DC 1 A, ripple 0.3 A p-p at 500 kHz, ambient 25 °C, enamel class 155 °C".
std::string currentSettingsSummary(const CurrentSettings& settings);
// Beside the hot resistance when the heat balance gave its temperature: " (27.3 °C, heat
// balance)"; empty otherwise.
std::string heatBalanceNote(const WindingDetails& details);

} // namespace coilwind
