#pragma once

#include "calc/winding_details.hpp"

#include <QWidget>
#include <vector>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;

namespace coilwind::ui {

class MainWindow;
class WindingDrawing;

// The modeless "绕线详情" window beside the main window: the standard wire, layer plan, resistance,
// inductance range, saturation current and a to-scale drawing of the design the main window's
// fields show. It reads the fields each time it refreshes and keeps no results of its own; its
// one write is the calibrated AL into field 18.
class DetailsWindow : public QWidget {
    Q_OBJECT
public:
    explicit DetailsWindow(MainWindow& main);

    // Shows the window beside the main window the first time, raises it after that, and
    // refreshes it.
    void present();
    void refresh();
    DetailsSettings settings() const;
    // The whole design as plain text onto the clipboard.
    void copyReport() const;

private:
    void build();
    QWidget* buildSettings();
    QWidget* buildCalibration();
    void calibrate();
    // Grows the window to the height its contents want at its width (the drawing, wrapped
    // reasons) as far as the screen's free area below its top allows; it never shrinks.
    void growToContents();

    MainWindow& main_;
    bool placed_ = false;
    QComboBox* series_ = nullptr;
    QDoubleSpinBox* temperature_ = nullptr;
    QDoubleSpinBox* saturationFlux_ = nullptr;
    QDoubleSpinBox* alTolerance_ = nullptr;
    std::vector<QLabel*> inputValues_;
    std::vector<QLabel*> figureValues_;
    QLabel* reasons_ = nullptr;
    WindingDrawing* drawing_ = nullptr;
    QLineEdit* measured_ = nullptr;
    QLineEdit* testTurns_ = nullptr;
    QLabel* calibrationMessage_ = nullptr;
};

} // namespace coilwind::ui
