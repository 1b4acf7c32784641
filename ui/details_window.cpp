#include "details_window.hpp"

#include "calc/details_report.hpp"
#include "main_window.hpp"
#include "placement.hpp"
#include "winding_drawing.hpp"

#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace coilwind::ui {
namespace {

QString qstring(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString valueText(const DetailsLine& line) {
    return line.value ? qstring(*line.value) : QStringLiteral("—");
}

// Caption and value side by side, both explained by the English tooltip.
std::vector<QLabel*> addLines(QGridLayout* grid, const std::vector<DetailsLine>& lines) {
    std::vector<QLabel*> values;
    for (const DetailsLine& line : lines) {
        auto* caption = new QLabel(qstring(line.caption));
        auto* value = new QLabel;
        value->setObjectName(qstring(line.key));
        value->setTextFormat(Qt::PlainText);
        value->setWordWrap(true);
        for (QLabel* label : {caption, value}) {
            label->setToolTip(qstring(line.english));
        }
        const int row = grid->rowCount();
        grid->addWidget(caption, row, 0, Qt::AlignTop);
        grid->addWidget(value, row, 1, Qt::AlignTop);
        values.push_back(value);
    }
    grid->setColumnStretch(1, 1);
    return values;
}

void showLines(const std::vector<QLabel*>& labels, const std::vector<DetailsLine>& lines) {
    for (std::size_t i = 0; i < labels.size() && i < lines.size(); ++i) {
        const QString value = valueText(lines[i]);
        labels[i]->setText(value);
        labels[i]->setAccessibleName(qstring(lines[i].caption) + QStringLiteral(": ") + value);
    }
}

QDoubleSpinBox* spinBox(double minimum, double maximum, double step, double value,
                        const QString& suffix) {
    auto* box = new QDoubleSpinBox;
    box->setRange(minimum, maximum);
    box->setDecimals(0);
    box->setSingleStep(step);
    box->setValue(value);
    box->setSuffix(suffix);
    return box;
}

// A captioned control of a form: the caption names it for screen readers and explains it in
// English on hover.
void addRow(QFormLayout* form, const QString& caption, QWidget* field, const QString& english) {
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    label->setToolTip(english);
    field->setToolTip(english);
    field->setAccessibleName(caption);
    form->addRow(label, field);
}

} // namespace

DetailsWindow::DetailsWindow(MainWindow& main) : QWidget(&main, Qt::Window), main_(main) {
    setObjectName(QStringLiteral("DetailsWindow"));
    setWindowTitle(QStringLiteral("绕线详情 (winding details) — coilwind"));
    build();
    connect(&main_, &MainWindow::calculated, this, &DetailsWindow::refresh);
    // In a text field Ctrl+C copies the field's selection; anywhere else the whole design.
    auto* copy = new QShortcut(QKeySequence::Copy, this);
    connect(copy, &QShortcut::activated, this, &DetailsWindow::copyReport);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void DetailsWindow::build() {
    const DetailsView lines =
        viewDetails(main_.fieldSet(), main_.coreTypeText().toStdString(), DetailsSettings{});

    auto* inputs = new QGroupBox(QStringLiteral("主窗口的输入 (read from the main window)"));
    inputs->setToolTip(QStringLiteral("The fields as the main window shows them, read by the "
                                      "leading-number rule"));
    auto* inputGrid = new QGridLayout(inputs);
    inputValues_ = addLines(inputGrid, lines.inputs);

    auto* figures = new QGroupBox(QStringLiteral("详情计算 (this window's own figures)"));
    figures->setToolTip(QStringLiteral("Computed here from the fields and the settings; not the "
                                       "main window's results"));
    auto* figureGrid = new QGridLayout(figures);
    figureValues_ = addLines(figureGrid, lines.figures);
    reasons_ = new QLabel;
    reasons_->setObjectName(QStringLiteral("reasons"));
    reasons_->setWordWrap(true);
    reasons_->setTextFormat(Qt::PlainText);
    reasons_->setStyleSheet(QStringLiteral("color: #c0281e"));
    figureGrid->addWidget(reasons_, figureGrid->rowCount(), 0, 1, 2);
    figureGrid->setRowStretch(figureGrid->rowCount(), 1);

    auto* section = new QGroupBox(QStringLiteral("截面图 (to-scale half-section)"));
    section->setToolTip(QStringLiteral("Each turn of the standard wire as a circle, layer by "
                                       "layer; red: beyond the available depth"));
    auto* sectionLayout = new QVBoxLayout(section);
    drawing_ = new WindingDrawing;
    sectionLayout->addWidget(drawing_, 1);
    auto* legend = new QLabel(QStringLiteral("铜色: 标准线 (standard wire)   红色: 超出可用深度 "
                                             "(beyond the available depth)"));
    legend->setWordWrap(true);
    sectionLayout->addWidget(legend);

    auto* left = new QVBoxLayout;
    left->addWidget(inputs);
    left->addWidget(buildSettings());
    left->addWidget(buildCalibration());
    left->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 0);
    columns->addWidget(figures, 1);

    auto* copy = new QPushButton(QStringLiteral("复制"));
    copy->setObjectName(QStringLiteral("copy"));
    copy->setToolTip(QStringLiteral("Copy the whole design as plain text for a lab notebook "
                                    "(Ctrl+C)"));
    connect(copy, &QPushButton::clicked, this, &DetailsWindow::copyReport);
    auto* close = new QPushButton(QStringLiteral("关闭"));
    close->setToolTip(QStringLiteral("Close the details; nothing changes (Esc)"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(copy);
    buttons->addWidget(close);

    auto* root = new QVBoxLayout(this);
    root->addLayout(columns);
    root->addWidget(section, 1);
    root->addLayout(buttons);
}

QWidget* DetailsWindow::buildSettings() {
    auto* group = new QGroupBox(QStringLiteral("设置 (settings)"));
    auto* form = new QFormLayout(group);
    const DetailsSettings defaults;
    series_ = new QComboBox;
    series_->setObjectName(QStringLiteral("series"));
    for (const WireSeries series : kWireSeries) {
        series_->addItem(qstring(seriesTitle(series)));
        if (series == defaults.series) {
            series_->setCurrentIndex(series_->count() - 1);
        }
    }
    addRow(form, QStringLiteral("线规系列"), series_,
           QStringLiteral("Series of enamelled copper wire the standard wire is taken from"));
    temperature_ = spinBox(-60, 250, 5, defaults.temperatureC, QStringLiteral(" °C"));
    temperature_->setObjectName(QStringLiteral("temperature"));
    addRow(form, QStringLiteral("工作温度"), temperature_,
           QStringLiteral("Operating temperature for the hot resistance, °C"));
    saturationFlux_ = spinBox(10, 2000, 10, defaults.saturationFluxMt, QStringLiteral(" mT"));
    saturationFlux_->setObjectName(QStringLiteral("saturationFlux"));
    addRow(form, QStringLiteral("饱和磁通 Bs"), saturationFlux_,
           QStringLiteral("Saturation flux density of the core material, mT"));
    alTolerance_ = spinBox(0, 90, 5, defaults.alTolerancePercent, QStringLiteral(" %"));
    alTolerance_->setObjectName(QStringLiteral("alTolerance"));
    addRow(form, QStringLiteral("AL 容差 ±"), alTolerance_,
           QStringLiteral("Tolerance of AL, plus or minus percent"));

    connect(series_, &QComboBox::currentIndexChanged, this, &DetailsWindow::refresh);
    for (QDoubleSpinBox* box : {temperature_, saturationFlux_, alTolerance_}) {
        connect(box, &QDoubleSpinBox::valueChanged, this, &DetailsWindow::refresh);
    }
    return group;
}

QWidget* DetailsWindow::buildCalibration() {
    auto* group = new QGroupBox(QStringLiteral("校准 AL (test coil)"));
    group->setToolTip(QStringLiteral("Measured L of a test coil gives AL = 1000 L / N²"));
    auto* form = new QFormLayout(group);
    measured_ = new QLineEdit;
    measured_->setObjectName(QStringLiteral("measured"));
    measured_->setPlaceholderText(QStringLiteral("12.5"));
    addRow(form, QStringLiteral("实测电感 (uH)"), measured_,
           QStringLiteral("Inductance measured on the test coil, uH"));
    testTurns_ = new QLineEdit;
    testTurns_->setObjectName(QStringLiteral("testTurns"));
    testTurns_->setPlaceholderText(QStringLiteral("20"));
    addRow(form, QStringLiteral("测试圈数"), testTurns_,
           QStringLiteral("Turns of the test coil"));
    auto* apply = new QPushButton(QStringLiteral("用作AL"));
    apply->setObjectName(QStringLiteral("useAsAl"));
    apply->setToolTip(QStringLiteral("Write the AL of the test coil into the main window's AL "
                                     "field (one decimal)"));
    form->addRow(apply);
    calibrationMessage_ = new QLabel;
    calibrationMessage_->setObjectName(QStringLiteral("calibrationMessage"));
    calibrationMessage_->setWordWrap(true);
    calibrationMessage_->setTextFormat(Qt::PlainText);
    form->addRow(calibrationMessage_);

    connect(apply, &QPushButton::clicked, this, &DetailsWindow::calibrate);
    for (QLineEdit* edit : {measured_, testTurns_}) {
        connect(edit, &QLineEdit::returnPressed, this, &DetailsWindow::calibrate);
    }
    return group;
}

void DetailsWindow::present() {
    if (!placed_) {
        adjustSize();
        const QScreen* screen = main_.screen();
        move(besidePosition(main_.frameGeometry(), frameGeometry().size(),
                            screen != nullptr ? screen->availableGeometry() : QRect()));
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
    refresh();
}

DetailsSettings DetailsWindow::settings() const {
    DetailsSettings settings;
    settings.series = kWireSeries.at(static_cast<std::size_t>(series_->currentIndex()));
    settings.temperatureC = temperature_->value();
    settings.saturationFluxMt = saturationFlux_->value();
    settings.alTolerancePercent = alTolerance_->value();
    return settings;
}

void DetailsWindow::refresh() {
    if (!isVisible()) {
        return; // present() refreshes when the window opens again
    }
    const DetailsView view =
        viewDetails(main_.fieldSet(), main_.coreTypeText().toStdString(), settings());
    showLines(inputValues_, view.inputs);
    showLines(figureValues_, view.figures);
    QStringList reasons;
    for (const std::string& reason : view.details.reasons) {
        reasons << QStringLiteral("• ") + QString::fromStdString(reason);
    }
    reasons_->setText(reasons.join(QLatin1Char('\n')));
    reasons_->setVisible(!reasons.isEmpty());
    drawing_->setWinding(view.design, view.details);
}

void DetailsWindow::copyReport() const {
    const std::string report = composeDesignReport(
        main_.fieldSet(), main_.coreTypeText().toStdString(), settings());
    QGuiApplication::clipboard()->setText(QString::fromStdString(report));
}

void DetailsWindow::calibrate() {
    const CalibrationOutcome outcome = applyCalibration(
        main_.fieldSet(), measured_->text().toStdString(), testTurns_->text().toStdString());
    calibrationMessage_->setText(QString::fromStdString(outcome.message));
    calibrationMessage_->setStyleSheet(outcome.written ? QString()
                                                       : QStringLiteral("color: #c0281e"));
    if (outcome.written) {
        refresh();
    }
}

} // namespace coilwind::ui
