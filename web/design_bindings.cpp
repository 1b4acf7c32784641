// The page's way to design files, share links and recent designs: the same reader and writer as
// the desktop's (view/design_file, view/recent_designs). The field texts are the module's own,
// handed over by the page before each call (coilwind_set_text); the core type, the mode and the
// settings come with the call. Texts cross as UTF-8 bytes (web/result_text.hpp).

#include "calc/step_table.hpp"
#include "view/design_file.hpp"
#include "view/design_sheet.hpp"
#include "view/json.hpp"
#include "view/recent_designs.hpp"
#include "web/result_text.hpp"

#include <algorithm>
#include <map>
#include <string>
#include <string_view>
#include <vector>

extern "C" const char* coilwind_text(int index);
extern "C" void coilwind_set_text(int index, const char* text, int size);

namespace {

using namespace coilwind;
using web::give;

std::string_view textOf(const char* text, int size) {
    return {text, static_cast<std::size_t>(std::max(size, 0))};
}

// The settings as the page's boxes hold them, one call per setting before a design is written.
std::map<std::string, std::string, std::less<>>& pageSettings() {
    static std::map<std::string, std::string, std::less<>> settings = startupDesign().settings;
    return settings;
}

Design pageDesign(std::string_view coreType, int mode) {
    Design design;
    for (std::size_t slot = 0; slot < kFields.size(); ++slot) {
        const char* text = coilwind_text(kFields[slot].index);
        design.fields[slot].assign(text, static_cast<std::size_t>(coilwind_result_size()));
    }
    design.coreType = std::string(coreType);
    design.pictureMode = mode == 1 ? PictureMode::Inductance : PictureMode::Core;
    design.settings = pageSettings();
    return design;
}

std::string quoted(std::string_view text) {
    std::string out;
    json::appendString(out, text);
    return out;
}

// {"design": {...}, "said": "opened ..." or the notes} or {"message": "..."} for a refusal. A
// design read is already in the module's fields; the page takes them and sets the rest.
std::string opened(const DesignReading& reading, std::string_view name, bool link) {
    if (!reading.design) {
        return "{\"message\":" +
               quoted(link ? linkRefusalText(reading) : openRefusalText(name, reading)) + "}";
    }
    for (std::size_t slot = 0; slot < kFields.size(); ++slot) {
        const std::string& text = reading.design->fields[slot];
        coilwind_set_text(kFields[slot].index, text.data(), static_cast<int>(text.size()));
    }
    const std::string said =
        reading.notes.empty() ? openedText(name) : openNotesText(name, reading);
    return "{\"design\":" + writeDesignCompact(*reading.design) + ",\"said\":" + quoted(said) + "}";
}

} // namespace

extern "C" {

// ["series", "alTolerance", ...]: the keys of the settings, each also the id of its box.
const char* coilwind_design_setting_keys() {
    std::string json = "[";
    for (const DesignSetting& setting : designSettings()) {
        json += (json.size() > 1 ? "," : "") + quoted(setting.key);
    }
    return give(json + "]");
}

void coilwind_design_setting(const char* key, int keySize, const char* text, int textSize) {
    const std::string_view name = textOf(key, keySize);
    const auto& known = designSettings();
    if (std::any_of(known.begin(), known.end(),
                    [&](const DesignSetting& setting) { return setting.key == name; })) {
        pageSettings()[std::string(name)] = std::string(textOf(text, textSize));
    }
}

// The design file's text; mode 0: CORE, 1: INDUCTANCE.
const char* coilwind_design_text(const char* coreType, int size, int mode) {
    return give(writeDesign(pageDesign(textOf(coreType, size), mode)));
}

const char* coilwind_design_fragment(const char* coreType, int size, int mode) {
    return give(designFragment(pageDesign(textOf(coreType, size), mode)));
}

// Why the design cannot be saved, or an empty text.
const char* coilwind_design_save_refusal(const char* text, int size, const char* name,
                                         int nameSize) {
    return give(saveRefusalText(textOf(name, nameSize), textOf(text, size)).value_or(""));
}

// The design sheet's heading lines, one a line, as the desktop's sheet heads its page.
const char* coilwind_sheet_heading(const char* coreType, int size, int mode, const char* date,
                                   int dateSize) {
    const std::vector<std::string> lines =
        sheetHeading(pageDesign(textOf(coreType, size), mode), textOf(date, dateSize));
    std::string text;
    for (const std::string& line : lines) {
        text += (text.empty() ? "" : "\n") + line;
    }
    return give(text);
}

const char* coilwind_design_file_name(const char* coreType, int size, int mode) {
    return give(suggestedFileName(pageDesign(textOf(coreType, size), mode)));
}

const char* coilwind_open_design(const char* text, int size, const char* name, int nameSize) {
    const std::string_view fileName = textOf(name, nameSize);
    return give(
        opened(readDesign(textOf(text, size)), fileName.empty() ? "(text)" : fileName, false));
}

const char* coilwind_open_link(const char* fragment, int size) {
    return give(opened(readDesignFragment(textOf(fragment, size)), "(link)", true));
}

// Whether Enter in the field runs a stage: the page notes a recent design after such an Enter
// and after the calculate command, as the desktop does.
int coilwind_closes_stage(int index) {
    return std::any_of(kStageTable.begin(), kStageTable.end(),
                       [index](const StageRow& row) { return row.trigger == index; })
               ? 1
               : 0;
}

// The recent designs' stored text with the page's design noted first.
const char* coilwind_recent_note(const char* list, int listSize, const char* time, int timeSize,
                                 const char* coreType, int size, int mode) {
    std::vector<RecentDesign> recent = readRecent(textOf(list, listSize));
    noteRecent(recent,
               {std::string(textOf(time, timeSize)), pageDesign(textOf(coreType, size), mode)});
    return give(writeRecent(recent));
}

// [{"label": "...", "design": "<the design file's text>"}], newest first.
const char* coilwind_recent_view(const char* list, int size) {
    std::string json = "[";
    for (const RecentDesign& entry : readRecent(textOf(list, size))) {
        json += (json.size() > 1 ? "," : "") + std::string("{\"label\":") +
                quoted(recentLabel(entry)) +
                ",\"design\":" + quoted(writeDesignCompact(entry.design)) + "}";
    }
    return give(json + "]");
}

// The words of the page's buttons and menu, from the one place the desktop takes them too.
const char* coilwind_design_words() {
    return give(
        "{\"save\":" + quoted(translate("Design", kSaveDesignTitle.data())) + ",\"open\":" + quoted(translate("Design", kOpenDesignTitle.data())) +
        ",\"copyLink\":" + quoted(translate("Design", kCopyLinkTitle.data())) + ",\"linkCopied\":" + quoted(translate("Design", kLinkCopiedText.data())) +
        ",\"recent\":" + quoted(translate("Design", kRecentMenuTitle.data())) + ",\"forget\":" + quoted(translate("Design", kForgetRecentTitle.data())) +
        ",\"none\":" + quoted(translate("Design", kNoRecentTitle.data())) + ",\"extension\":" + quoted(kDesignExtension) +
        ",\"limit\":" + std::to_string(kDesignFileLimit) + "}");
}

} // extern "C"
