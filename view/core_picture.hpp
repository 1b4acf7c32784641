#pragma once

#include "calc/core_type.hpp"

#include <string>
#include <string_view>

namespace coilwind {

// CORE shows the bare core, INDUCTANCE the wound inductor.
enum class PictureMode { Core, Inductance };

struct CorePicture {
    std::string_view name;        // "KQCORE", "RC", "KQ" or "R": assets/<name>.svg
    std::string description; // what it shows, for screen readers, in the chosen language
};

CorePicture corePictureOf(PictureMode mode, CoreType core);

} // namespace coilwind
