#include "settings_limits.hpp"

#include "failure.hpp"
#include "number_text.hpp"

namespace coilwind {

std::string rangeText(const SettingLimit& limit) {
    return "from " + shortestText(limit.lowest) + " to " + shortestText(limit.highest) + " " +
           std::string(limit.unit);
}

void requireWithin(const SettingLimit& limit, double value) {
    if (!limit.admits(value)) {
        throw CalculationFault(FaultKind::OutOfDomain, "the " + std::string(limit.name) +
                                                           " lies outside its range, " +
                                                           rangeText(limit));
    }
}

} // namespace coilwind
