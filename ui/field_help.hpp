#pragma once

class QString;
class QWidget;

namespace coilwind::ui {

// Gives every field of `window` and the caption label standing above it (its buddy) the help
// worded for the core type that `coreTypeText` selects in the calculation: as tooltip, and for
// the field also as accessible description; the caption stays the field's accessible name.
void applyFieldHelp(const QWidget& window, const QString& coreTypeText);

} // namespace coilwind::ui
