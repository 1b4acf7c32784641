// The toolkit floor for start-up figures: the least Qt Widgets program that shows the kinds of
// content the calculator shows (a Chinese caption, a text field, a push button) in a window of the
// calculator's client size. measure.sh compares build/coilwind against it.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(559, 601);
    auto* caption = new QLabel(QStringLiteral("磁心尺寸"), &window);
    caption->setGeometry(16, 16, 80, 20);
    auto* field = new QLineEdit(&window);
    field->setGeometry(16, 40, 80, 22);
    auto* button = new QPushButton(QStringLiteral("计算"), &window);
    button->setGeometry(104, 40, 65, 25);
    window.show();
    return QApplication::exec();
}
