#pragma once

#include "number_text.hpp"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace coilwind {

// The index of a field; 0 to 9, 17 to 21, 23 and 24 name fields, every other value names none.
using FieldIndex = int;

// The dimension fields carry the letters the captions show; lengths are in mm. What a letter
// means depends on the core type:
//   A  drum: outer (flange) diameter       rod: rod diameter
//   B  drum: centre-post diameter          rod: rod length
//   D  drum: length                        rod: not used
//   F  drum: winding width                 rod: not used
// C, E, the pin length and the pin pitch are shown for reference and take part in no formula.
namespace field {
inline constexpr FieldIndex kCoreModel = 0;
inline constexpr FieldIndex kA = 1;
inline constexpr FieldIndex kB = 2;
inline constexpr FieldIndex kC = 3;
inline constexpr FieldIndex kD = 4;
inline constexpr FieldIndex kE = 5;
inline constexpr FieldIndex kF = 6;
inline constexpr FieldIndex kPinLength = 7;
inline constexpr FieldIndex kPinPitch = 8;
inline constexpr FieldIndex kMaker = 9;
inline constexpr FieldIndex kPermeability = 17;
inline constexpr FieldIndex kAl = 18;
inline constexpr FieldIndex kInductance = 19;
inline constexpr FieldIndex kTurns = 20;
inline constexpr FieldIndex kWireDiameter = 21;
inline constexpr FieldIndex kDcr = 23;
inline constexpr FieldIndex kCopperWeight = 24;
} // namespace field

struct FieldInfo {
    FieldIndex index;
    std::string_view startupText;
};

// Every field in index order, with the text it shows when the window opens.
inline constexpr std::array<FieldInfo, 17> kFields{{
    {field::kCoreModel, "KQ8*10"},
    {field::kA, "8"},
    {field::kB, "3.5"},
    {field::kC, ""},
    {field::kD, "10"},
    {field::kE, ""},
    {field::kF, "6.3"},
    {field::kPinLength, ""},
    {field::kPinPitch, ""},
    {field::kMaker, "\\"},
    {field::kPermeability, "500"},
    {field::kAl, ""},
    {field::kInductance, "4.7"},
    {field::kTurns, ""},
    {field::kWireDiameter, ""},
    {field::kDcr, ""},
    {field::kCopperWeight, ""},
}};

// Position of a field in kFields, or -1 when the index names no field.
constexpr int slotOf(FieldIndex index) {
    for (std::size_t slot = 0; slot < kFields.size(); ++slot) {
        if (kFields[slot].index == index) {
            return static_cast<int>(slot);
        }
    }
    return -1;
}

constexpr bool isField(FieldIndex index) {
    return slotOf(index) >= 0;
}

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

private:
    std::array<std::string, kFields.size()> texts_;
    FieldIndex focused_ = kFields.front().index;
};

} // namespace coilwind
