#pragma once

#include <QProxyStyle>

namespace coilwind::ui {

// Fusion draws a group box's frame from a PNG in Qt's resources through QPixmap's file loading,
// whose format probe loads every installed image plugin (TIFF, WebP, MNG, SVG …) at start-up.
// This style draws the same frame from the same PNG read by the built-in PNG reader; any other
// element, any other base style, or a Qt without that resource goes to the base style.
class GroupFrameStyle final : public QProxyStyle {
public:
    explicit GroupFrameStyle(const QString& baseStyleName);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
};

} // namespace coilwind::ui
