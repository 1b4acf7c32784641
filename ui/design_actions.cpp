#include "design_actions.hpp"

#include "language.hpp"

#include "calc/commands.hpp"
#include "design_sheet.hpp"
#include "details_window.hpp"
#include "main_window.hpp"
#include "widgets.hpp"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>

namespace coilwind::ui {
namespace {

QString qstring(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string utf8(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

QString fileName(const QString& path) {
    return QFileInfo(path).fileName();
}

// The whole file, or a reason; at most one byte beyond the limit is read, enough for the reader
// to refuse a larger file without holding it.
std::optional<std::string> readAtMostLimit(const QString& path, std::size_t limit,
                                           QString& reason) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return std::nullopt;
    }
    const QByteArray bytes = file.read(static_cast<qint64>(limit) + 1);
    if (file.error() != QFileDevice::NoError) {
        reason = file.errorString();
        return std::nullopt;
    }
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

bool writeWhole(const QString& path, const std::string& text, QString& reason) {
    QSaveFile file(path); // the old file stays whole until the new one is complete
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(text.data(), static_cast<qint64>(text.size())) !=
            static_cast<qint64>(text.size()) ||
        !file.commit()) {
        reason = file.errorString();
        return false;
    }
    return true;
}

} // namespace

DesignActions::DesignActions(MainWindow& window, QString recentFile)
    : QObject(&window), window_(window), recentFile_(std::move(recentFile)) {
    auto* save = new QAction(qstring(translate("Design", kSaveDesignTitle.data())), &window_);
    save->setObjectName(QStringLiteral("saveDesign"));
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, &DesignActions::saveWithDialog);
    auto* open = new QAction(qstring(translate("Design", kOpenDesignTitle.data())), &window_);
    open->setObjectName(QStringLiteral("openDesign"));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, &DesignActions::openWithDialog);
    auto* sheet = new QAction(qstring(translate("Design", kSaveSheetTitle.data())), &window_);
    sheet->setObjectName(QStringLiteral("saveSheet"));
    connect(sheet, &QAction::triggered, this, &DesignActions::saveSheetWithDialog);
    window_.addAction(save);
    window_.addAction(open);
    auto* print = new QAction(qstring(translate("Design", kPrintSheetTitle.data())), &window_);
    print->setObjectName(QStringLiteral("printSheet"));
    print->setShortcut(QKeySequence::Print);
    connect(print, &QAction::triggered, this, &DesignActions::printSheetWithDialog);
    window_.addAction(sheet);
    window_.addAction(print);

    if (!recentFile_.isEmpty()) {
        QString reason;
        // As long as the longest list of the longest designs, which readRecent still takes.
        if (const auto text =
                readAtMostLimit(recentFile_, (kRecentLimit + 1) * kDesignFileLimit, reason)) {
            recent_ = readRecent(*text);
        }
        recentMenu_ = new QMenu(qstring(translate("Design", kRecentMenuTitle.data())), &window_);
        recentMenu_->menuAction()->setObjectName(QStringLiteral("recentDesigns"));
        window_.addAction(recentMenu_->menuAction());
        fillRecentMenu();
        connect(&window_, &MainWindow::calculated, this, &DesignActions::noteCalculation);
    }
}

QString DesignActions::defaultRecentFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return folder.isEmpty() ? QString()
                            : QDir(folder).filePath(QStringLiteral("recent-designs.json"));
}

Design DesignActions::currentDesign() const {
    Design design;
    for (std::size_t slot = 0; slot < kFields.size(); ++slot) {
        design.fields[slot] = window_.fieldSet().text(kFields[slot].index);
    }
    design.coreType = utf8(window_.coreTypeText());
    design.pictureMode = window_.pictureMode();
    // Each setting's box carries the setting's key as its name; a choice keeps its key as data.
    const DetailsWindow& details = window_.detailsWindow();
    for (const DesignSetting& setting : designSettings()) {
        const QString name = qstring(setting.key);
        if (const auto* edit = details.findChild<QLineEdit*>(name)) {
            design.settings[std::string(setting.key)] = utf8(edit->text());
        } else if (const auto* box = details.findChild<QComboBox*>(name)) {
            design.settings[std::string(setting.key)] = utf8(box->currentData().toString());
        }
    }
    return design;
}

void DesignActions::restore(const Design& design) {
    for (std::size_t slot = 0; slot < kFields.size(); ++slot) {
        window_.fieldSet().setText(kFields[slot].index, design.fields[slot]);
    }
    window_.showCoreType(qstring(design.coreType), design.pictureMode);
    DetailsWindow& details = window_.detailsWindow();
    for (const auto& [key, text] : design.settings) {
        const QString name = qstring(key);
        if (auto* edit = details.findChild<QLineEdit*>(name)) {
            edit->setText(qstring(text));
        } else if (auto* box = details.findChild<QComboBox*>(name)) {
            box->setCurrentIndex(std::max(0, box->findData(qstring(text))));
        }
    }
    details.refresh();
}

bool DesignActions::saveTo(const QString& path) {
    const std::string text = writeDesign(currentDesign());
    const std::string name = utf8(fileName(path));
    if (const auto refusal = saveRefusalText(name, text)) {
        tell(qstring(*refusal), true);
        return false;
    }
    QString reason;
    if (!writeWhole(path, text, reason)) {
        tell(qstring(fileProblemText(true, name, utf8(reason))), true);
        return false;
    }
    lastFolder_ = QFileInfo(path).absolutePath();
    lastMessage_ = qstring(savedText(name));
    return true;
}

bool DesignActions::openFrom(const QString& path) {
    const std::string name = utf8(fileName(path));
    QString reason;
    const std::optional<std::string> text = readAtMostLimit(path, kDesignFileLimit, reason);
    if (!text) {
        tell(qstring(fileProblemText(false, name, utf8(reason))), true);
        return false;
    }
    const DesignReading reading = readDesign(*text);
    if (!reading.design) {
        tell(qstring(openRefusalText(name, reading)), true);
        return false;
    }
    restore(*reading.design);
    lastFolder_ = QFileInfo(path).absolutePath();
    if (reading.notes.empty()) {
        lastMessage_ = qstring(openedText(name));
    } else {
        tell(qstring(openNotesText(name, reading)), false);
    }
    return true;
}

void DesignActions::saveWithDialog() {
    const QString suggested = QDir(lastFolder_.isEmpty() ? QDir::homePath() : lastFolder_)
                                  .filePath(qstring(suggestedFileName(currentDesign())));
    QString path = QFileDialog::getSaveFileName(&window_, qstring(translate("Design", kSaveDesignTitle.data())), suggested,
                                                qstring(translate("Design", kDesignFileFilter.data())));
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += qstring(kDesignExtension);
    }
    saveTo(path);
}

void DesignActions::openWithDialog() {
    const QString path = QFileDialog::getOpenFileName(
        &window_, qstring(translate("Design", kOpenDesignTitle.data())), lastFolder_.isEmpty() ? QDir::homePath() : lastFolder_,
        qstring(translate("Design", kDesignFileFilter.data())));
    if (!path.isEmpty()) {
        openFrom(path);
    }
}

void DesignActions::saveSheetWithDialog() {
    QString name = qstring(suggestedFileName(currentDesign()));
    name.chop(static_cast<qsizetype>(kDesignExtension.size()));
    const QString path =
        QFileDialog::getSaveFileName(&window_, qstring(translate("Design", kSaveSheetTitle.data())),
                                     QDir(lastFolder_.isEmpty() ? QDir::homePath() : lastFolder_)
                                         .filePath(name + QStringLiteral(".pdf")),
                                     qstring(kSheetFileFilter));
    if (path.isEmpty()) {
        return;
    }
    const QString problem = writeDesignSheet(window_, path, localePaper());
    if (!problem.isEmpty()) {
        tell(qstring(fileProblemText(true, utf8(fileName(path)), utf8(problem))), true);
    }
}

void DesignActions::printSheetWithDialog() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(localePaper())); // the dialog offers A4, Letter and the rest
    printer.setDocName(qstring(suggestedFileName(currentDesign())));
    QPrintDialog dialog(&printer, &window_);
    dialog.setWindowTitle(qstring(translate("Design", kPrintSheetTitle.data())));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const QString problem = paintDesignSheet(window_, printer);
    if (!problem.isEmpty()) {
        tell(problem, true);
    }
}

void DesignActions::noteCalculation(const CalculationOutcome& outcome) {
    if (!outcome.ranAStage()) {
        return;
    }
    const QString time = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    noteRecent(recent_, {utf8(time), currentDesign()});
    storeRecent();
    fillRecentMenu();
}

void DesignActions::restoreRecent(std::size_t position) {
    if (position < recent_.size()) {
        restore(recent_[position].design);
    }
}

void DesignActions::forgetAll() {
    recent_.clear();
    if (!recentFile_.isEmpty() && QFile::exists(recentFile_) && !QFile::remove(recentFile_)) {
        storeRecent(); // cannot remove the file: at least leave it empty
    }
    fillRecentMenu();
}

// Kept where only this user reads it; a list that cannot be kept stays for this run only.
void DesignActions::storeRecent() {
    if (recentFile_.isEmpty()) {
        return;
    }
    QDir().mkpath(QFileInfo(recentFile_).absolutePath());
    QString reason;
    if (!writeWhole(recentFile_, writeRecent(recent_), reason)) {
        qWarning("coilwind: %s",
                 qUtf8Printable(frontQText("recent-not-kept").arg(recentFile_, reason)));
    }
}

void DesignActions::fillRecentMenu() {
    if (recentMenu_ == nullptr) {
        return;
    }
    recentMenu_->clear();
    for (std::size_t i = 0; i < recent_.size(); ++i) {
        QAction* item = recentMenu_->addAction(qstring(recentLabel(recent_[i])));
        connect(item, &QAction::triggered, this, [this, i] { restoreRecent(i); });
    }
    if (recent_.empty()) {
        recentMenu_->addAction(qstring(translate("Design", kNoRecentTitle.data())))->setEnabled(false);
    }
    recentMenu_->addSeparator();
    QAction* forget = recentMenu_->addAction(qstring(translate("Design", kForgetRecentTitle.data())));
    forget->setObjectName(QStringLiteral("forgetRecent"));
    forget->setEnabled(!recent_.empty());
    connect(forget, &QAction::triggered, this, &DesignActions::forgetAll);
}

void DesignActions::tell(const QString& message, bool problem) {
    lastMessage_ = message;
    auto* box = new QMessageBox(problem ? QMessageBox::Warning : QMessageBox::Information,
                                QStringLiteral("coilwind"), message, QMessageBox::Ok, &window_);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open(); // not a nested event loop: the window stays as it was behind it
}

} // namespace coilwind::ui
