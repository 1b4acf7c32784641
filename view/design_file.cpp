#include "design_file.hpp"

#include "view/details_settings.hpp"

#include "calc/core_type.hpp"
#include "calc/number_text.hpp"
#include "calc/winding_details.hpp"
#include "calc/wire_table.hpp"
#include "view/json.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

#ifndef COILWIND_VERSION
#error "COILWIND_VERSION comes from the project's version in CMakeLists.txt"
#endif

namespace coilwind {
namespace {

bool isSeriesKey(std::string_view text) {
    return seriesFromKey(text).has_value();
}

std::string seriesKeys() {
    std::string keys;
    for (const WireSeries series : kWireSeries) {
        keys += (keys.empty() ? "" : ", ") + std::string(seriesKey(series));
    }
    return keys;
}

// The key of each setting is also the name of its box in both front ends.
const std::vector<DesignSetting>& settingsTable() {
    static const std::vector<DesignSetting> table = [] {
        std::vector<DesignSetting> settings{{"series",
                                             std::string(seriesKey(DetailsSettings{}.series)),
                                             isSeriesKey, "a wire series"}};
        for (const NumberSetting& setting : numberSettings()) {
            settings.push_back({setting.text.name, defaultSettingText(setting), nullptr, {}});
        }
        return settings;
    }();
    return table;
}

constexpr std::array<std::pair<PictureMode, std::string_view>, 2> kPictureModes{{
    {PictureMode::Core, "core"},
    {PictureMode::Inductance, "inductance"},
}};

std::string_view pictureModeKey(PictureMode mode) {
    return mode == PictureMode::Core ? kPictureModes[0].second : kPictureModes[1].second;
}

std::string quoted(std::string_view text) {
    std::string out;
    json::appendString(out, text);
    return out;
}

// The members in the order they are written; `indent` empty for one line.
std::string write(const Design& design, std::string_view indent, std::size_t* replaced) {
    const std::string newline = indent.empty() ? "" : "\n";
    const std::string colon = indent.empty() ? ":" : ": ";
    const std::string one = newline + std::string(indent);
    const std::string two = one + std::string(indent);
    std::size_t bad = 0;
    std::string out = "{";
    const auto key = [&](std::string_view prefix, std::string_view name) {
        out += prefix;
        json::appendString(out, name);
        out += colon;
    };
    key(one, "format");
    json::appendString(out, kDesignFormat);
    key("," + one, "version");
    out += std::to_string(kDesignFormatVersion);
    key("," + one, "program");
    json::appendString(out, programVersion());
    key("," + one, "fields");
    out += "{";
    for (std::size_t slot = 0; slot < kFields.size(); ++slot) {
        key((slot == 0 ? "" : ",") + two, std::to_string(kFields[slot].index));
        bad += json::appendString(out, design.fields[slot]);
    }
    out += one + "}";
    key("," + one, "coreType");
    bad += json::appendString(out, design.coreType);
    key("," + one, "pictureMode");
    json::appendString(out, pictureModeKey(design.pictureMode));
    key("," + one, "settings");
    out += "{";
    bool first = true;
    for (const DesignSetting& setting : settingsTable()) {
        const auto found = design.settings.find(setting.key);
        if (found == design.settings.end()) {
            continue;
        }
        key((first ? "" : ",") + two, setting.key);
        bad += json::appendString(out, found->second);
        first = false;
    }
    out += (first ? "" : one) + "}";
    out += newline + "}" + newline;
    if (replaced != nullptr) {
        *replaced = bad;
    }
    return out;
}

// --- reading ---------------------------------------------------------------------------------

struct Refused {
    std::string key;
    std::string problem;
};

class Reader {
public:
    DesignReading read(const json::Value& root) {
        DesignReading reading;
        try {
            reading.design = design(root);
            reading.notes = std::move(notes_);
        } catch (const Refused& refused) {
            reading.badKey = refused.key;
            reading.problem = refused.problem;
        }
        return reading;
    }

private:
    [[noreturn]] static void refuse(std::string key, std::string problem) {
        throw Refused{std::move(key), std::move(problem)};
    }

    static const json::Members& objectAt(const json::Value& value, const std::string& key) {
        const json::Members* members = value.object();
        if (members == nullptr) {
            refuse(key, "expected an object, found " + std::string(value.kindName()));
        }
        if (const std::string* repeated = json::repeatedKey(*members)) {
            refuse(key.empty() ? *repeated : key + "." + *repeated, "the key appears twice");
        }
        return *members;
    }

    static const std::string& textAt(const json::Value& value, const std::string& key) {
        const std::string* text = value.string();
        if (text == nullptr) {
            refuse(key, "expected a text, found " + std::string(value.kindName()));
        }
        return *text;
    }

    // A key this version does not know: refused in a file of this version, left out of a newer
    // one with a note.
    void unknown(const std::string& key) {
        if (!newer_) {
            refuse(key, "not a key of a design file");
        }
        leftOut_.push_back(key);
    }

    Design design(const json::Value& root) {
        const json::Members& top = objectAt(root, "(file)");
        const json::Value* format = json::find(top, "format");
        if (format == nullptr) {
            refuse("format", "missing: this is not a coilwind design file");
        }
        if (textAt(*format, "format") != kDesignFormat) {
            refuse("format", "expected \"" + std::string(kDesignFormat) + "\", found " +
                                 quoted(*format->string()));
        }
        const json::Value* version = json::find(top, "version");
        if (version == nullptr) {
            refuse("version", "missing");
        }
        const int versionNumber = formatVersion(*version);
        newer_ = versionNumber > kDesignFormatVersion;

        Design design = startupDesign();
        bool fields = false;
        bool coreType = false;
        bool pictureMode = false;
        std::string program;
        for (const auto& [key, value] : top) {
            if (key == "format" || key == "version") {
                // read above
            } else if (key == "program") {
                program = textAt(value, key);
            } else if (key == "fields") {
                readFields(value, design);
                fields = true;
            } else if (key == "coreType") {
                design.coreType = textAt(value, key);
                coreType = true;
            } else if (key == "pictureMode") {
                design.pictureMode = readPictureMode(value);
                pictureMode = true;
            } else if (key == "settings") {
                readSettings(value, design);
            } else {
                unknown(key);
            }
        }
        if (!fields) {
            refuse("fields", "missing");
        }
        if (!coreType) {
            refuse("coreType", "missing");
        }
        if (!pictureMode) {
            refuse("pictureMode", "missing");
        }
        if (newer_) {
            std::string note = "written by a newer coilwind" +
                               (program.empty() ? std::string() : " (" + program + ")") +
                               " in format version " + std::to_string(versionNumber) +
                               "; opened as format version " +
                               std::to_string(kDesignFormatVersion) + " reads it";
            notes_.insert(notes_.begin(), std::move(note));
        }
        if (!leftOut_.empty()) {
            std::string note = "left out, unknown to this version:";
            for (const std::string& key : leftOut_) {
                note += " " + key;
            }
            notes_.push_back(std::move(note));
        }
        return design;
    }

    static int formatVersion(const json::Value& value) {
        const json::Number* number = value.number();
        if (number == nullptr) {
            refuse("version", "expected a whole number, found " + std::string(value.kindName()));
        }
        const std::string& text = number->text;
        const bool whole =
            !text.empty() && text.size() <= 6 &&
            std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!whole || text == "0" || text.front() == '0') {
            refuse("version", "expected a whole number from 1 to 999999, found " + text);
        }
        return std::stoi(text);
    }

    void readFields(const json::Value& value, Design& design) {
        const json::Members& members = objectAt(value, "fields");
        std::array<bool, kFields.size()> seen{};
        for (const auto& [name, text] : members) {
            const std::string key = "fields." + name;
            int slot = -1;
            for (std::size_t i = 0; i < kFields.size(); ++i) {
                if (name == std::to_string(kFields[i].index)) {
                    slot = static_cast<int>(i);
                }
            }
            if (slot < 0) {
                unknown(key);
                continue;
            }
            design.fields[static_cast<std::size_t>(slot)] = textAt(text, key);
            seen[static_cast<std::size_t>(slot)] = true;
        }
        for (std::size_t slot = 0; slot < kFields.size(); ++slot) {
            if (!seen[slot]) {
                refuse("fields." + std::to_string(kFields[slot].index), "missing");
            }
        }
    }

    static PictureMode readPictureMode(const json::Value& value) {
        const std::string& text = textAt(value, "pictureMode");
        for (const auto& [mode, key] : kPictureModes) {
            if (text == key) {
                return mode;
            }
        }
        refuse("pictureMode", "expected \"core\" or \"inductance\", found " + quoted(text));
    }

    void readSettings(const json::Value& value, Design& design) {
        const json::Members& members = objectAt(value, "settings");
        for (const auto& member : members) {
            const std::string& name = member.first;
            const json::Value& text = member.second;
            const std::string key = "settings." + name;
            const std::vector<DesignSetting>& settings = settingsTable();
            const auto setting =
                std::find_if(settings.begin(), settings.end(),
                             [&](const DesignSetting& s) { return s.key == name; });
            if (setting == settings.end()) {
                // Settings come and go between versions of the same format: never a refusal.
                leftOut_.push_back(key);
                continue;
            }
            const std::string& settingText = textAt(text, key);
            if (setting->accepts != nullptr && !setting->accepts(settingText)) {
                if (!newer_) {
                    refuse(key, "expected " + std::string(setting->expected) + " (" + seriesKeys() +
                                    "), found " + quoted(settingText));
                }
                leftOut_.push_back(key);
                continue;
            }
            design.settings[std::string(setting->key)] = settingText;
        }
    }

    bool newer_ = false;
    std::vector<std::string> leftOut_;
    std::vector<std::string> notes_;
};

// --- base64url (RFC 4648, section 5), without padding ----------------------------------------

constexpr std::string_view kBase64Url =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

std::string toBase64Url(std::string_view bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    std::uint32_t buffer = 0;
    int bits = 0;
    for (const char c : bytes) {
        buffer = (buffer << 8) | static_cast<unsigned char>(c);
        bits += 8;
        while (bits >= 6) {
            bits -= 6;
            out += kBase64Url[(buffer >> bits) & 0x3F];
        }
    }
    if (bits > 0) {
        out += kBase64Url[(buffer << (6 - bits)) & 0x3F];
    }
    return out;
}

std::optional<std::string> fromBase64Url(std::string_view text) {
    std::string out;
    out.reserve(text.size() / 4 * 3 + 3);
    std::uint32_t buffer = 0;
    int bits = 0;
    for (const char c : text) {
        const std::size_t value = kBase64Url.find(c);
        if (value == std::string_view::npos) {
            return std::nullopt;
        }
        buffer = ((buffer << 6) | static_cast<std::uint32_t>(value)) & 0xFFFFFF;
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out += static_cast<char>((buffer >> bits) & 0xFF);
        }
    }
    // A lone sixth of a byte, or leftover bits that are not zero, is no encoding of any bytes.
    if (bits >= 6 || (buffer & ((1U << bits) - 1)) != 0) {
        return std::nullopt;
    }
    return out;
}

constexpr std::string_view kFragmentKey = "design=";

} // namespace

std::string_view programVersion() {
    return "coilwind " COILWIND_VERSION;
}

std::span<const DesignSetting> designSettings() {
    return settingsTable();
}

std::string& Design::field(FieldIndex index) {
    return fields.at(static_cast<std::size_t>(slotOf(index)));
}

const std::string& Design::field(FieldIndex index) const {
    return fields.at(static_cast<std::size_t>(slotOf(index)));
}

Design startupDesign() {
    Design design;
    for (std::size_t slot = 0; slot < kFields.size(); ++slot) {
        design.fields[slot] = std::string(kFields[slot].startupText);
    }
    design.coreType = std::string(kDrumCoreText);
    for (const DesignSetting& setting : settingsTable()) {
        design.settings[std::string(setting.key)] = setting.defaultText;
    }
    return design;
}

std::string writeDesign(const Design& design, std::size_t* replaced) {
    return write(design, "  ", replaced);
}

std::string writeDesignCompact(const Design& design) {
    return write(design, "", nullptr);
}

DesignReading readDesign(std::string_view text) {
    if (text.size() > kDesignFileLimit) {
        DesignReading reading;
        reading.badKey = "(file)";
        reading.problem = "larger than " + std::to_string(kDesignFileLimit / 1024) +
                          " KiB; a design file is a few kilobytes";
        return reading;
    }
    const json::ParseResult parsed = json::parse(text);
    if (!parsed.problem.empty()) {
        DesignReading reading;
        reading.badKey = "(file)";
        reading.problem = "not JSON: " + parsed.problem;
        return reading;
    }
    return readDesign(parsed.value);
}

DesignReading readDesign(const json::Value& root) {
    return Reader().read(root);
}

std::string openRefusalText(std::string_view fileName, const DesignReading& reading) {
    return filled(translate("Design", "无法打开 (cannot open) %1: %2: %3. 未作任何更改 (nothing was "
                                      "changed)."),
                  {fileName, reading.badKey, reading.problem});
}

std::string openNotesText(std::string_view fileName, const DesignReading& reading) {
    if (reading.notes.empty()) {
        return {};
    }
    std::string text =
        filled(translate("Design", "已打开，但有说明 (opened with notes) %1:"), {fileName});
    for (const std::string& note : reading.notes) {
        text += "\n• " + note;
    }
    return text;
}

std::optional<std::string> saveRefusalText(std::string_view fileName, std::string_view fileText) {
    if (fileText.size() <= kDesignFileLimit) {
        return std::nullopt;
    }
    return filled(translate("Design", "无法保存 (cannot save) %1: the fields hold more than %2 KiB "
                                      "of text, more than a design file may."),
                  {fileName, std::to_string(kDesignFileLimit / 1024)});
}

std::string fileProblemText(bool saving, std::string_view fileName, std::string_view reason) {
    return filled(saving ? translate("Design", "无法保存 (cannot save) %1: %2.")
                         : translate("Design", "无法打开 (cannot open) %1: %2. 未作任何更改 "
                                               "(nothing was changed)."),
                  {fileName, reason});
}

std::string savedText(std::string_view fileName) {
    return filled(translate("Design", "已保存 (saved) %1"), {fileName});
}

std::string openedText(std::string_view fileName) {
    return filled(translate("Design", "已打开 (opened) %1; nothing was calculated."), {fileName});
}

std::string suggestedFileName(const Design& design) {
    std::string name;
    for (const char c : design.field(field::kCoreModel)) {
        const auto byte = static_cast<unsigned char>(c);
        const bool refused = byte < 0x20 || byte == 0x7F ||
                             std::string_view("<>:\"/\\|?*").find(c) != std::string_view::npos;
        name += refused ? '_' : c;
    }
    // Windows refuses names that end in a dot or a blank; a name of dots means a folder.
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) {
        name.pop_back();
    }
    if (name.empty() || !json::isUtf8(name)) {
        name = "design";
    }
    return name + std::string(kDesignExtension);
}

std::string designFragment(const Design& design) {
    return std::string(kFragmentKey) + toBase64Url(writeDesignCompact(design));
}

DesignReading readDesignFragment(std::string_view fragment) {
    if (!fragment.empty() && fragment.front() == '#') {
        fragment.remove_prefix(1);
    }
    DesignReading damaged;
    damaged.badKey = "(link)";
    if (!fragment.starts_with(kFragmentKey)) {
        damaged.problem = "the address holds no design after its '#'";
        return damaged;
    }
    fragment.remove_prefix(kFragmentKey.size());
    // Base64 grows by a third: a larger fragment cannot hold a file the reader would take.
    if (fragment.size() > kDesignFileLimit / 3 * 4 + 4) {
        damaged.problem = "the design in the address is larger than a design file may be";
        return damaged;
    }
    const std::optional<std::string> text = fromBase64Url(fragment);
    if (!text) {
        damaged.problem = "the design in the address is cut short or altered (not base64url)";
        return damaged;
    }
    return readDesign(*text);
}

std::string linkRefusalText(const DesignReading& reading) {
    return filled(translate("Design", "无法打开链接中的设计 (cannot open the design in the link): "
                                      "%1: %2. 未作任何更改 (nothing was changed)."),
                  {reading.badKey, reading.problem});
}

} // namespace coilwind
