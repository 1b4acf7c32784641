#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text in a table for the text catalogue without looking it up: whoever shows the text
// looks it up with the same context (translate() below). Qt's own definition, where Qt
// is included first, is the same. lupdate collects the marked literals from calc/, view/, ui/ and
// app/.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace coilwind {

// The front end's text catalogue for the language the user chose: the text for a context and a
// source text, or the source text itself where the catalogue has none. The source texts are the
// window's own (its Chinese captions); without a catalogue they are what the user reads.
using Catalogue = std::string (*)(const char* context, const char* source);
void useCatalogue(Catalogue catalogue);

// A text of the program in the chosen language. lupdate collects every call written with two
// literals into the catalogue's .ts files; the source text must stay a literal there.
std::string translate(const char* context, const char* source);

// The same for a text shown in many rows of a table, marked where it is defined
// (QT_TRANSLATE_NOOP): without a catalogue the source itself, with one the translation kept for
// the thread, so that no row copies it. Valid until the next useCatalogue().
std::string_view translateOften(const char* context, const char* source);

// The pattern with "%1" to "%9" replaced by the values, so that a translation can put the
// numbers where its language wants them. A "%" not followed by the number of a value stays.
std::string filled(std::string_view pattern, std::initializer_list<std::string_view> values);
// The same, appended to `text`.
void appendFilled(std::string& text, std::string_view pattern,
                  std::initializer_list<std::string_view> values);

} // namespace coilwind
