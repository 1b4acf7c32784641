#pragma once

#include "calc/text.hpp"

// Design files (*.coilwind): one design as the window shows it, in JSON, written and read the same
// way by the desktop and the page. The format is described in docs/design-file.md and
// docs/coilwind-design.schema.json. Reading a file changes nothing: it gives a Design or the
// reason it cannot, and the front end then restores every text and setting at once.

#include "calc/field_set.hpp"
#include "view/core_picture.hpp"

#include <array>
#include <cstddef>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace coilwind {

namespace json {
struct Value;
}

inline constexpr std::string_view kDesignFormat = "coilwind-design";
inline constexpr int kDesignFormatVersion = 1;
inline constexpr std::string_view kDesignExtension = ".coilwind";
// Larger files are refused unread; a design with every field typed full is a few kilobytes.
inline constexpr std::size_t kDesignFileLimit = std::size_t{1024} * 1024;

// "coilwind 0.1.0", the version of this build.
std::string_view programVersion();

// One of the details' settings as a design file holds it: the text as typed into its box (a
// refused text too, so that opening shows what was saved), or for a choice its key.
struct DesignSetting {
    std::string_view key;                   // the member's name in "settings"
    std::string defaultText;                // what the box shows at start-up
    bool (*accepts)(std::string_view text); // for a choice: a key this build knows; else null
    std::string_view expected;              // what `accepts` wants, for the refusal
};

// Every setting a design file holds, in the order it is written: the series, then the details'
// number settings (view/details_settings). A file without one opens with its start-up text.
std::span<const DesignSetting> designSettings();

struct Design {
    std::array<std::string, kFields.size()> fields; // by position in kFields
    std::string coreType;                           // the core-type box's text
    PictureMode pictureMode = PictureMode::Core;
    std::map<std::string, std::string, std::less<>> settings; // key -> text, designSettings() keys

    std::string& field(FieldIndex index);
    const std::string& field(FieldIndex index) const;
    bool operator==(const Design&) const = default;
};

// The start-up design: start-up texts, "KQ CORE", CORE, every setting's start-up text.
Design startupDesign();

// The file's text: UTF-8, two-space indents, the fields in index order. Bytes of a text that are
// no part of valid UTF-8 (no front end types them) are written as U+FFFD; `replaced` counts them.
std::string writeDesign(const Design& design, std::size_t* replaced = nullptr);
// The same on one line, for a share link.
std::string writeDesignCompact(const Design& design);

struct DesignReading {
    std::optional<Design> design;   // none: the file cannot be used
    std::string badKey;             // the first key that stopped it: "fields.24", "(file)"
    std::string problem;            // why, in English
    std::vector<std::string> notes; // read with notes: a newer format, keys left out
};

// Strict for this format version: every key known, the 17 fields, the core type and the picture
// mode present, every value of its type; "settings" and "program" may be missing. A newer version
// opens where the keys this version knows are sound, with a note naming what was left out.
DesignReading readDesign(std::string_view text);
// The same for a design already parsed, as the recent-designs list holds them.
DesignReading readDesign(const json::Value& root);

// The messages the front ends show, naming the file ("KQ8.coilwind") the user chose.
std::string openRefusalText(std::string_view fileName, const DesignReading& reading);
std::string openNotesText(std::string_view fileName, const DesignReading& reading);
// Why a design cannot be saved, or none: only a text beyond kDesignFileLimit.
std::optional<std::string> saveRefusalText(std::string_view fileName, std::string_view fileText);
// The name a new file is offered under: field 0 with the characters file systems refuse replaced.
std::string suggestedFileName(const Design& design);

// The words of saving and opening, for the menus, dialogs and buttons of both front ends, marked
// for the text catalogue: shown through translate("Design", ...).
inline constexpr std::string_view kSaveDesignTitle = QT_TRANSLATE_NOOP("Design", "保存设计 (save design)…");
inline constexpr std::string_view kOpenDesignTitle = QT_TRANSLATE_NOOP("Design", "打开设计 (open design)…");
inline constexpr std::string_view kSaveSheetTitle = QT_TRANSLATE_NOOP("Design", "设计单存为 PDF (design sheet as PDF)…");
inline constexpr std::string_view kPrintSheetTitle = QT_TRANSLATE_NOOP("Design", "打印设计单 (print the design sheet)…");
inline constexpr std::string_view kSheetFileFilter = "PDF (*.pdf)";
inline constexpr std::string_view kCopyLinkTitle = QT_TRANSLATE_NOOP("Design", "复制链接 (copy link)");
inline constexpr std::string_view kDesignFileFilter = QT_TRANSLATE_NOOP("Design", "coilwind 设计 (*.coilwind)");
inline constexpr std::string_view kLinkCopiedText = QT_TRANSLATE_NOOP(
    "Design", "链接已复制 (link copied): the design is in the address after '#', which the "
              "browser sends nowhere.");
// A file the system could not read or write: "cannot save a.coilwind: Permission denied".
std::string fileProblemText(bool saving, std::string_view fileName, std::string_view reason);
// After a save or an open that needed no message.
std::string savedText(std::string_view fileName);
std::string openedText(std::string_view fileName);

// A share link's fragment, without the '#': "design=" and the compact file in base64url.
std::string designFragment(const Design& design);
// Reads a fragment (with or without its '#'); a fragment that is not a design's is refused with
// the reason, badKey "(link)" when the link itself is damaged.
DesignReading readDesignFragment(std::string_view fragment);
std::string linkRefusalText(const DesignReading& reading);

} // namespace coilwind
