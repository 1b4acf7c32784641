#include "core_picture.hpp"

#include "calc/text.hpp"

namespace coilwind {

CorePicture corePictureOf(PictureMode mode, CoreType core) {
    const bool rod = core == CoreType::Rod;
    if (mode == PictureMode::Core) {
        return rod ? CorePicture{"RC", translate("Picture", "棒形磁心：直径A，长度B (rod core: "
                                                            "diameter A, length B)")}
                   : CorePicture{"KQCORE",
                                 translate("Picture", "工字磁心：外径A，中柱B，长D，幅宽F (drum "
                                                      "core: outer diameter A, centre post B, "
                                                      "length D, winding width F)")};
    }
    return rod ? CorePicture{"R", translate("Picture", "棒形电感 (wound rod-core inductor)")}
               : CorePicture{"KQ", translate("Picture", "工字电感 (wound drum-core inductor)")};
}

} // namespace coilwind
