#pragma once

#include "calc/text.hpp"

// The last designs calculated, newest first, kept on the user's machine only (the desktop's data
// folder, the page's local storage) in a small JSON file of their own. Toolkit-free: the front
// ends only store the text and draw the list.

#include "view/design_file.hpp"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace coilwind {

inline constexpr std::size_t kRecentLimit = 20;
inline constexpr std::string_view kRecentFormat = "coilwind-recent";

struct RecentDesign {
    std::string time; // when it was calculated, as the front end wrote it: "2026-12-07 21:40"
    Design design;
    bool operator==(const RecentDesign&) const = default;
};

// Puts the design first; the same design calculated again moves up rather than appearing twice,
// and the oldest beyond kRecentLimit drop off.
void noteRecent(std::vector<RecentDesign>& list, RecentDesign entry);

std::string writeRecent(const std::vector<RecentDesign>& list);
// A list that cannot be read is empty; an entry that cannot be read is left out. Never more
// than kRecentLimit entries.
std::vector<RecentDesign> readRecent(std::string_view text);

// One line of the list: time, name (field 0), core type, L (field 19), turns (field 20) and wire
// (field 21), each as the fields show it.
std::string recentLabel(const RecentDesign& entry);
inline constexpr std::string_view kRecentMenuTitle = QT_TRANSLATE_NOOP("Design", "最近的设计 (recent designs)");
inline constexpr std::string_view kForgetRecentTitle = QT_TRANSLATE_NOOP("Design", "全部忘记 (forget all)");
inline constexpr std::string_view kNoRecentTitle = QT_TRANSLATE_NOOP("Design", "(尚无 — none yet)");

} // namespace coilwind
