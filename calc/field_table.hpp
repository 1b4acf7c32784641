#pragma once

// Every field of the main window in one table: its index, what it means on either core type,
// its unit, its names and its caption. The window description, the field help, the details, the
// report, the details' reasons and the batch tool's columns all read this table, so a field's
// meaning is written here and nowhere else.

#include "text.hpp"

#include <array>
#include <cstddef>
#include <string_view>

namespace coilwind {

// The index of a field; 0 to 9, 17 to 21, 23 and 24 name fields, every other value names none.
using FieldIndex = int;

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
    std::string_view caption; // as the main window shows it above the field, marked for the catalogue
    // The field's name in English texts: the dimension letter, or a few words ("pin length").
    std::string_view name;
    // The column of the batch tool's tables and the name in its messages; empty for a field no
    // step reads or writes.
    std::string_view column;
    std::string_view unit;      // "mm", "µH", "nH/N²", "Ω", "g", "turns"; empty: none
    std::string_view plainUnit; // the same in ASCII for plain-text reports: "uH", "nH/N2", "ohm"
    bool text;                  // a design text, not a number
    // What the field means on a drum core ("KQ CORE") and on a rod core ("R CORE"); where a core
    // type's calculation does not read the field, the field help and the details say so from the
    // step table.
    std::string_view drumMeaning;
    std::string_view rodMeaning;
};

// Every field in index order.
// clang-format off
inline constexpr std::array<FieldInfo, 17> kFields{{
    // index                 startup   caption         name                     column      unit     plain    text   drum core                                             rod core
    {field::kCoreModel,      "KQ8*10", QT_TRANSLATE_NOOP("Window", "规格型号"),     "core model",            {},         {},      {},      true,  "core model designation",                             "core model designation"},
    {field::kA,              "8",      QT_TRANSLATE_NOOP("Window", "外径A"),        "A",                     "A",        "mm",    "mm",    false, "outer (flange) diameter",                            "rod diameter"},
    {field::kB,              "3.5",    QT_TRANSLATE_NOOP("Window", "中柱B"),        "B",                     "B",        "mm",    "mm",    false, "centre-post diameter",                               "rod length"},
    {field::kC,              "",       QT_TRANSLATE_NOOP("Window", "C"),            "C",                     {},         "mm",    "mm",    false, "core dimension C, for reference",                    "core dimension C, for reference"},
    {field::kD,              "10",     QT_TRANSLATE_NOOP("Window", "长D"),          "D",                     "D",        "mm",    "mm",    false, "length of the drum core",                            "length of a drum core"},
    {field::kE,              "",       QT_TRANSLATE_NOOP("Window", "E"),            "E",                     {},         "mm",    "mm",    false, "core dimension E, for reference",                    "core dimension E, for reference"},
    {field::kF,              "6.3",    QT_TRANSLATE_NOOP("Window", "幅宽F"),        "F",                     "F",        "mm",    "mm",    false, "winding width between the flanges",                  "winding width of a drum core"},
    {field::kPinLength,      "",       QT_TRANSLATE_NOOP("Window", "针长"),         "pin length",            {},         "mm",    "mm",    false, "pin length H, for reference",                        "pin length H, for reference"},
    {field::kPinPitch,       "",       QT_TRANSLATE_NOOP("Window", "针距"),         "pin pitch",             {},         "mm",    "mm",    false, "pin pitch P, for reference",                         "pin pitch P, for reference"},
    {field::kMaker,          "\\",     QT_TRANSLATE_NOOP("Window", "厂家"),         "maker",                 {},         {},      {},      true,  "maker of the core",                                  "maker of the core"},
    {field::kPermeability,   "500",    QT_TRANSLATE_NOOP("Window", "磁导率Ue"),     "permeability ue",       "mu",       {},      {},      false, "relative permeability Ue of the core material",      "relative permeability Ue of the core material"},
    {field::kAl,             "",       QT_TRANSLATE_NOOP("Window", "AL (nH/N2)"),   "AL",                    "AL",       "nH/N²", "nH/N2", false, "inductance factor",                                  "inductance factor"},
    {field::kInductance,     "4.7",    QT_TRANSLATE_NOOP("Window", "电感量 (uH)"),  "wanted inductance",     "L",        "µH",    "uH",    false, "wanted inductance L",                                "wanted inductance L"},
    {field::kTurns,          "",       QT_TRANSLATE_NOOP("Window", "圈数"),         "turns",                 "turns",    "turns", {},      false, "number of turns N, not rounded to whole turns",      "number of turns N, not rounded to whole turns"},
    {field::kWireDiameter,   "",       QT_TRANSLATE_NOOP("Window", "最大线径(mm)"), "largest wire diameter", "wire_max", "mm",    "mm",    false, "largest wire diameter d that fits the winding space", "largest wire diameter d for one layer of turns along the rod"},
    {field::kDcr,            "",       QT_TRANSLATE_NOOP("Window", "DCR-max. (Ω)"), "DCR-max.",              "dcr",      "Ω",     "ohm",   false, "DC resistance of the winding",                       "DC resistance of the winding"},
    {field::kCopperWeight,   "",       QT_TRANSLATE_NOOP("Window", "铜重(g)"),      "copper weight",         "copper_g", "g",     "g",     false, "copper weight of the winding",                       "copper weight of the winding"},
}};
// clang-format on

// Every index up to the highest field's, with its position in kFields or -1: a table run looks
// fields up millions of times, so the search is done once, at compile time.
inline constexpr std::array<int, kFields.back().index + 1> kSlotOfIndex = [] {
    // ("slots" would be Qt's keyword where the window includes this.)
    std::array<int, kFields.back().index + 1> positions{};
    positions.fill(-1);
    for (std::size_t slot = 0; slot < kFields.size(); ++slot) {
        positions[static_cast<std::size_t>(kFields[slot].index)] = static_cast<int>(slot);
    }
    return positions;
}();

// Position of a field in kFields, or -1 when the index names no field.
constexpr int slotOf(FieldIndex index) {
    return index >= 0 && static_cast<std::size_t>(index) < kSlotOfIndex.size()
               ? kSlotOfIndex[static_cast<std::size_t>(index)]
               : -1;
}

constexpr bool isField(FieldIndex index) {
    return slotOf(index) >= 0;
}

// The row of a field; the index must name one.
constexpr const FieldInfo& fieldInfo(FieldIndex index) {
    return kFields[static_cast<std::size_t>(slotOf(index))];
}

} // namespace coilwind
