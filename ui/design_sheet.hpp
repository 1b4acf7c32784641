#pragma once

#include <QString>

namespace coilwind::ui {

class MainWindow;

// Writes the window's design as a one-page PDF (A4): the heading, the design report as the
// details window copies it, and the to-scale drawing. Empty when written, else the reason.
QString writeDesignSheet(MainWindow& window, const QString& pdfPath);

// `coilwind --sheet OUT.pdf [DESIGN.coilwind]`: the sheet of the design, or of the start-up
// design, with no window shown. Returns the process's exit status.
int runSheetCommand(const QStringList& arguments);

} // namespace coilwind::ui
