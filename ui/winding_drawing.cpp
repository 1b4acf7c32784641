#include "winding_drawing.hpp"

#include "language.hpp"
#include "view/winding_section.hpp"

#include <QPainter>
#include <QPainterPath>
#include <cstdint>

namespace coilwind::ui {
namespace {

QRectF rectOf(const SectionBox& box) {
    return {box.left, box.top, box.width, box.height};
}

QColor colourOf(std::uint32_t rgb) {
    return QColor::fromRgb(static_cast<QRgb>(rgb));
}

// The part's pen and brush as view/winding_section describes them; `ink` is the palette's text.
void applyStyle(QPainter& painter, SectionPart part, const QColor& ink) {
    const SectionStyle style = sectionStyle(part);
    QPen pen(style.stroke ? colourOf(*style.stroke) : ink, style.strokeWidth);
    if (!style.dashes.empty()) {
        QList<qreal> pattern; // Qt counts dashes in pen widths
        for (const double length : style.dashes) {
            pattern.append(length / style.strokeWidth);
        }
        pen.setDashPattern(pattern);
    }
    painter.setPen(pen);
    if (style.fill) {
        painter.setBrush(QBrush(colourOf(*style.fill),
                                style.lighterFill ? Qt::Dense3Pattern : Qt::SolidPattern));
    } else {
        painter.setBrush(Qt::NoBrush);
    }
}

void drawLabel(QPainter& painter, const SectionBox& box, const std::string& label,
               const QColor& ink, int flags) {
    painter.setPen(ink);
    painter.drawText(rectOf(box), flags, QString::fromStdString(label));
}

void drawMark(QPainter& painter, const SectionMark& mark, SectionPart part, const QColor& ink) {
    applyStyle(painter, part, ink);
    painter.drawLine(QLineF(mark.x1, mark.y1, mark.x2, mark.y2));
    for (const SectionLine& tick : endTicks(mark)) {
        painter.drawLine(QLineF(tick.x1, tick.y1, tick.x2, tick.y2));
    }
    drawLabel(painter, mark.labelBox, mark.label, ink, Qt::AlignCenter | Qt::TextDontClip);
}

} // namespace

WindingDrawing::WindingDrawing(QWidget* parent) : QWidget(parent) {
    setMinimumSize(240, 160);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(frontQText("section-drawing"));
}

void WindingDrawing::setWinding(const std::optional<DesignInputs>& design,
                                const WindingDetails& details) {
    design_ = design;
    details_ = details;
    update();
}

// Little more than the least: the details window scrolls when its content's preferred height
// exceeds it, and the drawing takes whatever height is left anyway.
QSize WindingDrawing::sizeHint() const {
    return {380, 170};
}

void WindingDrawing::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().color(QPalette::Base));
    const QColor text = palette().color(QPalette::Text);

    std::optional<WindingSection> section;
    if (design_) {
        const QFontMetricsF metrics(font());
        SectionArea area{static_cast<double>(width()), static_cast<double>(height()),
                         metrics.height(), [&metrics](std::string_view label) {
                             return metrics.horizontalAdvance(QString::fromUtf8(
                                 label.data(), static_cast<qsizetype>(label.size())));
                         }};
        section = layoutSection(*design_, details_, area);
    }
    if (!section) {
        painter.setPen(text);
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap,
                         frontQText("no-section"));
        return;
    }

    applyStyle(painter, SectionPart::Axis, text);
    painter.drawLine(QPointF(0, section->axisY), QPointF(width(), section->axisY));
    applyStyle(painter, SectionPart::Core, text);
    painter.drawRect(rectOf(section->core));
    if (section->coreLabelFits) {
        drawLabel(painter, section->core, section->coreLabel, text, Qt::AlignCenter);
    }
    applyStyle(painter, SectionPart::Flange, text);
    for (const SectionBox& flange : section->flanges) {
        painter.drawRect(rectOf(flange));
    }
    if (section->space) {
        applyStyle(painter, SectionPart::Space, text);
        painter.drawRect(rectOf(*section->space));
    }
    for (const SectionBand& band : section->bands) {
        applyStyle(painter, band.overfill ? SectionPart::OverfillBand : SectionPart::Band, text);
        painter.drawRect(rectOf(band.box));
    }
    for (const SectionTurn& turn : section->turns) {
        applyStyle(painter, turn.overfill ? SectionPart::OverfillTurn : SectionPart::Turn, text);
        painter.drawEllipse(QPointF(turn.x, turn.y), turn.radius, turn.radius);
    }
    drawMark(painter, section->width, SectionPart::Mark, text);
    if (section->depth) {
        drawMark(painter, *section->depth, SectionPart::Mark, text);
    }
    if (section->cut) {
        drawMark(painter, *section->cut, SectionPart::Cut, text);
    }
}

} // namespace coilwind::ui
