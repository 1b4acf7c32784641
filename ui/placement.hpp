#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace coilwind::ui {

// The window's top-left corner at start-up: (screen - client area) / 2 on each axis, in single
// precision. The client area (not the frame) is used, so the window sits slightly low and right
// of exact centring; nothing clamps it, so a window larger than the screen gets a negative edge.
// Half pixels are dropped toward negative infinity.
QPoint startupPosition(QSize screen, QSize clientArea);

// A companion window's top-left corner, its top level with the anchor window's: right of the
// anchor's frame when the free area has room there, else left of it; else inside the free area
// at its right or left edge, whichever leaves `keepClear` (the anchor's fields that matter)
// uncovered, so that it covers only the anchor's edge; else below `keepClear`. When none of
// these fits, as on a screen too small for both, the window is kept within the free area as far
// as its size allows. An empty area places it right of the anchor.
QPoint besidePosition(const QRect& anchorFrame, QSize frame, const QRect& available,
                      const QRect& keepClear);

} // namespace coilwind::ui
