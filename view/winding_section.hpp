#pragma once

#include "calc/winding_details.hpp"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace coilwind {

// A to-scale half-section of the winding of the standard wire, laid out in a drawing area. All
// positions are in the area's logical pixels, x to the right, y downwards.
//
// Drum: the section between the flanges from the axis up to the flange rim; the centre post, the
// winding space above it (F wide, (A - B) / 2 deep) and each turn as a circle, layer on layer
// from the post outwards. Rod: the rod from its axis to its surface, B long, and the turns along
// it. A turn or layer beyond the available depth is marked as overfill.
struct SectionBox {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

struct SectionTurn {
    double x = 0; // centre
    double y = 0;
    double radius = 0;
    bool overfill = false;
};

// Layers too many or too fine to draw turn by turn, drawn as one block.
struct SectionBand {
    SectionBox box;
    bool overfill = false;
};

struct SectionLine {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};

// A dimension line from (x1, y1) to (x2, y2) with its text in `labelBox`.
struct SectionMark {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    std::string label;
    SectionBox labelBox;
};

struct WindingSection {
    double pixelsPerMm = 0;
    double axisY = 0;      // the core's axis, a dash-dotted line across the section
    SectionBox core;       // drum: the centre post; rod: the rod, axis to surface
    std::string coreLabel; // written inside `core` when `coreLabelFits`
    bool coreLabelFits = false;
    std::vector<SectionBox> flanges; // drum: left and right, not to scale in thickness
    std::optional<SectionBox> space; // drum: the available winding space
    std::vector<SectionTurn> turns;
    std::vector<SectionBand> bands;
    SectionMark width;                // drum: F; rod: B
    std::optional<SectionMark> depth; // drum: (A - B) / 2
    std::optional<SectionMark> cut;   // where a winding too deep to show is cut off
};

struct SectionArea {
    double width = 0;
    double height = 0;
    double textHeight = 0;
    std::function<double(std::string_view)> textWidth; // logical pixels of one line of text
};

// Nothing when the design has no drawable core (a size not above zero, A not above B on a drum)
// or the area is too small. Without a standard wire, or with no turn fitting the width, the core
// and its marks are laid out without turns.
std::optional<WindingSection> layoutSection(const DesignInputs& design,
                                            const WindingDetails& details, const SectionArea& area);

// The short ticks across the ends of a dimension line; none for a line of no length.
std::vector<SectionLine> endTicks(const SectionMark& mark);

// How each part of the section is painted, on the desktop and on the page alike.
enum class SectionPart {
    Axis,
    Core,
    Flange,
    Space,
    Turn,
    OverfillTurn, // beyond the available depth
    Band,
    OverfillBand,
    Mark,
    Cut,
};

struct SectionStyle {
    std::optional<std::uint32_t> fill;   // 0xRRGGBB; none: not filled
    bool lighterFill = false;            // blocks of many turns: a lighter, see-through copper
    std::optional<std::uint32_t> stroke; // 0xRRGGBB; none: the text's colour
    double strokeWidth = 1;
    std::vector<double> dashes; // dash and gap lengths in pixels; none: a solid line
};

SectionStyle sectionStyle(SectionPart part);

// The text's colour where the front end has no theme of its own (the page's white panel); the
// desktop takes its palette's, so the drawing follows a dark theme.
inline constexpr std::uint32_t kSectionInk = 0x000000;

} // namespace coilwind
