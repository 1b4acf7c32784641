#include "details_description.hpp"

#include "calc/text.hpp"
#include "view/current_lines.hpp"
#include "view/front_texts.hpp"

#include <array>

namespace coilwind {
namespace {

using K = DetailsPartKind;
using L = MessageLook;

// clang-format off
constexpr std::array kParts{
    DetailsPart{K::Message,      "inputCheckErrors",  "input-check",       L::Fault},
    DetailsPart{K::Message,      "inputCheckNotes",   "input-check",       L::Caution},
    DetailsPart{K::Status,       "calculationStatus", "calculationStatus"},
    DetailsPart{K::Message,      "changedInputs",     {},                  L::Caution},
    DetailsPart{K::Inputs,       "inputs",            "inputs"},
    DetailsPart{K::Settings,     "settings",          "settings",          L::Fault, "settingsMessage"},
    DetailsPart{K::Figures,      "figures",           "figures",           L::Fault, "reasons"},
    DetailsPart{K::ShapeOpinion, "shapeOpinion",      {},                  L::Plain, "shapeNote"},
    DetailsPart{K::Current,      "currentRating",     {},                  L::Fault, "currentWarnings"},
    DetailsPart{K::Section,      "section",           "section"},
    DetailsPart{K::Calibration,  "calibration",       "calibration",       L::Plain, "calibrationMessage"},
    DetailsPart{K::Buttons,      "buttons",           {}},
};

constexpr std::array kCalibration{
    DetailsControl{"measured", "12.5"},
    DetailsControl{"testTurns", "20"},
    DetailsControl{"useAsAl", {}},
};

constexpr std::array kButtons{DetailsControl{"copy", {}}, DetailsControl{"close", {}}};
// clang-format on

} // namespace

std::span<const DetailsPart> detailsParts() {
    return kParts;
}

std::string partTitle(const DetailsPart& part) {
    if (part.kind == K::Current) {
        return translate("Details", kCurrentTitle.data());
    }
    return part.textKey.empty() ? std::string() : frontText(part.textKey);
}

std::string partToolTip(const DetailsPart& part) {
    if (part.kind == K::Current) {
        return currentExplanation();
    }
    return part.textKey.empty() ? std::string() : frontToolTip(part.textKey);
}

std::span<const DetailsControl> calibrationControls() {
    return kCalibration;
}

std::span<const DetailsControl> detailsButtons() {
    return kButtons;
}

} // namespace coilwind
