#pragma once

#include "view/details_report.hpp"

#include <string>

namespace coilwind::web {

// The drawing of the design as SVG in an area of width x height pixels, drawn from
// view/winding_section's layout and styles as the desktop's drawing is; labels are measured with
// a monospaced font of that character width and line height. Empty when there is nothing to draw.
std::string sectionSvg(const DetailsView& view, double width, double height, double charWidth,
                       double lineHeight);

} // namespace coilwind::web
