// Time to handle one user action in the real window (offscreen), including the repaint it
// causes: a keystroke in the core-type box, which reads a picture from disk each time, a click on
// the calculate button, and F2 with the details window open.
#include "ui/main_window.hpp"
#include "ui/winding_drawing.hpp"
#include "view/window_description.hpp"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
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
    QLineEdit* edit =
        window()
            .findChild<QComboBox*>(QString::fromUtf8(coilwind::control::kCoreType.data(),
                                                     coilwind::control::kCoreType.size()))
            ->lineEdit();
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
    auto* button = window().findChild<QPushButton*>(QString::fromUtf8(
        coilwind::control::kCalculate.data(), coilwind::control::kCalculate.size()));
    for (auto _ : state) {
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_CalculateClick)->Unit(benchmark::kMicrosecond);

// Counts the paints of one widget.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

// From F2 on the main window to the next paint of the details' drawing, after a calculation.
void BM_DetailsF2(benchmark::State& state) {
    coilwind::ui::MainWindow& main = window();
    main.findChild<QPushButton*>(QString::fromUtf8(coilwind::control::kCalculate.data(),
                                                   coilwind::control::kCalculate.size()))
        ->click();
    main.showDetails();
    auto* drawing = main.findChild<coilwind::ui::WindingDrawing*>();
    PaintCounter counter;
    drawing->installEventFilter(&counter);
    for (auto _ : state) {
        state.PauseTiming();
        QApplication::processEvents();
        // F2 belongs to the main window; the details took the activation when they opened.
        QApplication::setActiveWindow(&main);
        const int before = counter.paints;
        state.ResumeTiming();
        QTest::keyClick(&main, Qt::Key_F2);
        for (int round = 0; counter.paints == before && round < 10000; ++round) {
            QApplication::processEvents();
        }
        if (counter.paints == before) {
            state.SkipWithError("F2 led to no paint of the details");
            break;
        }
    }
    drawing->removeEventFilter(&counter);
}
BENCHMARK(BM_DetailsF2)->Unit(benchmark::kMicrosecond);

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
