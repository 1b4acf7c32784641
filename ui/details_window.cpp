#include "details_window.hpp"

#include "language.hpp"
#include "main_window.hpp"
#include "placement.hpp"
#include "view/current_lines.hpp"
#include "view/details_description.hpp"
#include "view/details_report.hpp"
#include "calc/text.hpp"
#include "view/window_description.hpp"
#include "widgets.hpp"
#include "winding_drawing.hpp"

#include <QClipboard>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>
#include <optional>

namespace coilwind::ui {
namespace {

QString qstring(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString valueText(const DetailsLine& line) {
    return qstring(line.value ? std::string_view(*line.value) : mark::kNoValue);
}

constexpr int kPairsPerRow = 2;

// Captioned controls two to a row: caption, control, caption, control; `pair` counts from the
// grid's top left.
void addPair(QGridLayout* grid, int pair, QLabel* caption, QWidget* field) {
    const int column = (pair % kPairsPerRow) * 2;
    grid->addWidget(caption, pair / kPairsPerRow, column, Qt::AlignVCenter);
    grid->addWidget(field, pair / kPairsPerRow, column + 1, Qt::AlignVCenter);
    grid->setColumnStretch(column + 1, 1);
}

QGridLayout* pairGrid(QGroupBox* group) {
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(8, 4, 8, 6);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(3);
    return grid;
}

// Caption and value, both explained by the English tooltip.
std::vector<QLabel*> addLines(QGridLayout* grid, const std::vector<DetailsLine>& lines) {
    std::vector<QLabel*> values;
    for (const DetailsLine& line : lines) {
        auto* caption = new QLabel(qstring(line.caption));
        auto* value = new QLabel;
        value->setObjectName(qstring(line.key));
        value->setTextFormat(Qt::PlainText);
        value->setWordWrap(true); // a long value takes lines, not width
        for (QLabel* label : {caption, value}) {
            label->setToolTip(qstring(line.english));
        }
        addPair(grid, static_cast<int>(values.size()), caption, value);
        values.push_back(value);
    }
    return values;
}

void showLines(const std::vector<QLabel*>& labels, const std::vector<DetailsLine>& lines) {
    for (std::size_t i = 0; i < labels.size() && i < lines.size(); ++i) {
        const QString value = valueText(lines[i]);
        labels[i]->setText(value);
        labels[i]->setAccessibleName(qstring(lines[i].caption) + qstring(mark::kCaptioned) + value);
    }
}

const QColor kRefusedText(0xc0, 0x28, 0x1e);
const QColor kRefusedBase(0xfd, 0xe8, 0xe6);

QLabel* wrappedLabel(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

void setRefusedLook(QWidget* widget, bool refused) {
    QPalette palette =
        widget->parentWidget() != nullptr ? widget->parentWidget()->palette() : QPalette();
    if (refused) {
        palette.setColor(QPalette::Text, kRefusedText);
        palette.setColor(QPalette::Base, kRefusedBase);
    }
    widget->setPalette(palette);
}

// The caption of a control: it names the control for screen readers and explains it in English
// on hover.
QLabel* captionOf(QWidget* field, const QString& caption, const QString& english) {
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    label->setToolTip(english);
    field->setToolTip(english);
    field->setAccessibleName(caption);
    return label;
}

QLabel* messageLabel(const char* name) {
    QLabel* label = wrappedLabel(name);
    label->setStyleSheet(QStringLiteral("color: #c0281e"));
    label->hide();
    return label;
}

} // namespace

DetailsWindow::DetailsWindow(MainWindow& main) : QWidget(&main, Qt::Window), main_(main) {
    setObjectName(QStringLiteral("DetailsWindow"));
    setWindowTitle(frontQText("details-window"));
    build();
    connect(&main_, &MainWindow::calculated, this, &DetailsWindow::refresh);
    // An edit in the main window can make an input differ from what the last calculation read.
    for (const FieldInfo& info : kFields) {
        connect(main_.field(info.index), &QLineEdit::textEdited, this, &DetailsWindow::refresh);
    }
    connect(main_.findChild<QComboBox*>(qstring(control::kCoreType)), &QComboBox::editTextChanged,
            this, &DetailsWindow::refresh);
    // In a text field Ctrl+C copies the field's selection; anywhere else the whole design.
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, &DetailsWindow::copyReport);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

// The look of a message line: red for faults, brown for cautions (not faults), plain otherwise.
QString lookStyle(MessageLook look) {
    switch (look) {
    case MessageLook::Fault:
        return QStringLiteral("color: #c0281e");
    case MessageLook::Caution:
        return QStringLiteral("color: #8a5300");
    case MessageLook::Plain:
        break;
    }
    return {};
}

// The details are built from their description in view/, part by part, in its order.
void DetailsWindow::build() {
    const DetailsView lines =
        viewDetails(main_.fieldSet(), main_.coreTypeText().toStdString(), DetailsSettings{});
    // Whatever the reasons and the marks take, the window keeps its size: the part above the
    // calibration scrolls, so the calibration row and the buttons stay where they are.
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(6);
    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(8, 8, 8, 8);
    root->setSpacing(6);
    // The lines above the groups, by name, for the members that refresh them.
    QHash<QString, QLabel*> lineByName;

    for (const DetailsPart& part : detailsParts()) {
        const QString name = qstring(part.name);
        const QString title = qstring(partTitle(part));
        const QString toolTip = qstring(partToolTip(part));
        // A message under the part's figures or boxes, hidden until it has a text.
        const auto partMessage = [&]() {
            QLabel* message = messageLabel(std::string(part.messageName).c_str());
            message->setStyleSheet(lookStyle(part.look));
            return message;
        };
        // Every kind but the lines above and the foot is a group of its own.
        QGroupBox* group = nullptr;
        if (part.kind != DetailsPartKind::Message && part.kind != DetailsPartKind::Status &&
            part.kind != DetailsPartKind::Buttons) {
            group = new QGroupBox(title);
            group->setObjectName(name);
            group->setToolTip(toolTip);
        }
        switch (part.kind) {
        case DetailsPartKind::Message:
        case DetailsPartKind::Status: {
            QLabel* label = part.kind == DetailsPartKind::Status
                                ? wrappedLabel(std::string(part.name).c_str())
                                : messageLabel(std::string(part.name).c_str());
            label->setStyleSheet(lookStyle(part.look));
            label->setToolTip(toolTip);
            column->addWidget(label);
            lineByName[name] = label;
            break;
        }
        case DetailsPartKind::Inputs:
        case DetailsPartKind::Figures: {
            QGridLayout* grid = pairGrid(group);
            const bool inputs = part.kind == DetailsPartKind::Inputs;
            (inputs ? inputValues_ : figureValues_) =
                addLines(grid, inputs ? lines.inputs : lines.figures);
            if (!part.messageName.empty()) {
                reasons_ = partMessage();
                grid->addWidget(reasons_, grid->rowCount(), 0, 1, 2 * kPairsPerRow);
            }
            column->addWidget(group);
            break;
        }
        case DetailsPartKind::Settings:
        {
            QGridLayout* grid = buildSettings(group);
            settingsMessage_ = partMessage();
            grid->addWidget(settingsMessage_, grid->rowCount(), 0, 1, 2 * kPairsPerRow);
        }
            column->addWidget(group);
            break;
        case DetailsPartKind::ShapeOpinion: {
            // Its title and explanation follow the core type: set on refresh.
            QGridLayout* shapeGrid = pairGrid(group);
            shapeValues_ = addLines(shapeGrid, lines.shapeOpinion.lines);
            shapeValidation_ = wrappedLabel("shapeValidation");
            shapeGrid->addWidget(shapeValidation_, shapeGrid->rowCount(), 0, 1,
                                 2 * kPairsPerRow);
            shapeNote_ = partMessage();
            shapeGrid->addWidget(shapeNote_, shapeGrid->rowCount(), 0, 1, 2 * kPairsPerRow);
            useShapeAl_ = new QPushButton(qstring(translate("Details", kUseShapeAlCaption.data())));
            useShapeAl_->setObjectName(QStringLiteral("useShapeAl"));
            useShapeAl_->setToolTip(qstring(translate("Details", kUseShapeAlExplanation.data())));
            connect(useShapeAl_, &QPushButton::clicked, this, &DetailsWindow::useShapeAl);
            shapeMessage_ = messageLabel("shapeMessage");
            const int buttonRow = shapeGrid->rowCount();
            shapeGrid->addWidget(useShapeAl_, buttonRow, 0);
            shapeGrid->addWidget(shapeMessage_, buttonRow, 1, 1, 2 * kPairsPerRow - 1);
            shapeOpinion_ = group;
            column->addWidget(group);
            break;
        }
        case DetailsPartKind::Current: {
            QGridLayout* grid = pairGrid(group);
            currentValues_ = addLines(grid, lines.current);
            currentWarnings_ = partMessage();
            grid->addWidget(currentWarnings_, grid->rowCount(), 0, 1, 2 * kPairsPerRow);
            current_ = group;
            column->addWidget(group);
            break;
        }
        case DetailsPartKind::Section: {
            auto* sectionLayout = new QVBoxLayout(group);
            sectionLayout->setContentsMargins(6, 4, 6, 6);
            drawing_ = new WindingDrawing;
            sectionLayout->addWidget(drawing_);
            column->addWidget(group, 1);
            break;
        }
        case DetailsPartKind::Calibration:
            // Below the scrolled part, which ends here.
            buildCalibration(group);
            calibrationMessage_ = partMessage();
            // Room for the message from the start, so that the row above it stays under the
            // mouse when a message comes; a longer one is whole in the tooltip.
            calibrationMessage_->setFixedHeight(
                2 * calibrationMessage_->fontMetrics().lineSpacing());
            calibrationMessage_->show();
            group->layout()->addWidget(calibrationMessage_);
            {
                auto* scroll = new QScrollArea;
                scroll->setObjectName(QStringLiteral("detailsScroll"));
                scroll->setWidget(content);
                scroll->setWidgetResizable(true);
                scroll->setFrameShape(QFrame::NoFrame);
                scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
                root->addWidget(scroll, 1);
            }
            root->addWidget(group);
            break;
        case DetailsPartKind::Buttons: {
            auto* buttons = new QHBoxLayout;
            buttons->addStretch(1);
            for (const DetailsControl& control : detailsButtons()) {
                auto* button = new QPushButton(frontQText(control.name));
                button->setObjectName(qstring(control.name));
                button->setToolTip(frontQToolTip(control.name));
                buttons->addWidget(button);
                if (control.name == "copy") {
                    connect(button, &QPushButton::clicked, this, &DetailsWindow::copyReport);
                } else {
                    connect(button, &QPushButton::clicked, this, &QWidget::close);
                }
            }
            root->addLayout(buttons);
            break;
        }
        }
    }
    status_ = lineByName.value(QStringLiteral("calculationStatus"));
    changed_ = lineByName.value(QStringLiteral("changedInputs"));
    checkErrors_ = lineByName.value(QStringLiteral("inputCheckErrors"));
    checkNotes_ = lineByName.value(QStringLiteral("inputCheckNotes"));
}

QGridLayout* DetailsWindow::buildSettings(QGroupBox* group) {
    QGridLayout* grid = pairGrid(group);
    const DetailsSettings defaults;
    series_ = new QComboBox;
    series_->setObjectName(QStringLiteral("series"));
    for (const WireSeries series : kWireSeries) {
        series_->addItem(qstring(seriesTitle(series)), qstring(seriesKey(series)));
        if (series == defaults.series) {
            series_->setCurrentIndex(series_->count() - 1);
        }
    }
    // The series' names are long: the box takes a row of its own.
    grid->addWidget(captionOf(series_, qstring(settingCaption(kSeriesText)),
                              qstring(settingToolTip(kSeriesText))),
                    0, 0);
    grid->addWidget(series_, 0, 1, 1, 2 * kPairsPerRow - 1);
    // The object name is the setting's box name, which the design files and the tests use.
    for (const NumberSetting& setting : numberSettings()) {
        auto* edit = new QLineEdit(qstring(defaultSettingText(setting)));
        if (setting.optional != nullptr) {
            edit->setPlaceholderText(qstring(mark::kNoValue));
        }
        edit->setObjectName(qstring(setting.text.name));
        addPair(grid, kPairsPerRow + static_cast<int>(settingBoxes_.size()),
                captionOf(edit, qstring(settingCaption(setting.text)),
                          qstring(settingBoxToolTip(setting))),
                edit);
        settingBoxes_.push_back({edit, &setting});
        connect(edit, &QLineEdit::textChanged, this, &DetailsWindow::refresh);
    }
    connect(series_, &QComboBox::currentIndexChanged, this, &DetailsWindow::refresh);
    return grid;
}

// The calibration row: its boxes, each captioned, and its button, as the description lists them.
void DetailsWindow::buildCalibration(QGroupBox* group) {
    auto* row = new QHBoxLayout;
    std::vector<QLineEdit*> edits;
    for (const DetailsControl& control : calibrationControls()) {
        const QString text = frontQText(control.name);
        const QString toolTip = frontQToolTip(control.name);
        if (control.placeholder.empty()) {
            auto* apply = new QPushButton(text);
            apply->setObjectName(qstring(control.name));
            apply->setToolTip(toolTip);
            connect(apply, &QPushButton::clicked, this, &DetailsWindow::calibrate);
            row->addWidget(apply);
            continue;
        }
        auto* edit = new QLineEdit;
        edit->setObjectName(qstring(control.name));
        edit->setPlaceholderText(qstring(control.placeholder));
        auto* label = new QLabel(text);
        label->setBuddy(edit);
        for (QWidget* widget : {static_cast<QWidget*>(label), static_cast<QWidget*>(edit)}) {
            widget->setToolTip(toolTip);
        }
        edit->setAccessibleName(text);
        row->addWidget(label);
        row->addWidget(edit, 1);
        connect(edit, &QLineEdit::returnPressed, this, &DetailsWindow::calibrate);
        edits.push_back(edit);
    }
    // The measured inductance, then the test coil's turns.
    measured_ = edits.at(0);
    testTurns_ = edits.at(1);
    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(8, 4, 8, 6);
    column->addLayout(row);
}

void DetailsWindow::present() {
    if (!placed_) {
        const QScreen* screen = main_.screen();
        const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();
        // The frame this window will get is not known before it is shown; the main window's is
        // the best guess.
        const QSize frameExtra = main_.frameGeometry().size() - main_.size();
        QSize size = kOpeningSize;
        if (!available.isEmpty()) {
            size = size.boundedTo(available.size() - frameExtra);
        }
        resize(size);
        move(besidePosition(main_.frameGeometry(), size + frameExtra, available,
                            main_.calculationFieldsArea()));
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
    refresh();
}

DetailsSettings DetailsWindow::settings() const {
    return readSettings().first;
}

std::pair<DetailsSettings, std::vector<SettingRefusal>> DetailsWindow::readSettings() const {
    DetailsSettings settings;
    settings.series = kWireSeries.at(static_cast<std::size_t>(series_->currentIndex()));
    std::vector<SettingRefusal> refusals =
        readNumberSettings(settings, [this](std::string_view name) { return boxText(name); });
    return {settings, std::move(refusals)};
}

std::string DetailsWindow::boxText(std::string_view name) const {
    for (const SettingBox& box : settingBoxes_) {
        if (box.setting->text.name == name) {
            return box.edit->text().toStdString();
        }
    }
    return {};
}

// A refused entry keeps what was typed, turns red and says why; the figures that need the
// setting stay empty with their reasons.
void DetailsWindow::showSettingRefusals(const std::vector<SettingRefusal>& refusals) {
    QStringList lines;
    for (const SettingBox& box : settingBoxes_) {
        const auto refusal =
            std::find_if(refusals.begin(), refusals.end(), [&](const SettingRefusal& r) {
                return r.name == box.setting->text.name;
            });
        const bool refused = refusal != refusals.end();
        setRefusedLook(box.edit, refused);
        box.edit->setAccessibleDescription(refused ? qstring(refusal->message) : QString());
        if (refused) {
            lines << qstring(refusal->line);
        }
    }
    settingsMessage_->setText(lines.join(QLatin1Char('\n')));
    settingsMessage_->setVisible(!lines.isEmpty());
}

void DetailsWindow::refresh() {
    if (!isVisible()) {
        return; // present() refreshes when the window opens again
    }
    // The boxes are read once a refresh: for the refusals they show and for the figures.
    const auto [chosen, refusals] = readSettings();
    showSettingRefusals(refusals);
    const DetailsView view = viewDetails(main_.fieldSet(), main_.coreTypeText().toStdString(),
                                         chosen, main_.calculationRecord());
    status_->setText(qstring(view.status.outcome));
    status_->setStyleSheet(view.status.stopped ? QStringLiteral("color: #c0281e; font-weight: bold")
                                               : QString());
    changed_->setText(qstring(view.status.changed.value_or(std::string())));
    changed_->setVisible(view.status.changed.has_value());
    QStringList errors;
    QStringList notes;
    for (const CheckLine& check : view.checks) {
        (check.error ? errors : notes) << qstring(mark::kListItem) + qstring(check.text);
    }
    checkErrors_->setText(errors.join(QLatin1Char('\n')));
    checkErrors_->setVisible(!errors.isEmpty());
    checkNotes_->setText(notes.join(QLatin1Char('\n')));
    checkNotes_->setVisible(!notes.isEmpty());
    showLines(inputValues_, view.inputs);
    showLines(figureValues_, view.figures);
    QStringList reasons;
    for (const std::string& reason : view.details.reasons) {
        reasons << qstring(mark::kListItem) + QString::fromStdString(reason);
    }
    reasons_->setText(reasons.join(QLatin1Char('\n')));
    reasons_->setVisible(!reasons.isEmpty());
    const ShapeOpinionView& shape = view.shapeOpinion;
    shapeOpinion_->setVisible(view.design.has_value());
    shapeOpinion_->setTitle(qstring(shape.title));
    shapeOpinion_->setToolTip(qstring(shape.explanation));
    showLines(shapeValues_, shape.lines);
    shapeValidation_->setText(qstring(shape.validation.value_or(std::string())));
    shapeValidation_->setVisible(shape.validation.has_value());
    shapeNote_->setText(qstring(shape.note.value_or(std::string())));
    shapeNote_->setStyleSheet(shape.warns ? QStringLiteral("color: #c0281e") : QString());
    shapeNote_->setVisible(shape.note.has_value());
    useShapeAl_->setEnabled(shape.usableAsAl);
    current_->setVisible(view.currentApplies);
    showLines(currentValues_, view.current);
    QStringList warnings;
    for (const std::string& warning : view.currentWarnings) {
        warnings << QString::fromStdString(warning);
    }
    currentWarnings_->setText(warnings.join(QLatin1Char('\n')));
    currentWarnings_->setVisible(!warnings.isEmpty());
    drawing_->setWinding(view.design, view.details);
}

void DetailsWindow::copyReport() const {
    const std::string report =
        composeDesignReport(main_.fieldSet(), main_.coreTypeText().toStdString(), settings(),
                            main_.calculationRecord());
    QGuiApplication::clipboard()->setText(QString::fromStdString(report));
}

void DetailsWindow::useShapeAl() {
    const CalibrationOutcome outcome =
        applyShapeAl(main_.fieldSet(), main_.coreTypeText().toStdString(), settings(),
                     main_.calculationRecord());
    shapeMessage_->setText(QString::fromStdString(outcome.message));
    shapeMessage_->setToolTip(shapeMessage_->text());
    shapeMessage_->setStyleSheet(outcome.written ? QString() : QStringLiteral("color: #c0281e"));
    shapeMessage_->setVisible(true);
    if (outcome.written) {
        refresh();
    }
}

void DetailsWindow::calibrate() {
    const CalibrationOutcome outcome = applyCalibration(
        main_.fieldSet(), measured_->text().toStdString(), testTurns_->text().toStdString());
    calibrationMessage_->setText(QString::fromStdString(outcome.message));
    calibrationMessage_->setToolTip(calibrationMessage_->text());
    calibrationMessage_->setStyleSheet(outcome.written ? QString()
                                                       : QStringLiteral("color: #c0281e"));
    if (outcome.written) {
        refresh();
    }
}

} // namespace coilwind::ui
