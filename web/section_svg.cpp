#include "section_svg.hpp"

#include "calc/number_text.hpp"
#include "view/winding_section.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <utility>

namespace coilwind::web {
namespace {

void appendXmlText(std::string& svg, std::string_view text) {
    for (const char c : text) {
        switch (c) {
        case '<':
            svg += "&lt;";
            break;
        case '>':
            svg += "&gt;";
            break;
        case '&':
            svg += "&amp;";
            break;
        case '"':
            svg += "&quot;";
            break;
        default:
            svg += c;
        }
    }
}

std::string colourText(std::uint32_t rgb) {
    std::array<char, 8> text{};
    std::snprintf(text.data(), text.size(), "#%06x", static_cast<unsigned>(rgb & 0xffffffU));
    return text.data();
}

// A lighter fill shows as copper at this opacity.
constexpr double kLighterFillOpacity = 0.6;

class Svg {
public:
    Svg(double width, double height) {
        svg_ = "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"section\"";
        attribute("width", width).attribute("height", height);
        svg_ += " viewBox=\"0 0 ";
        appendShortest(svg_, width);
        svg_ += ' ';
        appendShortest(svg_, height);
        svg_ += "\">";
    }
    Svg& open(std::string_view element, std::string_view cssClass) {
        svg_ += '<';
        svg_ += element;
        return attribute("class", cssClass);
    }
    Svg& attribute(std::string_view name, double value) {
        std::string text;
        appendShortest(text, value);
        return attribute(name, text);
    }
    Svg& attribute(std::string_view name, std::string_view value) {
        svg_ += ' ';
        svg_ += name;
        svg_ += "=\"";
        svg_ += value;
        svg_ += '"';
        return *this;
    }
    // The part's fill and stroke as view/winding_section describes them.
    Svg& styled(SectionPart part) {
        const SectionStyle style = sectionStyle(part);
        attribute("fill", style.fill ? colourText(*style.fill) : std::string("none"));
        if (style.lighterFill) {
            attribute("fill-opacity", kLighterFillOpacity);
        }
        attribute("stroke", colourText(style.stroke.value_or(kSectionInk)));
        if (style.strokeWidth != 1) {
            attribute("stroke-width", style.strokeWidth);
        }
        if (!style.dashes.empty()) {
            std::string dashes;
            for (const double length : style.dashes) {
                if (!dashes.empty()) {
                    dashes += ' ';
                }
                appendShortest(dashes, length);
            }
            attribute("stroke-dasharray", dashes);
        }
        return *this;
    }
    void close() { svg_ += "/>"; }
    // One element of the drawing: its geometry's attributes, then its part's style.
    void shape(std::string_view element, std::string_view cssClass,
               std::initializer_list<std::pair<std::string_view, double>> geometry,
               SectionPart part) {
        open(element, cssClass);
        for (const auto& [name, value] : geometry) {
            attribute(name, value);
        }
        styled(part).close();
    }
    void box(const SectionBox& box, std::string_view cssClass, SectionPart part) {
        shape("rect", cssClass,
              {{"x", box.left}, {"y", box.top}, {"width", box.width}, {"height", box.height}},
              part);
    }
    void line(const SectionLine& line, std::string_view cssClass, SectionPart part) {
        shape("line", cssClass,
              {{"x1", line.x1}, {"y1", line.y1}, {"x2", line.x2}, {"y2", line.y2}}, part);
    }
    void text(const SectionBox& box, std::string_view text) {
        open("text", "label")
            .attribute("x", box.left + box.width / 2)
            .attribute("y", box.top + box.height / 2)
            .attribute("fill", colourText(kSectionInk));
        svg_ += '>';
        appendXmlText(svg_, text);
        svg_ += "</text>";
    }
    void mark(const SectionMark& mark, std::string_view cssClass, SectionPart part) {
        line({mark.x1, mark.y1, mark.x2, mark.y2}, cssClass, part);
        for (const SectionLine& tick : endTicks(mark)) {
            line(tick, cssClass, part);
        }
        text(mark.labelBox, mark.label);
    }
    std::string done() { return svg_ + "</svg>"; }

private:
    std::string svg_;
};

} // namespace

std::string sectionSvg(const DetailsView& view, double width, double height, double charWidth,
                       double lineHeight) {
    std::optional<WindingSection> section;
    if (view.design) {
        const SectionArea area{width, height, lineHeight, [charWidth](std::string_view label) {
                                   std::size_t characters = 0;
                                   for (const char c : label) {
                                       characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
                                   }
                                   return static_cast<double>(characters) * charWidth;
                               }};
        section = layoutSection(*view.design, view.details, area);
    }
    if (!section) {
        return {};
    }
    Svg svg(width, height);
    svg.line({0, section->axisY, width, section->axisY}, "axis", SectionPart::Axis);
    svg.box(section->core, "core", SectionPart::Core);
    if (section->coreLabelFits) {
        svg.text(section->core, section->coreLabel);
    }
    for (const SectionBox& flange : section->flanges) {
        svg.box(flange, "flange", SectionPart::Flange);
    }
    if (section->space) {
        svg.box(*section->space, "space", SectionPart::Space);
    }
    for (const SectionBand& band : section->bands) {
        svg.box(band.box, band.overfill ? "band overfill" : "band",
                band.overfill ? SectionPart::OverfillBand : SectionPart::Band);
    }
    for (const SectionTurn& turn : section->turns) {
        svg.shape("circle", turn.overfill ? "turn overfill" : "turn",
                  {{"cx", turn.x}, {"cy", turn.y}, {"r", turn.radius}},
                  turn.overfill ? SectionPart::OverfillTurn : SectionPart::Turn);
    }
    svg.mark(section->width, "mark", SectionPart::Mark);
    if (section->depth) {
        svg.mark(*section->depth, "mark", SectionPart::Mark);
    }
    if (section->cut) {
        svg.mark(*section->cut, "mark cut", SectionPart::Cut);
    }
    return svg.done();
}

} // namespace coilwind::web
