#include "catalogue_table.hpp"

namespace coilwind {

std::string lookUp(std::span<const CatalogueEntry> catalogue, std::string_view context,
                   std::string_view source) {
    for (const CatalogueEntry& entry : catalogue) {
        if (entry.source == source && entry.context == context) {
            return entry.translation;
        }
    }
    return std::string(source);
}

} // namespace coilwind
