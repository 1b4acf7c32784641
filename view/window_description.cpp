#include "window_description.hpp"

#include "calc/field_table.hpp"
#include "calc/text.hpp"

#include <array>

namespace coilwind {
namespace {

using K = ControlKind;

// A field's caption, from the field table.
constexpr std::string_view fieldCaption(FieldIndex index) {
    return fieldInfo(index).caption;
}

constexpr std::string_view kCalculatorToolTip =
    QT_TRANSLATE_NOOP("Window", "使用时。每输入一个参数后直接回车就可以进入下一个参数的输入。");

// clang-format off
constexpr std::array kControls{
    // The captions are the window's own texts, marked for the text catalogue.
    //                 kind,         name,                     container,            caption,                         left, top,  width,height,tab, flags,          index, tooltip, field
    ControlDescription{K::Frame,        "Frame1",                 control::kWindow,     "",                              2520, 0,    4695, 975,  2},
    ControlDescription{K::ComboBox,     control::kCoreType,       "Frame1",             "",                              240,  360,  1695, 315,  5},
    ControlDescription{K::OptionButton, control::kInductanceMode, "Frame1",             QT_TRANSLATE_NOOP("Window", "INDUCTANCE"),                    3120, 360,  1455, 255,  4},
    ControlDescription{K::OptionButton, control::kCoreMode,       "Frame1",             QT_TRANSLATE_NOOP("Window", "CORE"),                          2040, 360,  855,  255,  3,  kChecked},
    ControlDescription{K::Frame,        control::kCalculator,     control::kWindow,     QT_TRANSLATE_NOOP("Window", "工字电感 棒型电感圈数快速计算"), 0,    1080, 8295, 7935, 0,  kNoFlags,       -1, kCalculatorToolTip},
    ControlDescription{K::Button,       control::kAdvert,         control::kCalculator, QT_TRANSLATE_NOOP("Window", "不要点，这是广告。"),            0,    0,    0,    495,  44},
    ControlDescription{K::Frame,        "Frame5",                 control::kCalculator, QT_TRANSLATE_NOOP("Window", "电感参数"),                      2040, 1800, 3855, 1095, 36},
    ControlDescription{K::Field,        "Text1_19",               "Frame5",             "",                              2520, 600,  975,  270,  39, kNoFlags,       19},
    ControlDescription{K::Field,        "Text1_18",               "Frame5",             "",                              1320, 600,  855,  270,  38, kNoFlags,       18},
    ControlDescription{K::Field,        "Text1_17",               "Frame5",             "",                              240,  600,  735,  270,  37, kNoFlags,       17},
    ControlDescription{K::Caption,      "Label3_19",              "Frame5",             fieldCaption(19),                2400, 240,  885,  195,  42, kFitsCaption,   19, {},                 19},
    ControlDescription{K::Caption,      "Label3_18",              "Frame5",             fieldCaption(18),                1320, 240,  825,  195,  41, kFitsCaption,   18, {},                 18},
    ControlDescription{K::Caption,      "Label3_17",              "Frame5",             fieldCaption(17),                240,  240,  750,  195,  40, kFitsCaption,   17, {},                 17},
    ControlDescription{K::Frame,        "Frame4",                 control::kCalculator, QT_TRANSLATE_NOOP("Window", "磁心尺寸"),                      600,  240,  7095, 1455, 15, kOwnBackground},
    ControlDescription{K::Field,        "Text1_9",                "Frame4",             "",                              5880, 960,  975,  270,  25, kNoFlags,       9},
    ControlDescription{K::Field,        "Text1_8",                "Frame4",             "",                              5280, 960,  615,  270,  24, kNoFlags,       8},
    ControlDescription{K::Field,        "Text1_7",                "Frame4",             "",                              4680, 960,  615,  270,  23, kNoFlags,       7},
    ControlDescription{K::Field,        "Text1_6",                "Frame4",             "",                              4080, 960,  615,  270,  22, kNoFlags,       6},
    ControlDescription{K::Field,        "Text1_5",                "Frame4",             "",                              3480, 960,  615,  270,  21, kNoFlags,       5},
    ControlDescription{K::Field,        "Text1_4",                "Frame4",             "",                              2880, 960,  615,  270,  20, kNoFlags,       4},
    ControlDescription{K::Field,        "Text1_3",                "Frame4",             "",                              2280, 960,  615,  270,  19, kNoFlags,       3},
    ControlDescription{K::Field,        "Text1_2",                "Frame4",             "",                              1680, 960,  615,  270,  18, kNoFlags,       2},
    ControlDescription{K::Field,        "Text1_1",                "Frame4",             "",                              960,  960,  735,  270,  17, kNoFlags,       1},
    ControlDescription{K::Field,        "Text1_0",                "Frame4",             "",                              120,  960,  855,  270,  16, kNoFlags,       0},
    ControlDescription{K::Caption,      "Label3_9",               "Frame4",             fieldCaption(9),                 6240, 480,  495,  255,  35, kNoFlags,       9,  {},                 9},
    ControlDescription{K::Caption,      "Label3_8",               "Frame4",             fieldCaption(8),                 5400, 480,  375,  255,  34, kNoFlags,       8,  {},                 8},
    ControlDescription{K::Caption,      "Label3_7",               "Frame4",             fieldCaption(7),                 4800, 480,  360,  195,  33, kFitsCaption,   7,  {},                 7},
    ControlDescription{K::Caption,      "Label3_6",               "Frame4",             fieldCaption(4),                 3000, 480,  300,  195,  32, kFitsCaption,   6,  {},                 4},
    ControlDescription{K::Caption,      "Label3_5",               "Frame4",             fieldCaption(6),                 4080, 480,  450,  195,  31, kFitsCaption,   5,  {},                 6},
    ControlDescription{K::Caption,      "Label3_4",               "Frame4",             fieldCaption(5),                 3720, 480,  255,  255,  30, kNoFlags,       4,  {},                 5},
    ControlDescription{K::Caption,      "Label3_3",               "Frame4",             fieldCaption(3),                 2520, 480,  255,  255,  29, kNoFlags,       3,  {},                 3},
    ControlDescription{K::Line,         "Line1_0",                "Frame4",             "",                              120,  840,  6840, 840,  -1, kNoFlags,       0},
    ControlDescription{K::Caption,      "Label3_2",               "Frame4",             fieldCaption(2),                 1800, 480,  465,  195,  28, kFitsCaption,   2,  {},                 2},
    ControlDescription{K::Caption,      "Label3_1",               "Frame4",             fieldCaption(1),                 1200, 480,  465,  195,  27, kFitsCaption,   1,  {},                 1},
    ControlDescription{K::Caption,      "Label3_0",               "Frame4",             fieldCaption(0),                 240,  480,  735,  255,  26, kNoFlags,       0,  {},                 0},
    ControlDescription{K::Frame,        control::kResults,        control::kCalculator, QT_TRANSLATE_NOOP("Window", "结果"),                          1440, 3480, 6255, 1335, 6},
    ControlDescription{K::Field,        "Text1_24",               control::kResults,    "",                              2640, 840,  615,  270,  10, kNoFlags,       24},
    ControlDescription{K::Field,        "Text1_23",               control::kResults,    "",                              3480, 840,  975,  270,  9,  kNoFlags,       23},
    ControlDescription{K::Field,        "Text1_21",               control::kResults,    "",                              1320, 840,  975,  270,  8,  kNoFlags,       21},
    ControlDescription{K::Field,        "Text1_20",               control::kResults,    "",                              240,  840,  855,  270,  7,  kNoFlags,       20},
    ControlDescription{K::Caption,      "Label3_25",              control::kResults,    fieldCaption(24),                2640, 360,  540,  195,  14, kFitsCaption,   25, {},                 24},
    ControlDescription{K::Caption,      "Label3_23",              control::kResults,    fieldCaption(23),                3480, 360,  1035, 195,  13, kFitsCaption,   23, {},                 23},
    ControlDescription{K::Caption,      "Label3_21",              control::kResults,    fieldCaption(21),                1200, 360,  1050, 195,  12, kFitsCaption,   21, {},                 21},
    ControlDescription{K::Caption,      "Label3_20",              control::kResults,    fieldCaption(20),                360,  360,  495,  255,  11, kNoFlags,       20, {},                 20},
    ControlDescription{K::Button,       control::kCalculate,      control::kCalculator, QT_TRANSLATE_NOOP("Window", "计算"),                          3480, 3000, 975,  375,  1},
    ControlDescription{K::LinkLabel,    control::kAdvertLink,     control::kCalculator, QT_TRANSLATE_NOOP("Window", "这是广告"),                      0,    0,    0,    0,    43, kFitsCaption},
    ControlDescription{K::Picture,      control::kPicture,        control::kCalculator, "",                              360,  5040, 7575, 1815, -1},
    ControlDescription{K::LinkLabel,    control::kContactLink,    control::kWindow,     QT_TRANSLATE_NOOP("Window", "联系我们"),                      0,    0,    0,    0,    46, kFitsCaption},
    ControlDescription{K::LinkLabel,    control::kFeedbackLink,   control::kWindow,     QT_TRANSLATE_NOOP("Window", "意见反馈"),                      0,    0,    0,    0,    45, kFitsCaption},
};
// clang-format on

} // namespace

std::span<const ControlDescription> windowDescription() {
    return kControls;
}

// The table's texts are marked with the context "Window".
std::string captionText(const ControlDescription& control) {
    return translate("Window", control.caption.data());
}

std::string toolTipText(const ControlDescription& control) {
    return translate("Window", control.toolTip.data());
}

} // namespace coilwind
