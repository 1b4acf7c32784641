#pragma once

// The one-page design sheet for the workshop: a heading naming the design, the date and the
// program, then the design report (view/details_report) and the to-scale drawing. The lines are
// toolkit-free; the desktop prints them (ui/design_sheet).

#include "view/design_file.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace coilwind {

// "设计单 (design sheet) — KQ8*10" and "2026-12-07 21:40 · coilwind 0.1.0".
std::vector<std::string> sheetHeading(const Design& design, std::string_view date);

} // namespace coilwind
