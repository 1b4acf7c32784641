#include "recent_designs.hpp"

#include "view/json.hpp"

#include <algorithm>
#include <utility>

namespace coilwind {

void noteRecent(std::vector<RecentDesign>& list, RecentDesign entry) {
    std::erase_if(list, [&](const RecentDesign& old) { return old.design == entry.design; });
    list.insert(list.begin(), std::move(entry));
    if (list.size() > kRecentLimit) {
        list.resize(kRecentLimit);
    }
}

std::string writeRecent(const std::vector<RecentDesign>& list) {
    std::string out = "{\"format\":";
    json::appendString(out, kRecentFormat);
    out += ",\"version\":1,\"designs\":[";
    for (std::size_t i = 0; i < list.size() && i < kRecentLimit; ++i) {
        out += i == 0 ? "\n" : ",\n";
        out += "{\"time\":";
        json::appendString(out, list[i].time);
        out += ",\"design\":" + writeDesignCompact(list[i].design) + "}";
    }
    out += "]}\n";
    return out;
}

std::vector<RecentDesign> readRecent(std::string_view text) {
    std::vector<RecentDesign> list;
    if (text.size() > (kRecentLimit + 1) * kDesignFileLimit) {
        return list;
    }
    const json::ParseResult parsed = json::parse(text);
    const json::Members* top = parsed.value.object();
    if (!parsed.problem.empty() || top == nullptr) {
        return list;
    }
    const json::Value* format = json::find(*top, "format");
    const json::Value* designs = json::find(*top, "designs");
    if (format == nullptr || format->string() == nullptr || *format->string() != kRecentFormat ||
        designs == nullptr || designs->array() == nullptr) {
        return list;
    }
    for (const json::Value& item : *designs->array()) {
        const json::Members* members = item.object();
        if (list.size() == kRecentLimit || members == nullptr) {
            continue;
        }
        const json::Value* time = json::find(*members, "time");
        const json::Value* design = json::find(*members, "design");
        if (time == nullptr || time->string() == nullptr || design == nullptr) {
            continue;
        }
        DesignReading reading = readDesign(*design);
        if (reading.design) {
            list.push_back({*time->string(), std::move(*reading.design)});
        }
    }
    return list;
}

std::string recentLabel(const RecentDesign& entry) {
    const Design& design = entry.design;
    // One line in a menu: a text that breaks the line would break the list.
    const auto oneLine = [](std::string text) {
        std::replace_if(
            text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r' || c == '\t'; },
            ' ');
        while (!text.empty() && text.back() == ' ') {
            text.pop_back();
        }
        return text;
    };
    return entry.time + "  " + oneLine(design.field(field::kCoreModel)) + " · " +
           oneLine(design.coreType) + " · L " + oneLine(design.field(field::kInductance)) +
           " uH · N " + oneLine(design.field(field::kTurns)) + " · d " +
           oneLine(design.field(field::kWireDiameter)) + " mm";
}

} // namespace coilwind
