#pragma once

#include "calc/field_set.hpp"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace coilwind::ui {

// A text field of the field set. When it gains the focus by Tab, Backtab, a mouse click or the
// program, its whole text is selected, so the next value typed replaces the old one. Every key
// going down is reported with the field's index; Return and Enter are reported as key code 13
// and do not reach the line edit.
class FieldEdit : public QLineEdit {
    Q_OBJECT
public:
    FieldEdit(FieldIndex index, QWidget* parent);

    FieldIndex index() const { return index_; }

signals:
    void keyDown(coilwind::FieldIndex index, int keyCode, int modifiers);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    FieldIndex index_;
    bool selectOnRelease_ = false; // the click that brought the focus would drop the selection
};

// A label that acts like a link: a click of the primary button on it emits clicked().
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A frame whose tooltip shows only over the frame's own surface: a child without a tooltip of its
// own would otherwise show the frame's.
class OwnSurfaceToolTipFrame : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    bool event(QEvent* event) override;
};

} // namespace coilwind::ui
