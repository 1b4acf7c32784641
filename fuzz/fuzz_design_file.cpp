// Any bytes read as a design file, a share link's fragment and a recent-designs list: never a
// crash, a hang or a sanitizer report; a refusal always names its key and reason; and a design
// that was read writes to a file and a link that read back to the same design.

#include "fuzz/check.hpp"
#include "view/design_file.hpp"
#include "view/json.hpp"
#include "view/recent_designs.hpp"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using coilwind::fuzz::require;

void checkRoundTrip(const coilwind::Design& design) {
    const std::string file = coilwind::writeDesign(design);
    require(coilwind::json::isUtf8(file), "a written file is not UTF-8");
    const coilwind::DesignReading again = coilwind::readDesign(file);
    require(again.design.has_value(), "a written file is refused");
    require(*again.design == design, "a written file reads back to another design");
    require(again.notes.empty(), "a written file reads back with notes");
    const coilwind::DesignReading link =
        coilwind::readDesignFragment(coilwind::designFragment(design));
    require(link.design.has_value() && *link.design == design, "a link reads back differently");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const coilwind::DesignReading reading = coilwind::readDesign(text);
    if (reading.design) {
        checkRoundTrip(*reading.design);
    } else {
        require(!reading.badKey.empty() && !reading.problem.empty(), "a refusal without reason");
    }

    // The same bytes as a link's fragment, and as any text written into a field.
    const coilwind::DesignReading link = coilwind::readDesignFragment(text);
    require(link.design.has_value() || !link.problem.empty(), "a link refused without reason");
    coilwind::Design typed = coilwind::startupDesign();
    typed.field(coilwind::field::kCoreModel) = std::string(text);
    typed.coreType = std::string(text);
    if (coilwind::json::isUtf8(text)) {
        checkRoundTrip(typed);
    }

    const auto recent = coilwind::readRecent(text);
    require(recent.size() <= coilwind::kRecentLimit, "more recent designs than the limit");
    require(coilwind::readRecent(coilwind::writeRecent(recent)) == recent,
            "the recent designs read back differently");
    return 0;
}
