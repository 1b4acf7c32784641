#pragma once

#include <span>
#include <string>
#include <string_view>

namespace coilwind {

// The winding details as every front end builds them: the desktop's window, the page's panel,
// and so the design sheet, which prints what they show. The parts come in the order the user
// reads them; each has the name the front ends give it (the window's object name, the page's
// element id, the tests' handle), its kind, and its words. A front end walks the list and builds
// each kind its own way: it holds neither the order nor a text of its own.

enum class DetailsPartKind {
    Message, // a line that shows only when it has something to say: the input check, changes
    Status,  // what became of the last calculation
    Inputs,  // the inputs as the last calculation read them, caption beside value
    Figures, // the details' own figures, with the reasons of those missing
    Settings,     // the series and the number settings (view/details_settings)
    ShapeOpinion, // the shape's second opinion: its title follows the core type
    Current,      // the current rating, shown only with a DC current
    Section,      // the to-scale drawing of the winding
    Calibration,  // a test coil's inductance and turns, written into AL: below what scrolls
    Buttons,      // copy and close, at the foot
};

// How a message line looks.
enum class MessageLook {
    Plain,
    Fault,   // red: a refusal, a stop, an error
    Caution, // brown: something to know that is not an error
};

struct DetailsPart {
    DetailsPartKind kind;
    std::string_view name;
    // The part's title and tooltip: the key of a front text (view/front_texts), or empty where
    // the details view gives them (the shape's opinion) or there is none.
    std::string_view textKey;
    MessageLook look = MessageLook::Plain;
    // The name of the part's own message line under its figures or boxes ("reasons",
    // "settingsMessage"); empty: none.
    std::string_view messageName = {};
};

std::span<const DetailsPart> detailsParts();

// A part's title and tooltip in the chosen language; empty where it has none.
std::string partTitle(const DetailsPart& part);
std::string partToolTip(const DetailsPart& part);

// A box or button of the details beside the figures: the calibration row and the foot.
struct DetailsControl {
    std::string_view name;        // also its front text's key
    std::string_view placeholder; // a box's example entry; empty for a button
};

// The calibration row: the measured inductance and the test coil's turns, then the button.
std::span<const DetailsControl> calibrationControls();
// The foot: copy and close.
std::span<const DetailsControl> detailsButtons();

} // namespace coilwind
