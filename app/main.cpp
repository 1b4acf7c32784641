#include "ui/design_actions.hpp"
#include "ui/group_frame_style.hpp"
#include "ui/main_window.hpp"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The data folder of the recent designs: ~/.local/share/coilwind on Linux.
    QApplication::setApplicationName(QStringLiteral("coilwind"));
    // The style chosen by -style, QT_STYLE_OVERRIDE or the platform, drawing group frames without
    // loading every image plugin.
    auto* style = new coilwind::ui::GroupFrameStyle(QApplication::style()->name());
    style->setParent(&app); // the application owns its style
    QApplication::setStyle(style);
    coilwind::ui::MainWindow window;
    new coilwind::ui::DesignActions(window, coilwind::ui::DesignActions::defaultRecentFile());
    window.show();
    return QApplication::exec();
}
