#pragma once

#include <span>
#include <string>
#include <string_view>

namespace coilwind {

// One translation of a text catalogue: the text the sources mark, in its context.
struct CatalogueEntry {
    const char* context;
    const char* source;
    const char* translation;
};

// The catalogue of a language as the build compiled it from i18n/coilwind_<code>.ts: empty for
// the window's own language and for a code without a catalogue. For front ends without Qt; the
// desktop reads the same files through lrelease.
std::span<const CatalogueEntry> compiledCatalogue(std::string_view code);

// The translation of a text in the catalogue, or the source text where it has none.
std::string lookUp(std::span<const CatalogueEntry> catalogue, std::string_view context,
                   std::string_view source);

} // namespace coilwind
