#pragma once

#include <QPoint>
#include <QSize>

namespace coilwind::ui {

// The window's top-left corner at start-up: (screen - client area) / 2 on each axis, in single
// precision. The client area (not the frame) is used, so the window sits slightly low and right
// of exact centring; nothing clamps it, so a window larger than the screen gets a negative edge.
// Half pixels are dropped toward negative infinity.
QPoint startupPosition(QSize screen, QSize clientArea);

} // namespace coilwind::ui
