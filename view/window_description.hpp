#pragma once

#include <span>
#include <string>
#include <string_view>

namespace coilwind {

// Positions and sizes are in twips: 1440 to the inch, 15 to the pixel at 96 dpi. Qt's own
// high-DPI scaling takes care of other screens.
inline constexpr int kTwipsPerPixel = 15;
constexpr int toPixels(int twips) {
    return twips / kTwipsPerPixel;
}

enum class ControlKind {
    Frame,        // group box with an optional caption
    Button,       // push button
    OptionButton, // radio button
    ComboBox,     // editable drop-down
    Field,        // a text field of the field set
    Caption,      // a field's caption label
    LinkLabel,    // a label that opens the link address when clicked
    Line,         // a one-pixel horizontal line
    Picture,      // the core picture
};

// Flags of a control that depart from its kind's defaults.
enum ControlFlag : unsigned {
    kNoFlags = 0,
    kFitsCaption = 1U << 0,   // the label sizes itself to its caption
    kChecked = 1U << 1,       // the option button starts selected
    kOwnBackground = 1U << 2, // the frame has its own background colour
};

struct ControlDescription {
    ControlKind kind;
    std::string_view name;        // object name; members of an array carry "_<index>"
    std::string_view container;   // object name of the parent control, "Form1" for the window
    std::string_view caption;     // caption, a literal; a field's text comes from the field set
    int left, top, width, height; // twips, in the container; a line gives its two end points
    int tabIndex;                 // -1 where the control has none
    unsigned flags = kNoFlags;
    int arrayIndex = -1; // index within Text1, Label3 or Line1
    std::string_view toolTip = {};
    int captionOf = -1; // for a caption: the index of the field it stands above
};

// The names of the controls the front ends and their tests look up by name.
namespace control {
inline constexpr std::string_view kWindow = "Form1";
inline constexpr std::string_view kCoreType = "CORETYPE";
inline constexpr std::string_view kCoreMode = "Option1";
inline constexpr std::string_view kInductanceMode = "Option2";
inline constexpr std::string_view kCalculate = "Command1";
inline constexpr std::string_view kAdvert = "Command2";
inline constexpr std::string_view kCalculator = "Frame2"; // the group with the Enter-key tooltip
inline constexpr std::string_view kResults = "Frame3";    // the result group
inline constexpr std::string_view kPicture = "fig";
inline constexpr std::string_view kAdvertLink = "Label1";
inline constexpr std::string_view kFeedbackLink = "Label2";
inline constexpr std::string_view kContactLink = "Label4";
} // namespace control

inline constexpr std::string_view kWindowName = control::kWindow;
// The one address every link control opens: "about:blank" and four blanks, passed on unchanged.
inline constexpr char kLinkAddress[] = "about:blank    ";
inline constexpr int kClientWidthTwips = 8385;
inline constexpr int kClientHeightTwips = 9015;

// Every control of the window, each container before its children, siblings in creation order
// (a later sibling is drawn on top of an earlier one).
std::span<const ControlDescription> windowDescription();

// A control's caption and tooltip as the user reads them, in the chosen language (calc/text.hpp);
// the description itself holds the window's own texts.
std::string captionText(const ControlDescription& control);
std::string toolTipText(const ControlDescription& control);

} // namespace coilwind
