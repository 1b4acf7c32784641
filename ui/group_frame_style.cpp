#include "group_frame_style.hpp"

#include <QGroupBox>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>
#include <qdrawutil.h>

namespace coilwind::ui {
namespace {

const QPixmap& fusionGroupFrame() {
    static const QPixmap frame = [] {
        QImageReader reader(
            QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"),
            "png");
        reader.setAutoDetectImageFormat(false);
        return QPixmap::fromImage(reader.read());
    }();
    return frame;
}

} // namespace

GroupFrameStyle::GroupFrameStyle(const QString& baseStyleName) : QProxyStyle(baseStyleName) {}

void GroupFrameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                    QPainter* painter, const QWidget* widget) const {
    const bool fusion =
        baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
    if (element != PE_FrameGroupBox || !fusion || fusionGroupFrame().isNull()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Fusion's frame starts below the title line, or 3 pixels down for an untitled box.
    constexpr int kTopMargin = 3;
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const bool untitled = box != nullptr && !box->isCheckable() && box->title().isEmpty();
    const int top = untitled ? kTopMargin
                             : qMax(pixelMetric(PM_ExclusiveIndicatorHeight, option, widget),
                                    option->fontMetrics.height()) +
                                   kTopMargin;
    qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6),
                      fusionGroupFrame());
}

} // namespace coilwind::ui
