#pragma once

#include <string_view>

namespace coilwind {

enum class CoreType { Drum, Rod };

inline constexpr std::string_view kDrumCoreText = "KQ CORE";
inline constexpr std::string_view kRodCoreText = "R CORE";

// Only the exact list text selects the rod core; anything typed into the box (other case,
// trailing blank, empty) means the drum core. The calculation and the picture share this test.
constexpr CoreType coreTypeOf(std::string_view coreTypeText) {
    return coreTypeText == kRodCoreText ? CoreType::Rod : CoreType::Drum;
}

} // namespace coilwind
