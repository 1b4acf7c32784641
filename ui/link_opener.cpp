#include "link_opener.hpp"

#include <QtGlobal>

#ifdef Q_OS_WIN
#include <shellapi.h>
#include <windows.h>
#else
#include <QProcess>
#include <QString>
#endif

namespace coilwind::ui {

void openWithDesktop(const QByteArray& address) {
#ifdef Q_OS_WIN
    ShellExecuteA(nullptr, nullptr, address.constData(), nullptr, nullptr, 0);
#else
    QProcess::startDetached(QStringLiteral("xdg-open"), {QString::fromLocal8Bit(address)});
#endif
}

} // namespace coilwind::ui
