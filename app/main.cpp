#include "ui/group_frame_style.hpp"
#include "ui/language.hpp"
#include "ui/main_window.hpp"

#include <QApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The window's own texts unless --lang asks for another language; the system's locale is
    // not consulted.
    QString error;
    const std::optional<QString> language =
        coilwind::ui::languageFromArguments(QApplication::arguments(), error);
    if (!language || !coilwind::ui::useLanguage(*language)) {
        std::fprintf(stderr, "coilwind: %s\n", qUtf8Printable(error));
        return 2;
    }
    // The style chosen by -style, QT_STYLE_OVERRIDE or the platform, drawing group frames without
    // loading every image plugin.
    auto* style = new coilwind::ui::GroupFrameStyle(QApplication::style()->name());
    style->setParent(&app); // the application owns its style
    QApplication::setStyle(style);
    coilwind::ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
