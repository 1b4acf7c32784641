#include "field_help.hpp"

#include "view/field_help.hpp"
#include "widgets.hpp"

#include <QLabel>
#include <QString>
#include <QWidget>

namespace coilwind::ui {

void applyFieldHelp(const QWidget& window, const QString& coreTypeText) {
    const CoreType coreType = coreTypeOf(coreTypeText.toStdString());
    for (FieldEdit* field : window.findChildren<FieldEdit*>()) {
        const QString help = QString::fromUtf8(fieldHelp(field->index(), coreType));
        field->setToolTip(help);
        field->setAccessibleDescription(help);
    }
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (const auto* field = qobject_cast<const FieldEdit*>(label->buddy())) {
            label->setToolTip(field->toolTip());
        }
    }
}

} // namespace coilwind::ui
