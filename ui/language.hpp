#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string_view>

namespace coilwind::ui {

// The language the command line asks for: "--lang en" or "--lang=en". Without the option the
// window keeps its own texts, whatever the system's locale; an unknown language or option gives
// nothing and a message for the user in `error`.
std::optional<QString> languageFromArguments(const QStringList& arguments, QString& error);

// Shows the program's texts in the language with this code (view/front_texts.hpp): the window's
// own texts for the first, the catalogue compiled into the program for the others. Returns
// false, changing nothing, for a code the program has no catalogue for.
bool useLanguage(const QString& code);

// A text and a tooltip of view/front_texts in the chosen language.
QString frontQText(std::string_view key);
QString frontQToolTip(std::string_view key);

} // namespace coilwind::ui
