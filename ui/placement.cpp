#include "placement.hpp"

#include <algorithm>
#include <cmath>

namespace coilwind::ui {
namespace {

constexpr int kBesideGap = 8;

int halfDifference(int screen, int client) {
    const float half = (static_cast<float>(screen) - static_cast<float>(client)) / 2.0F;
    return static_cast<int>(std::floor(half));
}

} // namespace

QPoint startupPosition(QSize screen, QSize clientArea) {
    const int top = halfDifference(screen.height(), clientArea.height());
    const int left = halfDifference(screen.width(), clientArea.width());
    return {left, top};
}

QPoint besidePosition(const QRect& anchorFrame, QSize frame, const QRect& available,
                      const QRect& keepClear) {
    const int rightOf = anchorFrame.right() + 1 + kBesideGap;
    if (available.isEmpty()) {
        return {rightOf, anchorFrame.top()};
    }
    const int lastLeft = std::max(available.left(), available.right() + 1 - frame.width());
    const int lastTop = std::max(available.top(), available.bottom() + 1 - frame.height());
    const int top = std::clamp(anchorFrame.top(), available.top(), lastTop);
    const auto within = [&](QPoint corner) { return available.contains(QRect(corner, frame)); };
    const auto clear = [&](QPoint corner) {
        return within(corner) && !QRect(corner, frame).intersects(keepClear);
    };
    const QPoint candidates[] = {
        {rightOf, top},                                         // beside, right
        {anchorFrame.left() - kBesideGap - frame.width(), top}, // beside, left
        {lastLeft, top},                                        // over the right edge
        {available.left(), top},                                // over the left edge
        {std::clamp(anchorFrame.left(), available.left(), lastLeft),
         keepClear.bottom() + 1 + kBesideGap}, // below the fields
    };
    for (const QPoint corner : candidates) {
        if (clear(corner)) {
            return corner;
        }
    }
    return {std::clamp(rightOf, available.left(), lastLeft), top};
}

} // namespace coilwind::ui
