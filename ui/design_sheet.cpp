#include "design_sheet.hpp"

#include "language.hpp"

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
#include <QFontMetrics>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QStringList>
#include <cstdio>

namespace coilwind::ui {
namespace {

QString qstring(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A report line wider than the page goes on in the lines below, broken at a blank where there is
// one, so that no figure runs off the paper.
QStringList wrapped(const QStringList& lines, const QFontMetrics& metrics, int width) {
    QStringList out;
    for (const QString& line : lines) {
        QString rest = line;
        while (rest.size() > 1 && metrics.horizontalAdvance(rest) > width) {
            qsizetype cut = rest.size() - 1;
            while (cut > 1 && metrics.horizontalAdvance(rest.left(cut)) > width) {
                --cut;
            }
            qsizetype indent = 0;
            while (indent < rest.size() && rest[indent] == u' ') {
                ++indent;
            }
            const qsizetype blank = rest.lastIndexOf(u' ', cut);
            if (blank > indent) {
                cut = blank;
            }
            out << rest.left(cut);
            rest = rest.mid(cut).trimmed();
        }
        out << rest;
    }
    return out;
}

} // namespace

QPageSize::PageSizeId localePaper() {
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                       : QPageSize::A4;
}

QString paintDesignSheet(MainWindow& window, QPagedPaintDevice& device) {
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

    device.setPageMargins(QMarginsF(15, 12, 15, 12), QPageLayout::Millimeter);
    device.setPageOrientation(QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&device)) {
        return frontQText("sheet-cannot-paint");
    }
    const QRect page = painter.viewport();
    const double points = device.logicalDpiY() / 72.0; // device pixels per point
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
    QStringList lines;
    for (int quarters = 34; quarters > 16; --quarters) { // 8.5 pt down to 4.25 pt
        body.setPixelSize(static_cast<int>(quarters * points / 4));
        painter.setFont(body);
        lines = wrapped(report, painter.fontMetrics(), page.width());
        if (painter.fontMetrics().lineSpacing() * lines.size() <= textHeight) {
            break;
        }
    }
    for (const QString& line : lines) {
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
        return frontQText("sheet-cannot-finish");
    }
    return {};
}

QString writeDesignSheet(MainWindow& window, const QString& pdfPath,
                         QPageSize::PageSizeId paper) {
    DesignActions* actions = window.findChild<DesignActions*>();
    const Design design = actions != nullptr ? actions->currentDesign() : startupDesign();
    QPdfWriter pdf(pdfPath);
    pdf.setPageSize(QPageSize(paper));
    pdf.setResolution(300);
    pdf.setTitle(qstring(sheetHeading(design, {}).front()));
    pdf.setCreator(qstring(std::string(programVersion())));
    const QString problem = paintDesignSheet(window, pdf);
    return problem.isEmpty() ? problem : frontQText("sheet-cannot-write").arg(pdfPath);
}

int runSheetCommand(const QStringList& arguments) {
    QStringList rest = arguments;
    QPageSize::PageSizeId paper = QPageSize::A4;
    if (const qsizetype at = rest.indexOf(QStringLiteral("--paper")); at >= 0) {
        const QString name = at + 1 < rest.size() ? rest[at + 1] : QString();
        if (name == QStringLiteral("letter")) {
            paper = QPageSize::Letter;
        } else if (name != QStringLiteral("a4")) {
            std::fprintf(stderr, "coilwind: %s\n",
                         qUtf8Printable(frontQText("sheet-paper").arg(name)));
            return 2;
        }
        rest.remove(at, 2);
    }
    if (rest.size() < 1 || rest.size() > 2) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(frontQText("sheet-usage")));
        return 2;
    }
    MainWindow window;
    DesignActions actions(window, {});
    if (rest.size() == 2 && !actions.openFrom(rest[1])) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(actions.lastMessage()));
        return 1;
    }
    const QString problem = writeDesignSheet(window, rest[0], paper);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "coilwind: %s\n", qUtf8Printable(problem));
        return 1;
    }
    return 0;
}

} // namespace coilwind::ui
