#pragma once

#include <span>
#include <string>
#include <string_view>

namespace coilwind {

// The texts the front ends show around the calculation, each once for both: the main window's
// title and menu, the details' groups, captions, buttons and their tooltips, and the page's own
// controls. A front end asks by key and gets the text in the chosen language (calc/text.hpp).
struct FrontText {
    std::string_view key;     // "copy", "settings", ...: the page's element id where it has one
    std::string_view text;    // the program's own text, a literal marked for the catalogue
    std::string_view toolTip; // empty where the text has none
};

std::span<const FrontText> frontTexts();

// The text and tooltip of a key in the chosen language; empty for a key that names no text.
std::string frontText(std::string_view key);
std::string frontToolTip(std::string_view key);

// What a CSV table run in the page gave: "a.csv: 3 行已读 (rows read), 2 已算 (computed), 1 出错
// (in error): see the error column; 12 KB in 0.3 s".
std::string csvSummary(std::string_view file, int rows, int failed, double kilobytes,
                       double seconds);

// The line under the winding summary in the result group's tooltip: which key opens the details.
std::string summaryHint();

// The languages the user can choose, each named in its own language; the first is the default,
// the window's own texts.
struct Language {
    std::string_view code; // "zh", "en": the catalogue's file is coilwind_<code>.ts
    std::string_view name; // "中文", "English"
    std::string_view tag;  // the language's tag for the page (BCP 47): "zh-Hans", "en"
};
std::span<const Language> languages();

} // namespace coilwind
