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

// A companion window's top-left corner: right of the anchor window's frame, or left of it when
// the screen's free area has no room on the right, its top level with the anchor's; kept within
// the free area as far as the window's size allows. An empty area places it right of the anchor.
QPoint besidePosition(const QRect& anchorFrame, QSize frame, const QRect& available);

} // namespace coilwind::ui
