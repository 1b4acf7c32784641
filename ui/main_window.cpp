#include "main_window.hpp"

#include "calc/commands.hpp"
#include "calc/core_type.hpp"
#include "calc/step_table.hpp"
#include "details_window.hpp"
#include "field_help.hpp"
#include "language.hpp"
#include "placement.hpp"
#include "view/details_lines.hpp"
#include "view/front_texts.hpp"
#include "view/window_description.hpp"
#include "widgets.hpp"

#include <QAction>
#include <QColor>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHash>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRect>
#include <QScreen>
#include <QStringList>
#include <algorithm>
#include <cstddef>
#include <string_view>
#include <utility>
#include <vector>

namespace coilwind::ui {
namespace {

QString qstring(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect pixelGeometry(const ControlDescription& control) {
    return {toPixels(control.left), toPixels(control.top), toPixels(control.width),
            toPixels(control.height)};
}

void setColours(QWidget* widget, const QColor& background, const QColor& text) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// The summary is framed by line feed + carriage return pairs and indented for a text file;
// a tooltip shows its lines plainly.
QString summaryForDisplay(const std::string& summary) {
    QStringList lines;
    for (const QString& line : qstring(summary).split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (!trimmed.isEmpty()) {
            lines << trimmed;
        }
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

// The field set seen through the window's text fields.
class MainWindow::WidgetFieldSet final : public FieldSet {
public:
    explicit WidgetFieldSet(const MainWindow& window) : window_(window) {}

protected:
    std::string fieldText(FieldIndex index) const override {
        return edit(index)->text().toStdString();
    }
    void setFieldText(FieldIndex index, std::string_view text) override {
        FieldEdit* field = edit(index);
        field->setText(qstring(text));
        field->setCursorPosition(0); // a narrow field shows a result's leading digits
    }
    void focusField(FieldIndex index) override { edit(index)->setFocus(Qt::OtherFocusReason); }

private:
    FieldEdit* edit(FieldIndex index) const { return window_.field(index); }
    const MainWindow& window_;
};

MainWindow::MainWindow() : MainWindow(Options{}) {}

MainWindow::MainWindow(Options options) : options_(std::move(options)) {
    if (options_.pictureDirectory.isEmpty()) {
        options_.pictureDirectory = QCoreApplication::applicationDirPath();
    }
    build();
    fieldSet_ = std::make_unique<WidgetFieldSet>(*this);
    bindEvents();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(startupPosition(screen->geometry().size(), size()));
    }
    fillCoreTypeList();
    calculateButton_->setFocus(Qt::OtherFocusReason);

    auto* details = new QAction(frontQText("details"), this);
    details->setShortcut(Qt::Key_F2);
    connect(details, &QAction::triggered, this, &MainWindow::showDetails);
    addAction(details);
}

MainWindow::~MainWindow() = default;

const FieldSet& MainWindow::fieldSet() const {
    return *fieldSet_;
}

FieldSet& MainWindow::fieldSet() {
    return *fieldSet_;
}

void MainWindow::showDetails() {
    detailsWindow().present();
}

DetailsWindow& MainWindow::detailsWindow() {
    if (details_ == nullptr) {
        details_ = new DetailsWindow(*this);
    }
    return *details_;
}

PictureMode MainWindow::pictureMode() const {
    return inductanceMode_->isChecked() ? PictureMode::Inductance : PictureMode::Core;
}

void MainWindow::showCoreType(const QString& text, PictureMode mode) {
    (mode == PictureMode::Inductance ? inductanceMode_ : coreMode_)->setChecked(true);
    coreType_->setEditText(text);
    applyPictureRule();
}

// Right-clicks that no control takes (the window's and the frames' own surfaces, captions, the
// picture) arrive here; the fields keep their editing menus.
void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    menu.addActions(actions());
    menu.exec(event->globalPos());
}

FieldEdit* MainWindow::field(FieldIndex index) const {
    return isField(index) ? fieldEdits_[static_cast<std::size_t>(slotOf(index))] : nullptr;
}

QString MainWindow::coreTypeText() const {
    return coreType_->currentText();
}

void MainWindow::build() {
    setObjectName(qstring(kWindowName));
    setWindowTitle(frontQText("title"));
    // Title-bar and task-switcher sizes; launchers take the larger ones from the icon theme. The
    // format is named so that Qt does not load every image plugin to guess it.
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        QImageReader reader(QStringLiteral(":/icons/coilwind-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    setWindowIcon(icon);
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    resize(toPixels(kClientWidthTwips), toPixels(kClientHeightTwips));

    QHash<QString, QWidget*> containers{{objectName(), this}};
    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const ControlDescription& control : windowDescription()) {
        QWidget* parent = containers.value(qstring(control.container));
        QWidget* widget = createControl(control, parent);
        if (control.kind == ControlKind::Frame) {
            containers.insert(qstring(control.name), widget);
        }
        widget->setObjectName(qstring(control.name));
        if (control.kind != ControlKind::Line) {
            widget->setGeometry(pixelGeometry(control));
        }
        if ((control.flags & kFitsCaption) != 0U) {
            widget->adjustSize();
        }
        if (control.tabIndex >= 0 && widget->focusPolicy() != Qt::NoFocus) {
            tabOrder.emplace_back(control.tabIndex, widget);
        }
    }

    std::sort(tabOrder.begin(), tabOrder.end());
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    }
    calculateButton_ = findChild<QPushButton*>(qstring(control::kCalculate));
    coreMode_ = findChild<QRadioButton*>(qstring(control::kCoreMode));
    inductanceMode_ = findChild<QRadioButton*>(qstring(control::kInductanceMode));
    resultGroup_ = findChild<QGroupBox*>(qstring(control::kResults));
    applyFieldHelp(*this, coreTypeText());
}

QWidget* MainWindow::createControl(const ControlDescription& control, QWidget* parent) {
    const QString caption = QString::fromStdString(captionText(control));
    QWidget* widget = nullptr;
    switch (control.kind) {
    case ControlKind::Frame: {
        auto* frame = control.toolTip.empty() ? new QGroupBox(caption, parent)
                                              : new OwnSurfaceToolTipFrame(caption, parent);
        frame->setToolTip(QString::fromStdString(toolTipText(control)));
        if ((control.flags & kOwnBackground) != 0U) {
            setColours(frame, palette().color(QPalette::Window).darker(108),
                       palette().color(QPalette::WindowText));
        }
        widget = frame;
        break;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(caption, parent);
        button->setAutoDefault(true); // Enter presses a focused button, as Space does
        widget = button;
        break;
    }
    case ControlKind::OptionButton: {
        auto* option = new QRadioButton(caption, parent);
        option->setChecked((control.flags & kChecked) != 0U);
        widget = option;
        break;
    }
    case ControlKind::ComboBox: {
        coreType_ = new QComboBox(parent);
        coreType_->setEditable(true);
        coreType_->setCompleter(nullptr);                // the text is what was typed
        coreType_->setInsertPolicy(QComboBox::NoInsert); // the list never grows
        widget = coreType_;
        break;
    }
    case ControlKind::Field: {
        const auto slot = static_cast<std::size_t>(slotOf(control.arrayIndex));
        auto* edit = new FieldEdit(control.arrayIndex, parent);
        edit->setText(qstring(kFields[slot].startupText));
        fieldEdits_[slot] = edit;
        widget = edit;
        break;
    }
    case ControlKind::Caption: {
        auto* label = new QLabel(caption, parent);
        setColours(label, palette().color(QPalette::Button), palette().color(QPalette::ButtonText));
        if (FieldEdit* described = field(control.captionOf)) {
            label->setBuddy(described);
            described->setAccessibleName(caption); // what a screen reader says for the field
        }
        widget = label;
        break;
    }
    case ControlKind::LinkLabel: {
        auto* label = new LinkLabel(caption, parent);
        setColours(label, palette().color(QPalette::HighlightedText),
                   palette().color(QPalette::Highlight));
        label->setCursor(Qt::PointingHandCursor);
        connect(label, &LinkLabel::clicked, this, &MainWindow::openLink);
        widget = label;
        break;
    }
    case ControlKind::Line: {
        auto* line = new QWidget(parent);
        setColours(line, palette().color(QPalette::WindowText),
                   palette().color(QPalette::WindowText));
        line->setGeometry(toPixels(control.left), toPixels(control.top),
                          toPixels(control.width - control.left) + 1, 1);
        widget = line;
        break;
    }
    case ControlKind::Picture:
        picture_ = new QLabel(parent);
        picture_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picture_->setAccessibleName(frontQText("core-picture"));
        widget = picture_;
        break;
    }
    return widget;
}

void MainWindow::bindEvents() {
    connect(calculateButton_, &QPushButton::clicked, this, &MainWindow::onCalculate);
    connect(findChild<QPushButton*>(qstring(control::kAdvert)), &QPushButton::clicked, this,
            &MainWindow::openLink);
    for (FieldEdit* edit : fieldEdits_) {
        connect(edit, &FieldEdit::keyDown, this, &MainWindow::onFieldKeyDown);
    }
    // A pick from the list (every pick, also of the entry already shown) and every edit of the
    // box's text apply the picture rule; the program's own selection does so in
    // fillCoreTypeList.
    connect(coreType_, &QComboBox::activated, this, &MainWindow::applyPictureRule);
    connect(coreType_->lineEdit(), &QLineEdit::textEdited, this, &MainWindow::applyPictureRule);
    // The field help follows the text the calculation would read, whatever changed it.
    connect(coreType_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { applyFieldHelp(*this, text); });
    connect(coreMode_, &QRadioButton::clicked, this, [this] { showPicture(PictureMode::Core); });
    connect(inductanceMode_, &QRadioButton::clicked, this,
            [this] { showPicture(PictureMode::Inductance); });
}

void MainWindow::fillCoreTypeList() {
    coreType_->addItem(qstring(kDrumCoreText));
    coreType_->addItem(qstring(kRodCoreText));
    coreType_->setCurrentIndex(0);
    applyPictureRule(); // selecting an entry is a selection, whoever makes it
}

void MainWindow::onCalculate() {
    finishCommand(calculate(*fieldSet_, coreTypeText().toStdString()));
}

void MainWindow::onFieldKeyDown(FieldIndex index, int keyCode, int modifiers) {
    const CalculationOutcome outcome =
        handleKeyDown(*fieldSet_, coreTypeText().toStdString(), index, keyCode, modifiers);
    if (keyCode == kEnterKey) {
        finishCommand(outcome);
    }
}

void MainWindow::finishCommand(const CalculationOutcome& outcome) {
    if (outcome.summary) {
        resultGroup_->setToolTip(summaryForDisplay(*outcome.summary) + QLatin1Char('\n') +
                                 QString::fromStdString(summaryHint()));
    }
    record_.note(outcome, *fieldSet_, coreTypeText().toStdString());
    emit calculated(outcome);
}

QRect MainWindow::calculationFieldsArea() const {
    QRect area = coreType_->rect().translated(coreType_->mapToGlobal(QPoint(0, 0)));
    for (const FieldInfo& info : kFields) {
        if (!fieldName(info.index).empty()) { // a step reads or writes it
            const FieldEdit* edit = field(info.index);
            area |= edit->rect().translated(edit->mapToGlobal(QPoint(0, 0)));
        }
    }
    return area;
}

void MainWindow::applyPictureRule() {
    if (inductanceMode_->isChecked()) {
        showPicture(PictureMode::Inductance);
    } else if (coreMode_->isChecked()) {
        showPicture(PictureMode::Core);
    }
}

void MainWindow::showPicture(PictureMode mode) {
    const CorePicture chosen = corePictureFor(mode, coreTypeOf(coreTypeText().toStdString()));
    pictureFile_ = chosen.file;
    const LoadedPicture loaded =
        loadPicture(options_.pictureDirectory, pictureFile_, picture_->devicePixelRatioF());
    if (loaded.image.isNull()) {
        qWarning("coilwind: cannot read the picture %s: %s",
                 qUtf8Printable(QDir(options_.pictureDirectory).filePath(pictureFile_)),
                 qUtf8Printable(loaded.error));
        picture_->setPixmap({});
        picture_->setText(frontQText("picture-unreadable").arg(pictureFile_));
    } else {
        picture_->setPixmap(QPixmap::fromImage(loaded.image));
    }
    picture_->setAccessibleDescription(chosen.description + qstring(mark::kBetween) + pictureFile_);
    picture_->adjustSize(); // the picture control takes the size of what it shows
}

void MainWindow::openLink() const {
    options_.openLink(QByteArray(kLinkAddress));
}

} // namespace coilwind::ui
