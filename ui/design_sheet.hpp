#pragma once

#include <QPageSize>
#include <QString>

class QPagedPaintDevice;

namespace coilwind::ui {

class MainWindow;

// The paper a sheet goes on when nobody chose: US Letter where the locale measures in the US
// system, A4 elsewhere.
QPageSize::PageSizeId localePaper();

// Paints the window's design as one page on a PDF writer or a printer whose page size is set:
// the heading, the design report as the details window copies it, and the to-scale drawing.
// Empty when painted, else the reason.
QString paintDesignSheet(MainWindow& window, QPagedPaintDevice& device);

// The sheet as a one-page PDF on the given paper (A4 or US Letter).
QString writeDesignSheet(MainWindow& window, const QString& pdfPath,
                         QPageSize::PageSizeId paper = QPageSize::A4);

// `coilwind --sheet OUT.pdf [--paper a4|letter] [DESIGN.coilwind]`: the sheet of the design, or
// of the start-up design, with no window shown. Returns the process's exit status.
int runSheetCommand(const QStringList& arguments);

} // namespace coilwind::ui
