#include "winding_section.hpp"

#include "details_lines.hpp"
#include "calc/text.hpp"

#include <algorithm>
#include <cmath>

namespace coilwind {
namespace {

constexpr double kGapPx = 6;
constexpr double kFlangePx = 8; // the flange thickness is no input, so it is not to scale
// More turns than this, or turns smaller than this radius, are drawn as bands of layers.
constexpr long long kMostTurnsDrawn = 4000;
constexpr double kSmallestTurnRadiusPx = 1.5;
// A winding is shown at most this many times its room deep (drum: the depth beyond the rim; rod:
// the rod's radius above its surface); beyond that the section is cut, so the core stays visible.
constexpr double kShownRooms = 2;
// Half the length of the tick across each end of a dimension line.
constexpr double kTickPx = 4;

constexpr std::uint32_t kCopper = 0xc87533;
constexpr std::uint32_t kOverfill = 0xe0281e;
constexpr std::uint32_t kCoreGrey = 0xc4c4c4;
constexpr std::uint32_t kFlangeGrey = 0x8e8e8e;
constexpr std::uint32_t kSpaceBlue = 0xe8f0fb;
constexpr std::uint32_t kTurnOutline = 0x555555;
constexpr double kTurnOutlineWidth = 0.75;

bool positiveFinite(double value) {
    return std::isfinite(value) && value > 0;
}

// Where the winding starts in the area and how its layers are filled.
struct WindingFrame {
    double left = 0;     // x of the first turn's edge
    double surfaceY = 0; // y of the surface the first layer lies on
    double scale = 0;    // pixels per mm
    std::optional<double> depthMm;
    double cutY = 0; // nothing above this is shown
};

bool beyondDepth(const WindingFrame& frame, long long layer, double od) {
    return frame.depthMm && static_cast<double>(layer) * od > *frame.depthMm;
}

SectionBox layerBlock(const WindingFrame& frame, long long firstLayer, long long lastLayer,
                      long long turnsWide, double od) {
    const double scaledOd = od * frame.scale;
    const double bottom = frame.surfaceY - static_cast<double>(firstLayer - 1) * scaledOd;
    const double top =
        std::max(frame.cutY, frame.surfaceY - static_cast<double>(lastLayer) * scaledOd);
    return {frame.left, top, static_cast<double>(turnsWide) * scaledOd,
            std::max(0.0, bottom - top)};
}

// Full layers within the depth, full layers beyond it, and the last layer: at most three blocks.
void addBands(WindingSection& section, const WindingFrame& frame, const LayerPlan& plan,
              long long lastCount, double od) {
    const long long fullLayers = plan.layers - 1;
    long long within = fullLayers;
    if (frame.depthMm) {
        within = static_cast<long long>(
            std::clamp(*frame.depthMm / od, 0.0, static_cast<double>(fullLayers)));
        while (within > 0 && beyondDepth(frame, within, od)) {
            --within;
        }
        while (within < fullLayers && !beyondDepth(frame, within + 1, od)) {
            ++within;
        }
    }
    if (within > 0) {
        section.bands.push_back({layerBlock(frame, 1, within, plan.perLayer, od), false});
    }
    if (fullLayers > within) {
        section.bands.push_back(
            {layerBlock(frame, within + 1, fullLayers, plan.perLayer, od), true});
    }
    section.bands.push_back({layerBlock(frame, plan.layers, plan.layers, lastCount, od),
                             beyondDepth(frame, plan.layers, od)});
}

void addTurns(WindingSection& section, const WindingFrame& frame, const WindingDetails& details) {
    if (!details.standard || !details.wholeTurns || details.standard->plan.perLayer < 1) {
        return;
    }
    const LayerPlan& plan = details.standard->plan;
    const double od = details.standard->wire.overallMaxMm;
    const long long lastCount = *details.wholeTurns - (plan.layers - 1) * plan.perLayer;
    const double radius = od / 2 * frame.scale;
    if (*details.wholeTurns > kMostTurnsDrawn || radius < kSmallestTurnRadiusPx) {
        addBands(section, frame, plan, lastCount, od);
        return;
    }
    for (long long layer = 1; layer <= plan.layers; ++layer) {
        const long long count = layer < plan.layers ? plan.perLayer : lastCount;
        const double y = frame.surfaceY - (static_cast<double>(layer) - 0.5) * od * frame.scale;
        if (y + radius < frame.cutY) {
            break; // this layer and the ones above it lie beyond the cut
        }
        const bool overfill = beyondDepth(frame, layer, od);
        for (long long turn = 0; turn < count; ++turn) {
            const double x = frame.left + (static_cast<double>(turn) + 0.5) * od * frame.scale;
            section.turns.push_back({x, y, radius, overfill});
        }
    }
}

double buildMm(const WindingDetails& details) {
    return details.standard && details.standard->plan.perLayer >= 1 ? details.standard->plan.buildMm
                                                                    : 0.0;
}

std::string lengthLabel(std::string_view name, double mm) {
    return std::string(name) + " " + figureText(mm, Pattern::ThreeDecimals).value_or("?") + " mm";
}

// The cut line across the winding when it goes on beyond what is shown, its text beside it on
// the right.
void markCut(WindingSection& section, double left, double right, double cutY, double build,
             const SectionArea& area) {
    std::string label = lengthLabel(translate("Section", "↑ 绕组厚度"), build);
    const double textWidth = area.textWidth(label);
    const double textLeft = right + kFlangePx + kGapPx;
    section.cut = SectionMark{left,
                              cutY,
                              right,
                              cutY,
                              std::move(label),
                              {textLeft, cutY - area.textHeight / 2, textWidth, area.textHeight}};
}

// The dimension line above the winding, its text centred over it.
SectionMark widthMark(std::string label, double left, double right, double contentTop,
                      const SectionArea& area) {
    const double y = contentTop - kGapPx;
    const double textWidth = area.textWidth(label);
    return {left,
            y,
            right,
            y,
            std::move(label),
            {(left + right - textWidth) / 2, y - 2 - area.textHeight, textWidth, area.textHeight}};
}

std::optional<WindingSection> layoutDrum(const DesignInputs& design, const WindingDetails& details,
                                         const SectionArea& area) {
    const double postR = design.bMm / 2;
    const double rimR = design.aMm / 2;
    const double depth = rimR - postR;
    if (!positiveFinite(design.bMm) || !positiveFinite(design.fMm) || !positiveFinite(depth)) {
        return std::nullopt;
    }
    const double build = buildMm(details);
    const double topR = std::max(rimR, std::min(postR + build, rimR + kShownRooms * depth));
    std::string depthLabel = lengthLabel("(A-B)/2", depth);
    const double depthTextWidth = area.textWidth(depthLabel);
    const double marginLeft = depthTextWidth + 3 * kGapPx;
    const double marginTop = area.textHeight + 2 * kGapPx;
    const double room = area.width - marginLeft - kGapPx - 2 * kFlangePx;
    const double roomHigh = area.height - marginTop - kGapPx;
    const double scale = std::min(room / design.fMm, roomHigh / topR);
    if (!positiveFinite(room) || !positiveFinite(roomHigh) || !positiveFinite(scale)) {
        return std::nullopt;
    }
    const double contentWidth = design.fMm * scale + 2 * kFlangePx;
    const double contentTop = marginTop + (roomHigh - topR * scale) / 2;
    const double outerLeft = marginLeft + (room + 2 * kFlangePx - contentWidth) / 2;
    const double spaceLeft = outerLeft + kFlangePx;
    const double spaceRight = spaceLeft + design.fMm * scale;

    WindingSection section;
    section.pixelsPerMm = scale;
    section.axisY = contentTop + topR * scale;
    const auto yAt = [&](double radius) { return section.axisY - radius * scale; };
    section.core = {outerLeft, yAt(postR), contentWidth, postR * scale};
    section.coreLabel = lengthLabel(translate("Section", "中柱 B"), design.bMm);
    for (const double left : {outerLeft, spaceRight}) {
        section.flanges.push_back({left, yAt(rimR), kFlangePx, depth * scale});
    }
    section.space = SectionBox{spaceLeft, yAt(rimR), design.fMm * scale, depth * scale};
    section.width =
        widthMark(lengthLabel("F", design.fMm), spaceLeft, spaceRight, contentTop, area);
    const double markX = outerLeft - kGapPx;
    section.depth =
        SectionMark{markX,
                    yAt(postR),
                    markX,
                    yAt(rimR),
                    std::move(depthLabel),
                    {markX - kGapPx - depthTextWidth, yAt((postR + rimR) / 2) - area.textHeight / 2,
                     depthTextWidth, area.textHeight}};
    if (postR + build > topR) {
        markCut(section, spaceLeft, spaceRight, contentTop, build, area);
    }
    addTurns(section, {spaceLeft, yAt(postR), scale, depth, contentTop}, details);
    return section;
}

std::optional<WindingSection> layoutRod(const DesignInputs& design, const WindingDetails& details,
                                        const SectionArea& area) {
    const double rodR = design.aMm / 2;
    if (!positiveFinite(rodR) || !positiveFinite(design.bMm)) {
        return std::nullopt;
    }
    const double build = buildMm(details);
    const double topR = rodR + std::min(build, kShownRooms * rodR);
    const double marginTop = area.textHeight + 2 * kGapPx;
    const double room = area.width - 2 * kGapPx;
    const double roomHigh = area.height - marginTop - kGapPx;
    const double scale = std::min(room / design.bMm, roomHigh / topR);
    if (!positiveFinite(room) || !positiveFinite(roomHigh) || !positiveFinite(scale)) {
        return std::nullopt;
    }
    const double left = kGapPx + (room - design.bMm * scale) / 2;
    const double contentTop = marginTop + (roomHigh - topR * scale) / 2;

    WindingSection section;
    section.pixelsPerMm = scale;
    section.axisY = contentTop + topR * scale;
    const double surfaceY = section.axisY - rodR * scale;
    section.core = {left, surfaceY, design.bMm * scale, rodR * scale};
    section.coreLabel = lengthLabel(translate("Section", "磁棒 A"), design.aMm);
    section.width =
        widthMark(lengthLabel("B", design.bMm), left, left + design.bMm * scale, contentTop, area);
    if (build > topR - rodR) {
        markCut(section, left, left + design.bMm * scale, contentTop, build, area);
    }
    addTurns(section, {left, surfaceY, scale, std::nullopt, contentTop}, details);
    return section;
}

} // namespace

std::optional<WindingSection>
layoutSection(const DesignInputs& design, const WindingDetails& details, const SectionArea& area) {
    std::optional<WindingSection> section = design.core == CoreType::Drum
                                                ? layoutDrum(design, details, area)
                                                : layoutRod(design, details, area);
    if (section) {
        section->coreLabelFits = area.textWidth(section->coreLabel) < section->core.width &&
                                 area.textHeight < section->core.height;
    }
    return section;
}

std::vector<SectionLine> endTicks(const SectionMark& mark) {
    const double dx = mark.x2 - mark.x1;
    const double dy = mark.y2 - mark.y1;
    // sqrt is correctly rounded everywhere, hypot is not: the same ticks on every platform (the
    // mark's pixel lengths are far from overflow).
    const double length = std::sqrt(dx * dx + dy * dy);
    if (!(length > 0)) {
        return {};
    }
    const double tx = -dy / length * kTickPx;
    const double ty = dx / length * kTickPx;
    return {SectionLine{mark.x1 - tx, mark.y1 - ty, mark.x1 + tx, mark.y1 + ty},
            SectionLine{mark.x2 - tx, mark.y2 - ty, mark.x2 + tx, mark.y2 + ty}};
}

SectionStyle sectionStyle(SectionPart part) {
    const std::vector<double> dashDot{8, 3, 2, 3};
    const std::vector<double> dashed{4, 2};
    switch (part) {
    case SectionPart::Axis:
        return {std::nullopt, false, std::nullopt, 1, dashDot};
    case SectionPart::Core:
        return {kCoreGrey, false, std::nullopt, 1, {}};
    case SectionPart::Flange:
        return {kFlangeGrey, false, std::nullopt, 1, {}};
    case SectionPart::Space:
        return {kSpaceBlue, false, std::nullopt, 1, dashed};
    case SectionPart::Turn:
        return {kCopper, false, kTurnOutline, kTurnOutlineWidth, {}};
    case SectionPart::OverfillTurn:
        return {kOverfill, false, kTurnOutline, kTurnOutlineWidth, {}};
    case SectionPart::Band:
        return {kCopper, true, kTurnOutline, kTurnOutlineWidth, {}};
    case SectionPart::OverfillBand:
        return {kOverfill, true, kTurnOutline, kTurnOutlineWidth, {}};
    case SectionPart::Mark:
        return {std::nullopt, false, std::nullopt, 1, {}};
    case SectionPart::Cut:
        return {std::nullopt, false, kOverfill, 2, dashed};
    }
    return {};
}

} // namespace coilwind
