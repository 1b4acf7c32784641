#pragma once

#include "calc/settings_limits.hpp"
#include "calc/winding_details.hpp"
#include "view/details_settings.hpp"

#include <QWidget>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QPushButton;
class QLabel;
class QLineEdit;

namespace coilwind::ui {

class MainWindow;
class WindingDrawing;

// The modeless "绕线详情" window beside the main window: what became of the last calculation, the
// standard wire, layer plan, resistance, inductance range, saturation current and a to-scale
// drawing of the design that calculation worked on. It reads the main window's fields and its
// calculation record each time it refreshes and keeps no results of its own; its one write is the
// calibrated AL into field 18. Its size never follows its content: what does not fit scrolls.
class DetailsWindow : public QWidget {
    Q_OBJECT
public:
    explicit DetailsWindow(MainWindow& main);

    // Size and place the window beside the main window the first time, raise it after that, and
    // refresh it.
    void present();
    void refresh();
    // A setting whose text its limit refuses is a NaN here, which the details refuse in turn.
    DetailsSettings settings() const;
    // The whole design as plain text onto the clipboard.
    void copyReport() const;

    // Before the screen's free area clips it.
    static constexpr QSize kOpeningSize{480, 860};

private:
    struct SettingBox {
        QLineEdit* edit;
        const NumberSetting* setting;
    };

    void build();
    QGridLayout* buildSettings(QGroupBox* group);
    void buildCalibration(QGroupBox* group);
    void calibrate();
    // The shape's AL into field 18, as the calibration writes its own.
    void useShapeAl();
    // The settings as the boxes hold them, with the refusals of those that are refused.
    std::pair<DetailsSettings, std::vector<SettingRefusal>> readSettings() const;
    void showSettingRefusals(const std::vector<SettingRefusal>& refusals);
    // The text of the number setting's box with that name.
    std::string boxText(std::string_view name) const;

    MainWindow& main_;
    bool placed_ = false;
    QComboBox* series_ = nullptr;
    std::vector<SettingBox> settingBoxes_;
    QLabel* settingsMessage_ = nullptr;
    QLabel* status_ = nullptr;
    QLabel* changed_ = nullptr;
    QLabel* checkErrors_ = nullptr; // the input check, above everything
    QLabel* checkNotes_ = nullptr;
    std::vector<QLabel*> inputValues_;
    std::vector<QLabel*> figureValues_;
    QLabel* reasons_ = nullptr;
    QGroupBox* shapeOpinion_ = nullptr;
    std::vector<QLabel*> shapeValues_;
    QLabel* shapeValidation_ = nullptr;
    QLabel* shapeNote_ = nullptr;
    QPushButton* useShapeAl_ = nullptr;
    QLabel* shapeMessage_ = nullptr;
    QWidget* current_ = nullptr;
    std::vector<QLabel*> currentValues_;
    QLabel* currentWarnings_ = nullptr;
    WindingDrawing* drawing_ = nullptr;
    QLineEdit* measured_ = nullptr;
    QLineEdit* testTurns_ = nullptr;
    QLabel* calibrationMessage_ = nullptr;
};

} // namespace coilwind::ui
