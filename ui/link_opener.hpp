#pragma once

#include <QByteArray>
#include <functional>

namespace coilwind::ui {

// Hands an address, in the system's 8-bit encoding, to whatever opens it; the result is ignored.
using LinkOpener = std::function<void(const QByteArray& address)>;

// The desktop's own opener: ShellExecuteA on Windows, a detached xdg-open elsewhere.
void openWithDesktop(const QByteArray& address);

} // namespace coilwind::ui
