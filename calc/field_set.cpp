#include "field_set.hpp"

#include "failure.hpp"

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace coilwind {
namespace {

FieldIndex checked(FieldIndex index) {
    if (!isField(index)) {
        throw NoSuchField(index);
    }
    return index;
}

} // namespace

std::string FieldSet::text(FieldIndex index) const {
    return fieldText(checked(index));
}

void FieldSet::setText(FieldIndex index, std::string_view text) {
    setFieldText(checked(index), text);
}

std::optional<double> FieldSet::fieldNumber(FieldIndex index) const {
    return readLeadingNumber(fieldText(index));
}

double FieldSet::number(FieldIndex index) const {
    const auto value = fieldNumber(checked(index));
    if (!value) {
        throw CalculationFault(FaultKind::FieldBeyondRange,
                               "field " + std::to_string(index) + " holds a number beyond range");
    }
    return *value;
}

void FieldSet::setNumber(FieldIndex index, double value, Pattern pattern, std::string_view suffix) {
    checked(index);
    auto formatted = formatFixed(value, pattern);
    if (!formatted) {
        throw CalculationFault(FaultKind::BeyondRange,
                               "result for field " + std::to_string(index) + " is not finite");
    }
    *formatted += suffix;
    setFieldText(index, *formatted);
}

void FieldSet::focus(FieldIndex index) {
    focusField(checked(index));
}

namespace {

// Each text constructed from its start-up text rather than assigned after default construction:
// coilwind-batch makes a field set for every row, and assigning took twice as long.
template <std::size_t... slot>
std::array<std::string, kFields.size()> startupTexts(std::index_sequence<slot...> /*slots*/) {
    return {std::string(kFields[slot].startupText)...};
}

} // namespace

MemoryFieldSet::MemoryFieldSet()
    : texts_(startupTexts(std::make_index_sequence<kFields.size()>{})) {}

std::string MemoryFieldSet::fieldText(FieldIndex index) const {
    return texts_[static_cast<std::size_t>(slotOf(index))];
}

void MemoryFieldSet::setFieldText(FieldIndex index, std::string_view text) {
    const auto slot = static_cast<std::size_t>(slotOf(index));
    texts_[slot] = text;
    numbers_[slot].known = false;
}

std::optional<double> MemoryFieldSet::fieldNumber(FieldIndex index) const {
    const auto slot = static_cast<std::size_t>(slotOf(index));
    KeptNumber& kept = numbers_[slot];
    if (!kept.known) {
        kept.value = readLeadingNumber(texts_[slot]);
        kept.known = true;
    }
    return kept.value;
}

void MemoryFieldSet::focusField(FieldIndex index) {
    focused_ = index;
}

} // namespace coilwind
