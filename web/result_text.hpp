#pragma once

// Texts cross between the page and the module as UTF-8 bytes: the page writes them into memory it
// allocated with malloc; a text a function returns stays valid until the next function that
// returns text, and coilwind_result_size gives its length.

#include <string>

namespace coilwind::web {

const char* give(std::string text);

} // namespace coilwind::web

extern "C" int coilwind_result_size();
extern "C" const char* coilwind_result(); // the text the last call returned
