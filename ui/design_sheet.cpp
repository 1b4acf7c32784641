#include "design_sheet.hpp"

#include "design_actions.hpp"
#include "details_window.hpp"
#include "main_window.hpp"
#include "view/design_sheet.hpp"
#include "view/details_report.hpp"
#include "winding_drawing.hpp"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
#include <cstdio>

namespace coilwind::ui {
namespace {

QString qstring(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

QString writeDesignSheet(MainWindow& window, const QString& pdfPath) {
    DesignActions* actions = window.findChild<DesignActions*>();
    const Design design = actions != nullptr ? actions->currentDesign() : startupDesign();
    const std::string coreType = window.coreTypeText().toStdString();
    const DetailsSettings settings = window.detailsWindow().settings();
    const QString date = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    const std::vector<std::string> heading = sheetHeading(design, date.toStdString());
    const QStringList report = qstring(composeDesignReport(window.fieldSet(), coreType, settings,
                                                           window.calculationRecord()))
                                   .split(QLatin1Char('\n'));
    const DetailsView view =
        viewDetails(window.fieldSet(), coreType, settings, window.calculationRecord());

    QPdfWriter pdf(pdfPath);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter));
    pdf.setResolution(300);
    pdf.setTitle(qstring(heading.front()));
    pdf.setCreator(QString::fromUtf8(programVersion().data(),
                                     static_cast<qsizetype>(programVersion().size())));
    QPainter painter;
    if (!painter.begin(&pdf)) {
        return QStringLiteral("cannot write ") + pdfPath;
    }
    const QRect page = painter.viewport();
    const double points = pdf.resolution() / 72.0; // device pixels per point
    QFont title = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    title.setPixelSize(static_cast<int>(14 * points));
    title.setBold(true);
    QFont body = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    // The drawing takes the page's lower third; the text shrinks, if need be, to fit above it.
    const int drawingHeight = page.height() / 3;
    int y = 0;
    painter.setFont(title);
    painter.drawText(QRect(0, y, page.width(), painter.fontMetrics().height()), Qt::AlignLeft,
                     qstring(heading[0]));
    y += painter.fontMetrics().height();
    title.setBold(false);
    title.setPixelSize(static_cast<int>(9 * points));
    painter.setFont(title);
    painter.drawText(QRect(0, y, page.width(), painter.fontMetrics().height()), Qt::AlignLeft,
                     qstring(heading[1]));
    y += painter.fontMetrics().height() * 2;
    const int textHeight = page.height() - drawingHeight - y;
    for (int quarters = 34; quarters > 16; --quarters) { // 8.5 pt down to 4.25 pt
        body.setPixelSize(static_cast<int>(quarters * points / 4));
        painter.setFont(body);
        if (painter.fontMetrics().lineSpacing() * report.size() <= textHeight) {
            break;
        }
    }
    for (const QString& line : report) {
        painter.drawText(0, y + painter.fontMetrics().ascent(), line);
        y += painter.fontMetrics().lineSpacing();
    }

    // The details window's own drawing, painted at screen size and scaled onto the page.
    WindingDrawing drawing;
    drawing.setWinding(view.design, view.details);
    const QSize screenSize(760, 300);
    drawing.resize(screenSize);
    const QRect target(0, page.height() - drawingHeight, page.width(), drawingHeight);
    const double scale = std::min(target.width() / double(screenSize.width()),
                                  target.height() / double(screenSize.height()));
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(scale, scale);
    drawing.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.restore();
    if (!painter.end()) {
        return QStringLiteral("cannot write ") + pdfPath;
    }
    return {};
}

int runSheetCommand(const QStringList& arguments) {
    if (arguments.size() < 1 || arguments.size() > 2) {
        std::fputs("usage: coilwind --sheet OUT.pdf [DESIGN.coilwind]\n", stderr);
        return 2;
    }
    MainWindow window;
    DesignActions actions(window, {});
    if (arguments.size() == 2 && !actions.openFrom(arguments[1])) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(actions.lastMessage()));
        return 1;
    }
    const QString problem = writeDesignSheet(window, arguments[0]);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "coilwind: %s\n", qUtf8Printable(problem));
        return 1;
    }
    return 0;
}

} // namespace coilwind::ui
