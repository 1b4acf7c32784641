#include "field_help.hpp"

#include "widgets.hpp"

#include <QLabel>
#include <QString>
#include <QWidget>
#include <array>

namespace coilwind::ui {
namespace {

struct FieldHelpRow {
    FieldIndex field;
    std::string_view drumCore; // "KQ CORE"
    std::string_view rodCore;  // "R CORE"; empty where the drum core's text holds for both
};

// Whole sentences, one row a field, so that a translator finds every text here. The first line
// names the caption's meaning and unit, the second how the calculation uses the field.
// clang-format off
constexpr std::array kFieldHelp{
    FieldHelpRow{field::kCoreModel,
        "Core model designation, text without a unit.\n"
        "Not used in the calculation: it only goes into the winding summary,\n"
        "the tooltip of the result group.",
        {}},
    FieldHelpRow{field::kA,
        "A: outer (flange) diameter of the drum core, mm\n"
        "Read by the calculation for the drum core: AL, wire diameter,\n"
        "DC resistance and copper weight.",
        "A: rod diameter, mm\n"
        "Read by the calculation for the rod core: AL, DC resistance\n"
        "and copper weight."},
    FieldHelpRow{field::kB,
        "B: centre-post diameter of the drum core, mm\n"
        "Read by the calculation for the drum core: AL, wire diameter,\n"
        "DC resistance and copper weight.",
        "B: rod length, mm\n"
        "Read by the calculation for the rod core: AL and wire diameter."},
    FieldHelpRow{field::kC,
        "C: core dimension C, mm, for reference.\n"
        "C: not used in the calculation.",
        {}},
    FieldHelpRow{field::kD,
        "D: length of the drum core, mm\n"
        "Read by the calculation for the drum core: AL.",
        "D: length of a drum core, mm\n"
        "D: not used in the calculation for the rod core."},
    FieldHelpRow{field::kE,
        "E: core dimension E, mm, for reference.\n"
        "E: not used in the calculation.",
        {}},
    FieldHelpRow{field::kF,
        "F: winding width of the drum core, between the flanges, mm\n"
        "Read by the calculation for the drum core: wire diameter.",
        "F: winding width of a drum core, mm\n"
        "F: not used in the calculation for the rod core."},
    FieldHelpRow{field::kPinLength,
        "Pin length H, mm, for reference.\n"
        "Pin length: not used in the calculation.",
        {}},
    FieldHelpRow{field::kPinPitch,
        "Pin pitch P, mm, for reference.\n"
        "Pin pitch: not used in the calculation.",
        {}},
    FieldHelpRow{field::kMaker,
        "Maker of the core, text without a unit.\n"
        "Not used in the calculation: it only goes into the winding summary,\n"
        "the tooltip of the result group.",
        {}},
    FieldHelpRow{field::kPermeability,
        "Ue: relative permeability of the core material, no unit\n"
        "Read by the calculation: AL.",
        {}},
    FieldHelpRow{field::kAl,
        "AL: inductance factor, nH per turn squared (nH/N²)\n"
        "Written by the calculation, shown as \"0.0\"; read as shown for the\n"
        "turns, so a value typed in here takes its place.",
        {}},
    FieldHelpRow{field::kInductance,
        "Wanted inductance L, µH\n"
        "Read by the calculation: turns.",
        {}},
    FieldHelpRow{field::kTurns,
        "Number of turns N, in turns, not rounded to whole turns\n"
        "Written by the calculation, shown as \"0.0\"; read as shown for the\n"
        "wire diameter, DC resistance and copper weight.",
        {}},
    FieldHelpRow{field::kWireDiameter,
        "Largest wire diameter d that fits the winding space, mm\n"
        "Written by the calculation for the drum core, shown as \"0.000\";\n"
        "read as shown for the DC resistance and copper weight.",
        "Largest wire diameter d for one layer of turns along the rod, mm\n"
        "Written by the calculation for the rod core, shown as \"0.000\";\n"
        "read as shown for the DC resistance and copper weight."},
    FieldHelpRow{field::kDcr,
        "DC resistance of the winding, Ω\n"
        "Written by the calculation, shown as \"0.0000\".",
        {}},
    FieldHelpRow{field::kCopperWeight,
        "Copper weight of the winding, g\n"
        "Written by the calculation, shown as \"0.000\" followed by a line break.",
        {}},
};
// clang-format on

constexpr bool oneRowEachFieldInIndexOrder() {
    if (kFieldHelp.size() != kFields.size()) {
        return false;
    }
    for (std::size_t slot = 0; slot < kFields.size(); ++slot) {
        if (kFieldHelp[slot].field != kFields[slot].index) {
            return false;
        }
    }
    return true;
}
static_assert(oneRowEachFieldInIndexOrder());

} // namespace

std::string_view fieldHelp(FieldIndex index, CoreType coreType) {
    for (const FieldHelpRow& row : kFieldHelp) {
        if (row.field == index) {
            return coreType == CoreType::Rod && !row.rodCore.empty() ? row.rodCore : row.drumCore;
        }
    }
    return {};
}

void applyFieldHelp(const QWidget& window, const QString& coreTypeText) {
    const CoreType coreType = coreTypeOf(coreTypeText.toStdString());
    for (FieldEdit* field : window.findChildren<FieldEdit*>()) {
        const QString help = QString::fromUtf8(fieldHelp(field->index(), coreType));
        field->setToolTip(help);
        field->setAccessibleDescription(help);
    }
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (const auto* field = qobject_cast<const FieldEdit*>(label->buddy())) {
            label->setToolTip(field->toolTip());
        }
    }
}

} // namespace coilwind::ui
