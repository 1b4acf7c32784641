#include "design_sheet.hpp"

#include "calc/text.hpp"

#include <algorithm>

namespace coilwind {

std::vector<std::string> sheetHeading(const Design& design, std::string_view date) {
    std::string name = design.field(field::kCoreModel);
    std::replace_if(
        name.begin(), name.end(), [](char c) { return c == '\n' || c == '\r' || c == '\t'; }, ' ');
    return {filled(translate("Design", "设计单 (design sheet) — %1"), {name}),
            std::string(date) + " · " + std::string(programVersion())};
}

} // namespace coilwind
