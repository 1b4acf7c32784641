#include "settings_limits.hpp"

#include "number_text.hpp"

namespace coilwind {

std::string rangeText(const SettingLimit& limit) {
    return "from " + shortestText(limit.lowest) + " to " + shortestText(limit.highest) + " " +
           std::string(limit.unit);
}

} // namespace coilwind
