#include "ui/main_window.hpp"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    coilwind::ui::MainWindow window;
    window.show();
    return QApplication::exec();
}
