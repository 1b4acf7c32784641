#pragma once

#include <string>

namespace coilwind {

// A field's text on one line: a control character (the copper weight's line end) shows as a
// blank, and trailing blanks go.
std::string shownOnOneLine(std::string text);

// A text the user typed, quoted on one line and cut to a couple of dozen characters with an
// ellipsis: a field's text can be as long as the user likes.
std::string quotedShort(const std::string& text);

} // namespace coilwind
