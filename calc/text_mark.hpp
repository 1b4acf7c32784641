#pragma once

// Marks a text in a table for the text catalogue without looking it up: whoever shows the text
// looks it up with the same context (view/text.hpp's translate()). Qt's own definition, where Qt
// is included first, is the same. lupdate collects the marked literals from calc/, view/, ui/ and
// app/.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
