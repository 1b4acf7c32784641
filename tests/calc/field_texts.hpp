#pragma once

#include "calc/field_set.hpp"

#include <map>
#include <string>
#include <vector>

namespace coilwind {

// Field texts by index, as the calculator tests set and compare them.
using Texts = std::map<FieldIndex, std::string>;

inline const std::vector<FieldIndex> kResultFields{field::kAl, field::kTurns, field::kWireDiameter,
                                                   field::kDcr, field::kCopperWeight};

inline MemoryFieldSet fieldsWith(const Texts& texts) {
    MemoryFieldSet fields;
    for (const auto& [index, text] : texts) {
        fields.setText(index, text);
    }
    return fields;
}

inline Texts resultsOf(const FieldSet& fields) {
    Texts results;
    for (const FieldIndex index : kResultFields) {
        results[index] = fields.text(index);
    }
    return results;
}

} // namespace coilwind
