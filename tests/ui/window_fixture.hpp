#pragma once

#include "ui/main_window.hpp"
#include "ui/widgets.hpp"
#include "view/window_description.hpp"

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <cstdlib>
#include <memory>
#include <string_view>

// A calculator window shown and active, recording the addresses its link controls hand on.
struct Window {
    using MainWindow = coilwind::ui::MainWindow;
    QList<QByteArray> openedLinks;
    std::unique_ptr<MainWindow> window;

    explicit Window(const QString& pictureDirectory = {}) {
        MainWindow::Options options;
        options.pictureDirectory = pictureDirectory;
        options.openLink = [this](const QByteArray& address) { openedLinks << address; };
        window = std::make_unique<MainWindow>(options);
        window->show();
        QApplication::setActiveWindow(window.get());
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    MainWindow* operator->() const { return window.get(); }
    template <typename T> T* child(std::string_view name) const {
        return window->findChild<T*>(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
    }
    QString text(coilwind::FieldIndex index) const { return window->field(index)->text(); }
    static QWidget* focus() { return QApplication::focusWidget(); }
    static void enter() { QTest::keyClick(focus(), Qt::Key_Return); }
    QComboBox* coreType() const { return child<QComboBox>(coilwind::control::kCoreType); }
    // Picks an entry as the user does, with the arrow keys on the closed list.
    void pickCoreType(int position) const {
        coreType()->setFocus();
        const int steps = position - coreType()->currentIndex();
        for (int i = 0; i < std::abs(steps); ++i) {
            QTest::keyClick(coreType(), steps > 0 ? Qt::Key_Down : Qt::Key_Up);
        }
    }
    void click(std::string_view name, Qt::MouseButton button = Qt::LeftButton) const {
        auto* widget = child<QWidget>(name);
        QTest::mouseClick(widget, button, {}, widget->rect().center());
    }
};
