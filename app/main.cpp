#include "ui/group_frame_style.hpp"
#include "ui/main_window.hpp"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The style chosen by -style, QT_STYLE_OVERRIDE or the platform, drawing group frames without
    // loading every image plugin.
    auto* style = new coilwind::ui::GroupFrameStyle(QApplication::style()->name());
    style->setParent(&app); // the application owns its style
    QApplication::setStyle(style);
    coilwind::ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
