#pragma once

#include "calc/field_set.hpp"

#include <map>
#include <string>

namespace coilwind {

// Field texts by index, as the calculator tests set and compare them.
using Texts = std::map<FieldIndex, std::string>;

// What one calculation writes from the start-up texts, for each core type.
inline const Texts kDrumResults{
    {18, "41.7"}, {20, "10.6"}, {21, "0.761"}, {23, "0.0075"}, {24, "0.779\n\r"}};
inline const Texts kRodResults{
    {18, "902.2"}, {20, "2.3"}, {21, "1.323"}, {23, "0.0008"}, {24, "0.710\n\r"}};

// The texts of base with those of changes put over them.
inline Texts overlaid(Texts base, const Texts& changes) {
    for (const auto& [index, text] : changes) {
        base.insert_or_assign(index, text);
    }
    return base;
}

// The start-up texts with the given ones put over them.
inline MemoryFieldSet fieldsWith(const Texts& texts) {
    MemoryFieldSet fields;
    for (const auto& [index, text] : texts) {
        fields.setText(index, text);
    }
    return fields;
}

inline Texts resultsOf(const FieldSet& fields) {
    Texts results;
    for (const auto& [index, _] : kDrumResults) { // the result fields
        results[index] = fields.text(index);
    }
    return results;
}

} // namespace coilwind
