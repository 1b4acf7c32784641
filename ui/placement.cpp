#include "placement.hpp"

#include <cmath>

namespace coilwind::ui {
namespace {

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

} // namespace coilwind::ui
