#pragma once

#include "view/design_file.hpp"
#include "view/recent_designs.hpp"

#include <QObject>
#include <QString>
#include <vector>

class QMenu;

namespace coilwind {
struct CalculationOutcome;
}

namespace coilwind::ui {

class MainWindow;

// Saving and opening designs (Ctrl+S, Ctrl+O, the window's right-click menu) and the recent
// designs, added to a main window from outside: the window itself stays as it was.
class DesignActions : public QObject {
    Q_OBJECT
public:
    // recentFile: where the recent designs are kept; empty keeps none (tests, --sheet).
    DesignActions(MainWindow& window, QString recentFile);

    // The standard place: recent-designs.json in the user's data folder.
    static QString defaultRecentFile();

    Design currentDesign() const;
    // Every text, the core type, the mode and the settings at once; calculates nothing.
    void restore(const Design& design);

    // Without dialogs; false when nothing was written or changed. The message shown is kept.
    bool saveTo(const QString& path);
    bool openFrom(const QString& path);
    // The last message shown to the user (a refusal, notes), for tests.
    QString lastMessage() const { return lastMessage_; }

    const std::vector<RecentDesign>& recent() const { return recent_; }
    void restoreRecent(std::size_t position);
    void forgetAll();

private:
    void saveWithDialog();
    void openWithDialog();
    void saveSheetWithDialog();
    void printSheetWithDialog();
    void noteCalculation(const CalculationOutcome& outcome);
    void storeRecent();
    void fillRecentMenu();
    void tell(const QString& message, bool problem);

    MainWindow& window_;
    QString recentFile_;
    QString lastFolder_;
    std::vector<RecentDesign> recent_;
    QMenu* recentMenu_ = nullptr;
    QString lastMessage_;
};

} // namespace coilwind::ui
