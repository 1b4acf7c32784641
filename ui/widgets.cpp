#include "widgets.hpp"

#include "calc/commands.hpp"

#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <limits>

namespace coilwind::ui {
namespace {

// Tab, Backtab, a click and the program's own move (the Enter walk) bring the user to a value to
// replace. A closing context menu or the window becoming active again returns to an edit in
// progress, so caret and selection stay as they were.
bool selectsOnFocus(Qt::FocusReason reason) {
    switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::OtherFocusReason:
        return true;
    default:
        return false;
    }
}

} // namespace

FieldEdit::FieldEdit(FieldIndex index, QWidget* parent) : QLineEdit(parent), index_(index) {
    // A field holds whatever is typed or pasted, however long; Qt would cut it at 32767.
    setMaxLength(std::numeric_limits<int>::max());
}

void FieldEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (selectsOnFocus(event->reason())) {
        selectAll();
    }
    selectOnRelease_ = event->reason() == Qt::MouseFocusReason;
}

void FieldEdit::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (selectOnRelease_) {
        selectOnRelease_ = false;
        selectAll();
    }
}

void FieldEdit::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter) {
        QLineEdit::keyPressEvent(event);
    }
    emit keyDown(index_, enter ? kEnterKey : event->key(), static_cast<int>(event->modifiers()));
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

bool OwnSurfaceToolTipFrame::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (childAt(help->pos()) != nullptr) {
            QToolTip::hideText();
            event->ignore();
            return true;
        }
    }
    return QGroupBox::event(event);
}

} // namespace coilwind::ui
