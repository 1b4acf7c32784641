#pragma once

#include "calc/winding_details.hpp"

#include <QWidget>
#include <optional>

namespace coilwind::ui {

// The to-scale cross-section of the winding (calc/winding_section lays it out; this only paints
// it, in logical coordinates, so it stays sharp at any device pixel ratio).
class WindingDrawing : public QWidget {
    Q_OBJECT
public:
    explicit WindingDrawing(QWidget* parent = nullptr);

    void setWinding(const std::optional<DesignInputs>& design, const WindingDetails& details);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<DesignInputs> design_;
    WindingDetails details_;
};

} // namespace coilwind::ui
