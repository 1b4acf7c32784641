#include "details_window.hpp"

#include "view/details_report.hpp"
#include "main_window.hpp"
#include "placement.hpp"
#include "winding_drawing.hpp"

#include <QClipboard>
#include <QComboBox>
#include <QDoubleSpinBox>
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
#include <algorithm>

namespace coilwind::ui {
namespace {

QString qstring(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString valueText(const DetailsLine& line) {
    return line.value ? qstring(*line.value) : QStringLiteral("—");
}

constexpr int kPairsPerRow = 2;

// Captioned controls two to a row: caption, control, caption, control.
void addPair(QGridLayout* grid, QLabel* caption, QWidget* field) {
    const int pair = grid->count() / 2;
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
        for (QLabel* label : {caption, value}) {
            label->setToolTip(qstring(line.english));
        }
        addPair(grid, caption, value);
        values.push_back(value);
    }
    return values;
}

void showLines(const std::vector<QLabel*>& labels, const std::vector<DetailsLine>& lines) {
    for (std::size_t i = 0; i < labels.size() && i < lines.size(); ++i) {
        const QString value = valueText(lines[i]);
        labels[i]->setText(value);
        labels[i]->setAccessibleName(qstring(lines[i].caption) + QStringLiteral(": ") + value);
    }
}

QDoubleSpinBox* spinBox(const char* name, double minimum, double maximum, double step, double value,
                        const QString& suffix) {
    auto* box = new QDoubleSpinBox;
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(minimum, maximum);
    box->setDecimals(0);
    box->setSingleStep(step);
    box->setValue(value);
    box->setSuffix(suffix);
    return box;
}

// A control with its caption: the caption names it for screen readers and explains it in English
// on hover.
void addControl(QGridLayout* grid, const QString& caption, QWidget* field, const QString& english) {
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    label->setToolTip(english);
    field->setToolTip(english);
    field->setAccessibleName(caption);
    addPair(grid, label, field);
}

QLabel* messageLabel(const char* name) {
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->hide();
    return label;
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
    inputValues_ = addLines(pairGrid(inputs), lines.inputs);

    auto* figures = new QGroupBox(QStringLiteral("详情计算 (this window's own figures)"));
    figures->setToolTip(QStringLiteral("Computed here from the fields and the settings; not the "
                                       "main window's results"));
    QGridLayout* figureGrid = pairGrid(figures);
    figureValues_ = addLines(figureGrid, lines.figures);
    reasons_ = messageLabel("reasons");
    reasons_->setStyleSheet(QStringLiteral("color: #c0281e"));
    figureGrid->addWidget(reasons_, figureGrid->rowCount(), 0, 1, 2 * kPairsPerRow);

    auto* section = new QGroupBox(QStringLiteral("截面图 (to scale; 红色: beyond the depth)"));
    section->setToolTip(QStringLiteral("Half-section of the winding: each turn of the standard "
                                       "wire as a circle, layer by layer; red: beyond the "
                                       "available depth"));
    auto* sectionLayout = new QVBoxLayout(section);
    sectionLayout->setContentsMargins(6, 4, 6, 6);
    drawing_ = new WindingDrawing;
    sectionLayout->addWidget(drawing_);

    auto* copy = new QPushButton(QStringLiteral("复制"));
    copy->setObjectName(QStringLiteral("copy"));
    copy->setToolTip(QStringLiteral("Copy the whole design as plain text for a lab notebook "
                                    "(Ctrl+C)"));
    connect(copy, &QPushButton::clicked, this, &DetailsWindow::copyReport);
    auto* close = new QPushButton(QStringLiteral("关闭"));
    close->setObjectName(QStringLiteral("close"));
    close->setToolTip(QStringLiteral("Close the details; nothing changes (Esc)"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(copy);
    buttons->addWidget(close);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(8, 8, 8, 8);
    root->setSpacing(6);
    root->addWidget(inputs);
    root->addWidget(buildSettings());
    root->addWidget(figures);
    root->addWidget(section, 1);
    root->addWidget(buildCalibration());
    root->addLayout(buttons);
}

QWidget* DetailsWindow::buildSettings() {
    auto* group = new QGroupBox(QStringLiteral("设置 (settings)"));
    QGridLayout* grid = pairGrid(group);
    const DetailsSettings defaults;
    series_ = new QComboBox;
    series_->setObjectName(QStringLiteral("series"));
    for (const WireSeries series : kWireSeries) {
        series_->addItem(qstring(seriesTitle(series)));
        if (series == defaults.series) {
            series_->setCurrentIndex(series_->count() - 1);
        }
    }
    addControl(grid, QStringLiteral("线规系列"), series_,
               QStringLiteral("Series of enamelled copper wire the standard wire is taken from"));
    struct Setting {
        QDoubleSpinBox*& box;
        const char* name;
        double minimum, maximum, step, value;
        QString suffix, caption, english;
    };
    for (const Setting& setting :
         {Setting{alTolerance_, "alTolerance", 0, 90, 5, defaults.alTolerancePercent,
                  QStringLiteral(" %"), QStringLiteral("AL 容差 ±"),
                  QStringLiteral("Tolerance of AL, plus or minus percent")},
          Setting{temperature_, "temperature", -60, 250, 5, defaults.temperatureC,
                  QStringLiteral(" °C"), QStringLiteral("工作温度"),
                  QStringLiteral("Operating temperature for the hot resistance, °C")},
          Setting{saturationFlux_, "saturationFlux", 10, 2000, 10, defaults.saturationFluxMt,
                  QStringLiteral(" mT"), QStringLiteral("饱和磁通 Bs"),
                  QStringLiteral("Saturation flux density of the core material, mT")}}) {
        setting.box = spinBox(setting.name, setting.minimum, setting.maximum, setting.step,
                              setting.value, setting.suffix);
        addControl(grid, setting.caption, setting.box, setting.english);
    }

    connect(series_, &QComboBox::currentIndexChanged, this, &DetailsWindow::refresh);
    for (QDoubleSpinBox* box : {temperature_, saturationFlux_, alTolerance_}) {
        connect(box, &QDoubleSpinBox::valueChanged, this, &DetailsWindow::refresh);
    }
    return group;
}

QWidget* DetailsWindow::buildCalibration() {
    auto* group = new QGroupBox(QStringLiteral("校准 AL (from a test coil: AL = 1000 L / N²)"));
    auto* row = new QHBoxLayout;
    measured_ = new QLineEdit;
    measured_->setObjectName(QStringLiteral("measured"));
    measured_->setPlaceholderText(QStringLiteral("12.5"));
    testTurns_ = new QLineEdit;
    testTurns_->setObjectName(QStringLiteral("testTurns"));
    testTurns_->setPlaceholderText(QStringLiteral("20"));
    const std::pair<QString, QString> explained[] = {
        {QStringLiteral("实测电感 (uH)"),
         QStringLiteral("Inductance measured on the test coil, uH")},
        {QStringLiteral("圈数"), QStringLiteral("Turns of the test coil")}};
    QLineEdit* edits[] = {measured_, testTurns_};
    for (std::size_t i = 0; i < 2; ++i) {
        auto* label = new QLabel(explained[i].first);
        label->setBuddy(edits[i]);
        for (QWidget* widget : {static_cast<QWidget*>(label), static_cast<QWidget*>(edits[i])}) {
            widget->setToolTip(explained[i].second);
        }
        edits[i]->setAccessibleName(explained[i].first);
        row->addWidget(label);
        row->addWidget(edits[i], 1);
        connect(edits[i], &QLineEdit::returnPressed, this, &DetailsWindow::calibrate);
    }
    auto* apply = new QPushButton(QStringLiteral("用作AL"));
    apply->setObjectName(QStringLiteral("useAsAl"));
    apply->setToolTip(QStringLiteral("Write the AL of the test coil into the main window's AL "
                                     "field (one decimal)"));
    connect(apply, &QPushButton::clicked, this, &DetailsWindow::calibrate);
    row->addWidget(apply);
    calibrationMessage_ = messageLabel("calibrationMessage");
    auto* column = new QVBoxLayout(group);
    column->setContentsMargins(8, 4, 8, 6);
    column->addLayout(row);
    column->addWidget(calibrationMessage_);
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
    growToContents();
}

void DetailsWindow::growToContents() {
    layout()->activate();
    int wanted = layout()->totalHeightForWidth(width());
    if (const QScreen* screen = this->screen()) {
        const int frame = frameGeometry().height() - height();
        wanted = std::min(wanted, screen->availableGeometry().bottom() + 1 - y() - frame);
    }
    if (wanted > height()) {
        resize(width(), wanted);
    }
}

void DetailsWindow::copyReport() const {
    const std::string report =
        composeDesignReport(main_.fieldSet(), main_.coreTypeText().toStdString(), settings());
    QGuiApplication::clipboard()->setText(QString::fromStdString(report));
}

void DetailsWindow::calibrate() {
    const CalibrationOutcome outcome = applyCalibration(
        main_.fieldSet(), measured_->text().toStdString(), testTurns_->text().toStdString());
    calibrationMessage_->setText(QString::fromStdString(outcome.message));
    calibrationMessage_->show();
    calibrationMessage_->setStyleSheet(outcome.written ? QString()
                                                       : QStringLiteral("color: #c0281e"));
    if (outcome.written) {
        refresh();
    }
}

} // namespace coilwind::ui
