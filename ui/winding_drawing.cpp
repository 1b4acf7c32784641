#include "winding_drawing.hpp"

#include "view/winding_section.hpp"

#include <QPainter>
#include <QPainterPath>

namespace coilwind::ui {
namespace {

const QColor kCopper(0xc8, 0x75, 0x33);
const QColor kOverfill(0xe0, 0x28, 0x1e);
const QColor kCore(0xc4, 0xc4, 0xc4);
const QColor kFlange(0x8e, 0x8e, 0x8e);
const QColor kSpace(0xe8, 0xf0, 0xfb);

QRectF rectOf(const SectionBox& box) {
    return {box.left, box.top, box.width, box.height};
}

void drawMark(QPainter& painter, const SectionMark& mark) {
    const QLineF line(mark.x1, mark.y1, mark.x2, mark.y2);
    painter.drawLine(line);
    // Short end ticks across the line.
    const QLineF normal = line.normalVector().unitVector();
    const QPointF tick(normal.dx() * 4, normal.dy() * 4);
    for (const QPointF end : {line.p1(), line.p2()}) {
        painter.drawLine(end - tick, end + tick);
    }
    painter.drawText(rectOf(mark.labelBox), Qt::AlignCenter | Qt::TextDontClip,
                     QString::fromStdString(mark.label));
}

} // namespace

WindingDrawing::WindingDrawing(QWidget* parent) : QWidget(parent) {
    setMinimumSize(240, 160);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName(QStringLiteral("绕线截面图 (to-scale cross-section of the winding)"));
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
                         QStringLiteral("无截面图 (nothing to draw: see why above)"));
        return;
    }

    painter.setPen(QPen(text, 1, Qt::DashDotLine));
    painter.drawLine(QPointF(0, section->axisY), QPointF(width(), section->axisY));

    painter.setPen(QPen(text, 1));
    painter.setBrush(kCore);
    painter.drawRect(rectOf(section->core));
    const QRectF core = rectOf(section->core);
    const QString coreLabel = QString::fromStdString(section->coreLabel);
    if (painter.fontMetrics().boundingRect(coreLabel).width() < core.width() &&
        painter.fontMetrics().height() < core.height()) {
        painter.drawText(core, Qt::AlignCenter, coreLabel);
    }
    painter.setBrush(kFlange);
    for (const SectionBox& flange : section->flanges) {
        painter.drawRect(rectOf(flange));
    }
    if (section->space) {
        painter.setPen(QPen(text, 1, Qt::DashLine));
        painter.setBrush(kSpace);
        painter.drawRect(rectOf(*section->space));
    }

    painter.setPen(QPen(text.darker(150), 0.75));
    for (const SectionBand& band : section->bands) {
        painter.setBrush(QBrush(band.overfill ? kOverfill : kCopper, Qt::Dense3Pattern));
        painter.drawRect(rectOf(band.box));
    }
    for (const SectionTurn& turn : section->turns) {
        painter.setBrush(turn.overfill ? kOverfill : kCopper);
        painter.drawEllipse(QPointF(turn.x, turn.y), turn.radius, turn.radius);
    }

    painter.setPen(QPen(text, 1));
    painter.setBrush(Qt::NoBrush);
    drawMark(painter, section->width);
    if (section->depth) {
        drawMark(painter, *section->depth);
    }
    if (section->cut) {
        painter.setPen(QPen(kOverfill, 2, Qt::DashLine));
        drawMark(painter, *section->cut);
    }
}

} // namespace coilwind::ui
