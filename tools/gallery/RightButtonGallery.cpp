// The right-button tool, shown as the control panel shows it.
#include "GalleryShot.h"
#include "basVersion.h"

namespace gallery {
namespace {

void RightButtonTool(Gallery& g) {
    Shoot(g.StartForm(basVersion::RightButtonFile, "frmMain"), "rightbutton");
}

} // namespace

std::vector<e2e::Step> RightButtonScenes() {
    return {OnStage("Gallery.RightButtonTool", RightButtonTool)};
}

} // namespace gallery
