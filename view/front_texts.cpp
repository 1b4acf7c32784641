#include "front_texts.hpp"

#include "calc/text.hpp"

#include "view/details_lines.hpp"

#include <algorithm>
#include <cmath>
#include <array>

namespace coilwind {
namespace {

// clang-format off
constexpr std::array kTexts{
    // The main window's title, its menu entry and its picture.
    FrontText{"title", QT_TRANSLATE_NOOP("Front", "coilwind — 工字电感圈数计算器"), {}},
    FrontText{"details", QT_TRANSLATE_NOOP("Front", "绕线详情 (winding details)"), {}},
    FrontText{"details-window", QT_TRANSLATE_NOOP("Front", "绕线详情 (winding details) — coilwind"), {}},
    FrontText{"core-picture", QT_TRANSLATE_NOOP("Front", "磁心图片 (core picture)"), {}},
    // "%1": the picture file's name.
    FrontText{"picture-unreadable", QT_TRANSLATE_NOOP("Front", "无法读取图片 %1 (cannot read the picture)"), {}},
    FrontText{"core-type", QT_TRANSLATE_NOOP("Front", "磁心类型 (core type)"), {}},
    // The details.
    FrontText{"input-check", {},
              QT_TRANSLATE_NOOP("Front", "What the main window read differently from what was typed, or could not compute, at the last calculation")},
    FrontText{"calculationStatus", {},
              QT_TRANSLATE_NOOP("Front", "What became of the last click on 计算 or Enter in the main window")},
    FrontText{"inputs", QT_TRANSLATE_NOOP("Front", "主窗口的输入 (read from the main window)"),
              QT_TRANSLATE_NOOP("Front", "The inputs as the last calculation read them and the results as the main window shows them, read by the leading-number rule")},
    FrontText{"settings", QT_TRANSLATE_NOOP("Front", "设置 (settings)"), {}},
    FrontText{"figures", QT_TRANSLATE_NOOP("Front", "详情计算 (this window's own figures)"),
              QT_TRANSLATE_NOOP("Front", "Computed here from the fields and the settings; not the main window's results")},
    FrontText{"section", QT_TRANSLATE_NOOP("Front", "截面图 (to scale; 红色: beyond the depth)"),
              QT_TRANSLATE_NOOP("Front", "Half-section of the winding: each turn of the standard wire as a circle, layer by layer; red: beyond the available depth")},
    FrontText{"section-drawing", QT_TRANSLATE_NOOP("Front", "绕线截面图 (to-scale cross-section of the winding)"), {}},
    FrontText{"no-section", QT_TRANSLATE_NOOP("Front", "无截面图 (nothing to draw: see why above)"), {}},
    FrontText{"calibration", QT_TRANSLATE_NOOP("Front", "校准 AL (from a test coil: AL = 1000 L / N²)"), {}},
    FrontText{"measured", QT_TRANSLATE_NOOP("Front", "实测电感 (uH)"),
              QT_TRANSLATE_NOOP("Front", "Inductance measured on the test coil, uH")},
    FrontText{"testTurns", QT_TRANSLATE_NOOP("Front", "圈数"), QT_TRANSLATE_NOOP("Front", "Turns of the test coil")},
    FrontText{"useAsAl", QT_TRANSLATE_NOOP("Front", "用作AL"),
              QT_TRANSLATE_NOOP("Front", "Write the AL of the test coil into the main window's AL field (one decimal)")},
    FrontText{"copy", QT_TRANSLATE_NOOP("Front", "复制"),
              QT_TRANSLATE_NOOP("Front", "Copy the whole design as plain text for a lab notebook (Ctrl+C)")},
    FrontText{"close", QT_TRANSLATE_NOOP("Front", "关闭"), QT_TRANSLATE_NOOP("Front", "Close the details; nothing changes (Esc)")},
    // The page's own controls.
    FrontText{"details-toggle", QT_TRANSLATE_NOOP("Front", "绕线详情 (F2)"),
              QT_TRANSLATE_NOOP("Front", "Winding details beside the window (F2)")},
    FrontText{"language", QT_TRANSLATE_NOOP("Front", "语言 (language)"), {}},
    FrontText{"csv", QT_TRANSLATE_NOOP("Front", "CSV:"),
              QT_TRANSLATE_NOOP("Front", "Run a CSV table of designs through the calculator, as coilwind-batch does; nothing leaves this computer")},
    FrontText{"csv-progress", QT_TRANSLATE_NOOP("Front", "CSV 进度 (progress)"), {}},
    FrontText{"csv-download", QT_TRANSLATE_NOOP("Front", "下载结果 (download the results)"), {}},
    FrontText{"csv-drop", QT_TRANSLATE_NOOP("Front", "或拖放到这里 (or drop the file here)"), {}},
    FrontText{"csv-cancelled", QT_TRANSLATE_NOOP("Front", "已取消 (cancelled)"), {}},
    FrontText{"design-save", {}, QT_TRANSLATE_NOOP("Front", "Ctrl+S")},
    FrontText{"design-open", {}, QT_TRANSLATE_NOOP("Front", "Ctrl+O; or drop a .coilwind file on the page")},
    FrontText{"csv-rerun", QT_TRANSLATE_NOOP("Front", "再次运行 (run again)"),
              QT_TRANSLATE_NOOP("Front", "Run the same file again, with the settings as they are now")},
    FrontText{"csv-cancel", QT_TRANSLATE_NOOP("Front", "取消 (cancel)"),
              QT_TRANSLATE_NOOP("Front", "Stop the table that is running")},
    // "%1": the file's name; "%2": rows read; "%3": rows computed; "%4": rows in error.
    FrontText{"csv-rows", QT_TRANSLATE_NOOP("Front", "%1: %2 行已读 (rows read), %3 已算 (computed), %4 出错 (in error)"), {}},
    FrontText{"csv-row-errors", QT_TRANSLATE_NOOP("Front", ": see the error column"), {}},
    // "%1": the result's size in KB; "%2": the seconds it took.
    FrontText{"csv-done", QT_TRANSLATE_NOOP("Front", "; %1 KB in %2 s"), {}},
    // The design sheet's command and its faults. "%1": the paper named; the file's name.
    FrontText{"sheet-usage", QT_TRANSLATE_NOOP("Front", "usage: coilwind --sheet OUT.pdf [--paper a4|letter] [DESIGN.coilwind]"), {}},
    FrontText{"sheet-paper", QT_TRANSLATE_NOOP("Front", "--paper takes a4 or letter, not \"%1\""), {}},
    FrontText{"sheet-cannot-paint", QT_TRANSLATE_NOOP("Front", "cannot paint the page"), {}},
    FrontText{"sheet-cannot-finish", QT_TRANSLATE_NOOP("Front", "cannot finish the page"), {}},
    FrontText{"sheet-cannot-write", QT_TRANSLATE_NOOP("Front", "cannot write %1"), {}},
    FrontText{"picture-cut-off", QT_TRANSLATE_NOOP("Front", "the picture is cut off"), {}},
    // "%1": the file; "%2": the system's reason.
    FrontText{"recent-not-kept", QT_TRANSLATE_NOOP("Front", "cannot keep the recent designs in %1: %2"), {}},
    // The command line: "%1" lists the language codes; the value's name in the help.
    FrontText{"lang-option", QT_TRANSLATE_NOOP("Front", "Language of the window's texts: %1."), {}},
    FrontText{"lang-value", QT_TRANSLATE_NOOP("Front", "code"), {}},
    // "%1": the code given; "%2": the codes there are.
    FrontText{"unknown-language", QT_TRANSLATE_NOOP("Front", "unknown language \"%1\"; the choices are %2"), {}},
};
// clang-format on

constexpr std::array kLanguages{Language{"zh", "中文", "zh-Hans"}, Language{"en", "English", "en"}};

const FrontText* find(std::string_view key) {
    const auto* entry = std::find_if(kTexts.begin(), kTexts.end(),
                                     [&](const FrontText& text) { return text.key == key; });
    return entry != kTexts.end() ? entry : nullptr;
}

} // namespace

std::span<const FrontText> frontTexts() {
    return kTexts;
}

// The table's texts are marked with the context "Front".
std::string frontText(std::string_view key) {
    const FrontText* entry = find(key);
    return entry != nullptr ? translate("Front", entry->text.data()) : std::string();
}

std::string frontToolTip(std::string_view key) {
    const FrontText* entry = find(key);
    return entry != nullptr ? translate("Front", entry->toolTip.data()) : std::string();
}

std::string csvSummary(std::string_view file, int rows, int failed, double kilobytes,
                       double seconds) {
    std::string text = filled(frontText("csv-rows"), {file, std::to_string(rows),
                                                      std::to_string(rows - failed),
                                                      std::to_string(failed)});
    if (failed > 0) {
        text += frontText("csv-row-errors");
    }
    return text + filled(frontText("csv-done"),
                         {shortestText(std::round(kilobytes)),
                          figureText(seconds, Pattern::OneDecimal).value_or("?")});
}

std::string summaryHint() {
    return "F2: " + frontText("details");
}

std::span<const Language> languages() {
    return kLanguages;
}

} // namespace coilwind
