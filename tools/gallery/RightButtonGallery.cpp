// The right-button tool, shown as the control panel shows it.
#include <gtest/gtest.h>

#include "GalleryShot.h"
#include "basVersion.h"

namespace gallery {
namespace {

TEST_F(Gallery, RightButtonTool) {
    EXPECT_TRUE(Shoot(StartForm(basVersion::RightButtonFile, "frmMain"), "rightbutton"));
}

} // namespace
} // namespace gallery
