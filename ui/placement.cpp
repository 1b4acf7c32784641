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

QPoint besidePosition(const QRect& anchorFrame, QSize frame, const QRect& available) {
    int left = anchorFrame.right() + 1 + kBesideGap;
    if (available.isEmpty()) {
        return {left, anchorFrame.top()};
    }
    if (left + frame.width() > available.right() + 1) {
        left = anchorFrame.left() - kBesideGap - frame.width();
    }
    const int lastLeft = std::max(available.left(), available.right() + 1 - frame.width());
    const int lastTop = std::max(available.top(), available.bottom() + 1 - frame.height());
    return {std::clamp(left, available.left(), lastLeft),
            std::clamp(anchorFrame.top(), available.top(), lastTop)};
}

} // namespace coilwind::ui
