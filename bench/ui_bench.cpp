// Time to handle one user action in the real window (offscreen), including the repaint it
// causes: a keystroke in the core-type box, which reads a picture from disk each time, and a
// click on the calculate button.
#include "ui/main_window.hpp"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

coilwind::ui::MainWindow& window() {
    static coilwind::ui::MainWindow instance;
    static const bool shown = [] {
        instance.show();
        return QTest::qWaitForWindowExposed(&instance);
    }();
    (void)shown;
    return instance;
}

void BM_CoreTypeKeystroke(benchmark::State& state) {
    QLineEdit* edit = window().findChild<QComboBox*>(QStringLiteral("CORETYPE"))->lineEdit();
    edit->setFocus();
    edit->end(false);
    bool typeNext = true;
    for (auto _ : state) {
        // Alternately type a blank and take it away: "KQ CORE " and "KQ CORE".
        QTest::keyClick(edit, typeNext ? Qt::Key_Space : Qt::Key_Backspace);
        QApplication::processEvents();
        typeNext = !typeNext;
    }
}
BENCHMARK(BM_CoreTypeKeystroke)->Unit(benchmark::kMicrosecond);

void BM_CalculateClick(benchmark::State& state) {
    auto* button = window().findChild<QPushButton*>(QStringLiteral("Command1"));
    for (auto _ : state) {
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_CalculateClick)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
