#pragma once

#include "calc/calculation_record.hpp"
#include "calc/commands.hpp"
#include "calc/field_set.hpp"
#include "link_opener.hpp"
#include "picture_rule.hpp"

#include <QString>
#include <QWidget>
#include <array>
#include <memory>
#include <optional>
#include <string>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace coilwind {
struct ControlDescription;
}

namespace coilwind::ui {

class DetailsWindow;
class FieldEdit;

// The calculator's one window. It is built from the window description, binds the toolkit's
// events to the calculation core and holds no arithmetic of its own.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    struct Options {
        QString pictureDirectory; // empty: the folder that holds the executable
        LinkOpener openLink = openWithDesktop;
    };

    MainWindow();
    explicit MainWindow(Options options);
    ~MainWindow() override;

    FieldEdit* field(FieldIndex index) const;
    QString coreTypeText() const;
    // The picture file the last picture event asked for, whether or not it could be read.
    QString pictureFile() const { return pictureFile_; }
    // The fields as the window shows them, for the details window.
    const FieldSet& fieldSet() const;
    FieldSet& fieldSet();
    // Opens the details window beside this one, or raises it (F2, context menu).
    void showDetails();
    // The details window, made hidden if it was never opened: its settings belong to the design.
    DetailsWindow& detailsWindow();
    PictureMode pictureMode() const;
    // Puts the text into the core-type box and selects the mode's option, then shows the picture
    // they choose, as an edit of the box would: an opened design.
    void showCoreType(const QString& text, PictureMode mode);
    // Every calculation so far, as far as the details need them; the window shows none of it.
    const CalculationRecord& calculationRecord() const { return record_; }
    // Where the fields that the calculation reads or writes lie, the core-type box included: the
    // smallest rectangle around them, in global coordinates.
    QRect calculationFieldsArea() const;

signals:
    // After every click on the calculate button and every Enter in a field, whether or not a
    // stage ran to its end, with what the command did.
    void calculated(const coilwind::CalculationOutcome& outcome);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void build();
    QWidget* createControl(const ControlDescription& control, QWidget* parent);
    void bindEvents();
    void fillCoreTypeList();

    void onCalculate();
    void onFieldKeyDown(FieldIndex index, int keyCode, int modifiers);
    // Shows the summary, notes the outcome and reports it.
    void finishCommand(const CalculationOutcome& outcome);

    void applyPictureRule();
    void showPicture(PictureMode mode);
    void openLink() const;

    class WidgetFieldSet;

    Options options_;
    std::unique_ptr<WidgetFieldSet> fieldSet_;
    std::array<FieldEdit*, kFields.size()> fieldEdits_{};
    QComboBox* coreType_ = nullptr;
    QRadioButton* coreMode_ = nullptr;
    QRadioButton* inductanceMode_ = nullptr;
    QPushButton* calculateButton_ = nullptr;
    QGroupBox* resultGroup_ = nullptr;
    QLabel* picture_ = nullptr;
    QString pictureFile_;
    DetailsWindow* details_ = nullptr; // made at its first opening
    CalculationRecord record_;
};

} // namespace coilwind::ui
