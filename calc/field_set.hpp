#pragma once

#include "field_table.hpp"
#include "number_text.hpp"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace coilwind {

// The calculator's only data: the texts of the fields, addressed by field index. Every operation
// throws NoSuchField for an index that names no field; reading a number throws CalculationFault
// for a number beyond the range of a double.
class FieldSet {
public:
    virtual ~FieldSet() = default;

    std::string text(FieldIndex index) const;
    void setText(FieldIndex index, std::string_view text);
    double number(FieldIndex index) const;
    // Writes value with the pattern, followed by suffix; throws CalculationFault for a value that
    // is not finite, so a field never shows an infinity or a NaN.
    void setNumber(FieldIndex index, double value, Pattern pattern, std::string_view suffix = {});
    void focus(FieldIndex index);

protected:
    FieldSet() = default;
    FieldSet(const FieldSet&) = default;
    FieldSet& operator=(const FieldSet&) = default;

    // Called only with an index that names a field.
    virtual std::string fieldText(FieldIndex index) const = 0;
    // The field's number by the leading-number rule, none beyond the range of a double: read from
    // its text, or kept by a field set that knows when its text changes.
    virtual std::optional<double> fieldNumber(FieldIndex index) const;
    virtual void setFieldText(FieldIndex index, std::string_view text) = 0;
    virtual void focusField(FieldIndex index) = 0;
};

// A field set held in memory, for tests, benchmarks and anything without a window.
class MemoryFieldSet final : public FieldSet {
public:
    MemoryFieldSet(); // every field holds its start-up text, field 0 has the focus

    FieldIndex focused() const { return focused_; }

protected:
    std::string fieldText(FieldIndex index) const override;
    void setFieldText(FieldIndex index, std::string_view text) override;
    void focusField(FieldIndex index) override;

    // A table run reads each field many times a row: its number is read once per text.
    std::optional<double> fieldNumber(FieldIndex index) const override;

private:
    struct KeptNumber {
        bool known = false;
        std::optional<double> value;
    };

    std::array<std::string, kFields.size()> texts_;
    mutable std::array<KeptNumber, kFields.size()> numbers_{};
    FieldIndex focused_ = kFields.front().index;
};

} // namespace coilwind
