// The gallery: opens every window and message box of the suite, in the build
// of this program, and writes a picture of each. Arguments name the scenes to
// run ("ControlPanel.*", "Startup.LogonWindowAndNoController"); none: all.
// Prints every picture it made; exits with 1 when one could not be made.
#include "GalleryShot.h"

int main(int argc, char** argv) {
    std::vector<e2e::Step> scenes;
    for (auto programScenes :
         {gallery::ControlPanelScenes, gallery::RightButtonScenes, gallery::StartupScenes,
          gallery::InstallerScenes, gallery::RemovalScenes})
        for (e2e::Step& scene : programScenes())
            scenes.push_back(std::move(scene));
    return e2e::RunSteps(argc, argv, scenes);
}
