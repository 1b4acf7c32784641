// The window's way into the calculator: a plain C interface over calc/ and view/, called from
// web/page.js. Texts cross as UTF-8 bytes (web/result_text.hpp).

#include "calc/calculation_record.hpp"
#include "calc/commands.hpp"
#include "calc/core_type.hpp"
#include "calc/field_set.hpp"
#include "calc/settings_limits.hpp"
#include "calc/wire_table.hpp"
#include "view/catalogue_table.hpp"
#include "view/core_picture.hpp"
#include "view/details_description.hpp"
#include "view/details_report.hpp"
#include "view/details_settings.hpp"
#include "view/shape_opinion.hpp"
#include "view/input_check_lines.hpp"
#include "view/current_lines.hpp"
#include "view/field_help.hpp"
#include "view/front_texts.hpp"
#include "calc/text.hpp"
#include "view/winding_section.hpp"
#include "view/window_description.hpp"
#include "web/json_writer.hpp"
#include "web/result_text.hpp"
#include "web/section_svg.hpp"

#include <array>
#include <cstddef>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace coilwind;
using web::give;
using web::jsonArray;
using web::JsonObject;
using web::jsonString;

// --- the window ----------------------------------------------------------------------------------

// The field set of the page: the texts the page shows, handed over before each command and read
// back after it, and the field the calculator moved the focus to.
class PageFieldSet final : public FieldSet {
public:
    PageFieldSet() {
        for (std::size_t slot = 0; slot < kFields.size(); ++slot) {
            texts_[slot] = kFields[slot].startupText;
        }
    }
    FieldIndex takeFocusMove() { return std::exchange(focusMove_, -1); }

protected:
    std::string fieldText(FieldIndex index) const override { return texts_[slotFor(index)]; }
    void setFieldText(FieldIndex index, std::string_view text) override {
        texts_[slotFor(index)] = text;
    }
    void focusField(FieldIndex index) override { focusMove_ = index; }

private:
    static std::size_t slotFor(FieldIndex index) { return static_cast<std::size_t>(slotOf(index)); }
    std::array<std::string, kFields.size()> texts_;
    FieldIndex focusMove_ = -1;
};

PageFieldSet& fields() {
    static PageFieldSet instance;
    return instance;
}

std::string_view kindName(ControlKind kind) {
    switch (kind) {
    case ControlKind::Frame:
        return "frame";
    case ControlKind::Button:
        return "button";
    case ControlKind::OptionButton:
        return "option";
    case ControlKind::ComboBox:
        return "combo";
    case ControlKind::Field:
        return "field";
    case ControlKind::Caption:
        return "caption";
    case ControlKind::LinkLabel:
        return "link";
    case ControlKind::Line:
        return "line";
    case ControlKind::Picture:
        return "picture";
    }
    return "";
}

std::string controlJson(const ControlDescription& control) {
    JsonObject json;
    json.text("kind", kindName(control.kind))
        .text("name", control.name)
        .text("container", control.container)
        .text("caption", captionText(control))
        .number("left", toPixels(control.left))
        .number("top", toPixels(control.top))
        .number("width", toPixels(control.width))
        .number("height", toPixels(control.height))
        .number("tabIndex", control.tabIndex)
        .raw("fitsCaption", (control.flags & kFitsCaption) != 0U ? "true" : "false")
        .raw("checked", (control.flags & kChecked) != 0U ? "true" : "false")
        .raw("ownBackground", (control.flags & kOwnBackground) != 0U ? "true" : "false")
        .number("arrayIndex", control.arrayIndex)
        .text("toolTip", toolTipText(control))
        .number("captionOf", control.captionOf);
    if (control.kind == ControlKind::Field) {
        json.text("startupText",
                  kFields[static_cast<std::size_t>(slotOf(control.arrayIndex))].startupText);
    }
    return json.done();
}

std::string helpJson(CoreType core) {
    JsonObject json;
    for (const FieldInfo& info : kFields) {
        json.text(std::to_string(info.index), fieldHelp(info.index, core));
    }
    return json.done();
}

std::string picturesJson() {
    std::string json = "[";
    for (const PictureMode mode : {PictureMode::Core, PictureMode::Inductance}) {
        for (const CoreType core : {CoreType::Drum, CoreType::Rod}) {
            const CorePicture picture = corePictureOf(mode, core);
            json += json.size() > 1 ? "," : "";
            json += JsonObject{}
                        .text("mode", mode == PictureMode::Core ? "core" : "inductance")
                        .text("core", core == CoreType::Rod ? "rod" : "drum")
                        .text("name", picture.name)
                        .text("description", picture.description)
                        .done();
        }
    }
    return json + ']';
}

// The page's texts by key, {"copy": {"text": "复制", "toolTip": "Copy the whole ..."}, ...}, in the
// chosen language.
std::string textsJson() {
    JsonObject json;
    for (const FrontText& text : frontTexts()) {
        json.raw(text.key, JsonObject{}
                               .text("text", frontText(text.key))
                               .text("toolTip", frontToolTip(text.key))
                               .done());
    }
    // The page's groups and lines whose texts view/ keeps beside their own figures.
    json.raw("currentRating", JsonObject{}
                                  .text("text", translate("Details", kCurrentTitle.data()))
                                  .text("toolTip", currentExplanation())
                                  .done());
    json.raw(kSeriesText.name, JsonObject{}
                                   .text("text", settingCaption(kSeriesText))
                                   .text("toolTip", settingToolTip(kSeriesText))
                                   .done());
    return json.done();
}

// The catalogue the page chose, compiled from the same files as the desktop's.
std::span<const CatalogueEntry>& chosenCatalogue() {
    static std::span<const CatalogueEntry> catalogue;
    return catalogue;
}

std::string pageCatalogue(const char* context, const char* source) {
    return lookUp(chosenCatalogue(), context, source);
}

std::string_view partKindName(DetailsPartKind kind) {
    switch (kind) {
    case DetailsPartKind::Message:
        return "message";
    case DetailsPartKind::Status:
        return "status";
    case DetailsPartKind::Inputs:
        return "inputs";
    case DetailsPartKind::Figures:
        return "figures";
    case DetailsPartKind::Settings:
        return "settings";
    case DetailsPartKind::ShapeOpinion:
        return "shapeOpinion";
    case DetailsPartKind::Current:
        return "current";
    case DetailsPartKind::Section:
        return "section";
    case DetailsPartKind::Calibration:
        return "calibration";
    case DetailsPartKind::Buttons:
        break;
    }
    return "buttons";
}

std::string_view lookName(MessageLook look) {
    return look == MessageLook::Fault ? "fault" : look == MessageLook::Caution ? "caution" : "";
}

std::string controlsJson(std::span<const DetailsControl> controls) {
    return jsonArray(controls, [](const DetailsControl& control) {
        return JsonObject{}
            .text("name", control.name)
            .text("text", frontText(control.name))
            .text("toolTip", frontToolTip(control.name))
            .text("placeholder", control.placeholder)
            .done();
    });
}

// The details as the page builds them: {"parts": [{"kind", "name", "title", "toolTip", "look",
// "message"}], "calibration": [{"name", "text", "toolTip", "placeholder"}], "buttons": [...]}.
std::string detailsJson() {
    return JsonObject{}
        .raw("parts", jsonArray(detailsParts(),
                                [](const DetailsPart& part) {
                                    return JsonObject{}
                                        .text("kind", partKindName(part.kind))
                                        .text("name", part.name)
                                        .text("title", partTitle(part))
                                        .text("toolTip", partToolTip(part))
                                        .text("look", lookName(part.look))
                                        .text("message", part.messageName)
                                        .done();
                                }))
        .raw("calibration", controlsJson(calibrationControls()))
        .raw("buttons", controlsJson(detailsButtons()))
        .done();
}

// The series' names and keys, and each number setting's box: {"name", "caption", "toolTip",
// "value", "optional"}, in the order the details show them.
std::string settingsJson() {
    return JsonObject{}
        .raw("series", jsonArray(kWireSeries,
                                 [](WireSeries series) { return jsonString(seriesTitle(series)); }))
        .raw(
            "seriesKeys",
            jsonArray(kWireSeries, [](WireSeries series) { return jsonString(seriesKey(series)); }))
        .raw("numbers", jsonArray(numberSettings(),
                                  [](const NumberSetting& setting) {
                                      return JsonObject{}
                                          .text("name", setting.text.name)
                                          .text("caption", settingCaption(setting.text))
                                          .text("toolTip", settingBoxToolTip(setting))
                                          .text("value", defaultSettingText(setting))
                                          .boolean("optional", setting.optional != nullptr)
                                          .done();
                                  }))
        .done();
}

// The details' settings as the page's boxes hold them: a refused text gives a NaN, so the figures
// that need it stay empty with their reasons, as on the desktop.
DetailsSettings& settings() {
    static DetailsSettings instance;
    return instance;
}

CalculationRecord& record() {
    static CalculationRecord instance;
    return instance;
}

std::string_view viewOf(const char* text, int size) {
    return {text, static_cast<std::size_t>(size)};
}

std::string linesJson(const std::vector<DetailsLine>& lines) {
    return jsonArray(lines, [](const DetailsLine& line) {
        JsonObject json;
        json.text("key", line.key).text("caption", line.caption).text("english", line.english);
        if (line.value) {
            json.text("value", *line.value);
        }
        return json.done();
    });
}

// [{"key": "decimal-comma", "error": true, "text": "逗号不是小数点: ..."}, ...]
std::string checksJson(const std::vector<CheckLine>& lines) {
    return jsonArray(lines, [](const CheckLine& line) {
        return JsonObject{}
            .text("key", line.key)
            .boolean("error", line.error)
            .text("text", line.text)
            .done();
    });
}

} // namespace

extern "C" {

// {"controls": [...], "fields": [...], "help": {"drum": {...}, "rod": {...}}, "pictures": [...],
//  "settings": {...}, "drumCore": "KQ CORE", "rodCore": "R CORE", "width": px, "height": px}
const char* coilwind_window() {
    return give(JsonObject{}
                    .raw("controls", jsonArray(windowDescription(), controlJson))
                    .raw("fields", jsonArray(kFields,
                                             [](const FieldInfo& info) {
                                                 return std::to_string(info.index);
                                             }))
                    .raw("help", JsonObject{}
                                     .raw("drum", helpJson(CoreType::Drum))
                                     .raw("rod", helpJson(CoreType::Rod))
                                     .done())
                    .raw("pictures", picturesJson())
                    .raw("settings", settingsJson())
                    .raw("details", detailsJson())
                    .raw("marks", JsonObject{}
                                      .text("noValue", mark::kNoValue)
                                      .text("listItem", mark::kListItem)
                                      .text("error", mark::kError)
                                      .text("note", mark::kNote)
                                      .text("captioned", mark::kCaptioned)
                                      .text("between", mark::kBetween)
                                      .text("working", mark::kWorking)
                                      .done())
                    .raw("texts", textsJson())
                    .text("summaryHint", summaryHint())
                    .raw("languages", jsonArray(languages(),
                                                [](const Language& language) {
                                                    return JsonObject{}
                                                        .text("code", language.code)
                                                        .text("name", language.name)
                                                        .text("tag", language.tag)
                                                        .done();
                                                }))
                    .text("linkAddress", kLinkAddress)
                    .text("drumCore", kDrumCoreText)
                    .text("rodCore", kRodCoreText)
                    .raw("names", JsonObject{}
                                      .text("coreType", control::kCoreType)
                                      .text("coreMode", control::kCoreMode)
                                      .text("inductanceMode", control::kInductanceMode)
                                      .text("calculate", control::kCalculate)
                                      .text("advert", control::kAdvert)
                                      .text("results", control::kResults)
                                      .text("picture", control::kPicture)
                                      .done())
                    .number("width", toPixels(kClientWidthTwips))
                    .number("height", toPixels(kClientHeightTwips))
                    .done());
}

// Chooses the language of every text the module gives from now on, by its code ("en"): 1 when
// the module has it, 0 (nothing changed) when not. The window's own texts need no catalogue.
int coilwind_set_language(const char* code, int size) {
    const std::string_view chosen(code, static_cast<std::size_t>(size));
    const std::span<const CatalogueEntry> catalogue = compiledCatalogue(chosen);
    if (catalogue.empty() && chosen != languages().front().code) {
        return 0;
    }
    chosenCatalogue() = catalogue;
    useCatalogue(pageCatalogue);
    return 1;
}

// What the CSV run gave: its rows, those in error, its size and the seconds it took.
const char* coilwind_csv_summary(const char* file, int size, int rows, int failed, double kilobytes,
                                 double seconds) {
    return give(csvSummary(viewOf(file, size), rows, failed, kilobytes, seconds));
}

// 1 when the text selects the rod core, 0 for the drum core.
int coilwind_core_type(const char* text, int size) {
    return coreTypeOf(std::string_view(text, static_cast<std::size_t>(size))) == CoreType::Rod ? 1
                                                                                               : 0;
}

// The page's text of a field, before a command reads it.
void coilwind_set_text(int index, const char* text, int size) {
    if (isField(index)) {
        fields().setText(index, std::string_view(text, static_cast<std::size_t>(size)));
    }
}

const char* coilwind_text(int index) {
    return give(isField(index) ? fields().text(index) : std::string());
}

// The commands return the winding summary, or an empty text when there is none; afterwards
// coilwind_focus_move names the field the focus moves to (-1: it stays).
const char* coilwind_calculate(const char* coreType, int size) {
    const CalculationOutcome outcome = calculate(fields(), viewOf(coreType, size));
    record().note(outcome, fields(), viewOf(coreType, size));
    return give(outcome.summary.value_or(std::string()));
}

const char* coilwind_key_down(int index, int keyCode, int modifiers, const char* coreType,
                              int size) {
    const CalculationOutcome outcome =
        handleKeyDown(fields(), viewOf(coreType, size), index, keyCode, modifiers);
    if (keyCode == kEnterKey) {
        record().note(outcome, fields(), viewOf(coreType, size));
    }
    return give(outcome.summary.value_or(std::string()));
}

int coilwind_focus_move() {
    return fields().takeFocusMove();
}

// The settings as typed: the series by its place in the list, the number settings' texts in the
// order of "numbers" in the window's description, each ended by a unit separator (0x1f). Returns
// the refusals, [{"name": "temperature", "message": "...", "line": "..."}], none for texts within
// their ranges.
const char* coilwind_set_settings(int series, const char* texts, int size) {
    DetailsSettings& chosen = settings();
    if (series >= 0 && static_cast<std::size_t>(series) < kWireSeries.size()) {
        chosen.series = kWireSeries[static_cast<std::size_t>(series)];
    }
    std::vector<std::string_view> boxes;
    std::string_view rest = viewOf(texts, size);
    for (std::size_t end = rest.find('\x1f'); end != std::string_view::npos;
         end = rest.find('\x1f')) {
        boxes.push_back(rest.substr(0, end));
        rest.remove_prefix(end + 1);
    }
    const std::vector<SettingRefusal> refusals =
        readNumberSettings(chosen, [&boxes](std::string_view name) {
            const std::span<const NumberSetting> all = numberSettings();
            for (std::size_t i = 0; i < all.size() && i < boxes.size(); ++i) {
                if (all[i].text.name == name) {
                    return std::string(boxes[i]);
                }
            }
            return std::string(); // a box the page did not send: refused as empty
        });
    return give(jsonArray(refusals, [](const SettingRefusal& refusal) {
        return JsonObject{}
            .text("name", refusal.name)
            .text("message", refusal.message)
            .text("line", refusal.line)
            .done();
    }));
}

// {"status": {"stopped", "outcome", "changed"?}, "checks": [...], "inputs": [...],
//  "figures": [...],
//  "reasons": [...], "shapeApplies", "shapeTitle", "shapeExplanation", "shape": [...],
//  "shapeValidation"?, "shapeNote"?, "shapeWarns", "shapeUsable", "shapeButton",
//  "shapeButtonTitle", "currentApplies", "current": [...], "currentWarnings": [...],
//  "svg": "<svg…>" or ""}
const char* coilwind_details(const char* coreType, int size, double width, double height,
                             double charWidth, double lineHeight) {
    const DetailsView view = viewDetails(fields(), viewOf(coreType, size), settings(), record());
    JsonObject status;
    status.raw("stopped", view.status.stopped ? "true" : "false")
        .text("outcome", view.status.outcome);
    if (view.status.changed) {
        status.text("changed", *view.status.changed);
    }
    JsonObject json;
    json.raw("status", status.done())
        .raw("checks", checksJson(view.checks))
        .raw("inputs", linesJson(view.inputs))
        .raw("figures", linesJson(view.figures))
        .raw("reasons", jsonArray(view.details.reasons,
                                  [](const std::string& reason) { return jsonString(reason); }))
        .raw("shapeApplies", view.design ? "true" : "false")
        .text("shapeTitle", view.shapeOpinion.title)
        .text("shapeExplanation", view.shapeOpinion.explanation)
        .raw("shape", linesJson(view.shapeOpinion.lines))
        .raw("shapeWarns", view.shapeOpinion.warns ? "true" : "false")
        .raw("shapeUsable", view.shapeOpinion.usableAsAl ? "true" : "false")
        .text("shapeButton", translate("Details", kUseShapeAlCaption.data()))
        .text("shapeButtonTitle", translate("Details", kUseShapeAlExplanation.data()))
        .raw("currentApplies", view.currentApplies ? "true" : "false")
        .raw("current", linesJson(view.current))
        .raw("currentWarnings",
             jsonArray(view.currentWarnings,
                       [](const std::string& warning) { return jsonString(warning); }))
        .text("svg", web::sectionSvg(view, width, height, charWidth, lineHeight));
    if (view.shapeOpinion.note) {
        json.text("shapeNote", *view.shapeOpinion.note);
    }
    if (view.shapeOpinion.validation) {
        json.text("shapeValidation", *view.shapeOpinion.validation);
    }
    return give(json.done());
}

// The input check of the last calculation, for the status line under the window.
const char* coilwind_input_check(const char* coreType, int size) {
    return give(checksJson(inputCheckLines(fields(), viewOf(coreType, size), record())));
}

const char* coilwind_report(const char* coreType, int size) {
    return give(composeDesignReport(fields(), viewOf(coreType, size), settings(), record()));
}

// Returns the message; coilwind_calibration_written says whether field 18 was written.
int calibrationWritten = 0;
const char* coilwind_calibrate(const char* measured, int measuredSize, const char* turns,
                               int turnsSize) {
    const CalibrationOutcome outcome = applyCalibration(
        fields(), std::string_view(measured, static_cast<std::size_t>(measuredSize)),
        std::string_view(turns, static_cast<std::size_t>(turnsSize)));
    calibrationWritten = outcome.written ? 1 : 0;
    return give(outcome.message);
}
int coilwind_calibration_written() {
    return calibrationWritten;
}

// The shape's AL into field 18, as the calibration writes its own; returns the message and sets
// what coilwind_calibration_written tells.
const char* coilwind_use_shape_al(const char* coreType, int size) {
    const CalibrationOutcome outcome =
        applyShapeAl(fields(), viewOf(coreType, size), settings(), record());
    calibrationWritten = outcome.written ? 1 : 0;
    return give(outcome.message);
}

} // extern "C"
