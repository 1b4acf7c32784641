#include "ui/design_actions.hpp"
#include "ui/design_sheet.hpp"
#include "ui/group_frame_style.hpp"
#include "ui/main_window.hpp"

#include <QApplication>
#include <cstring>

int main(int argc, char* argv[]) {
    // `--sheet OUT.pdf [DESIGN]` writes the design sheet and shows no window: no display needed.
    const bool sheet = argc > 1 && std::strcmp(argv[1], "--sheet") == 0;
    if (sheet && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    // The data folder of the recent designs: ~/.local/share/coilwind on Linux.
    QApplication::setApplicationName(QStringLiteral("coilwind"));
    // The style chosen by -style, QT_STYLE_OVERRIDE or the platform, drawing group frames without
    // loading every image plugin.
    auto* style = new coilwind::ui::GroupFrameStyle(QApplication::style()->name());
    style->setParent(&app); // the application owns its style
    QApplication::setStyle(style);
    if (sheet) {
        return coilwind::ui::runSheetCommand(QApplication::arguments().mid(2));
    }
    coilwind::ui::MainWindow window;
    new coilwind::ui::DesignActions(window, coilwind::ui::DesignActions::defaultRecentFile());
    window.show();
    return QApplication::exec();
}
