// Start-up failures of the main window: the box, and nothing left open.
#include <gtest/gtest.h>

#include "BasGlobal.h"
#include "MainWindowFixture.h"
#include "Settings.h"
#include "basVersion.h"
#include "forms/Runtime.h"

namespace cptest {
namespace {

using StartFailure = MainWindowTest;

void ExpectOnlyErrorBox(const wintest::BoxRecorder& boxes, const char* text) {
    ASSERT_EQ(1u, boxes.Boxes().size());
    const wintest::RecordedBox& box = boxes.Boxes().front();
    EXPECT_EQ(text, box.text);
    EXPECT_EQ(basVersion::ControlPanelTitle, box.title);
    EXPECT_EQ(0x1010u, box.style) << "error icon, system-modal, OK only";
}

TEST_F(StartFailure, AMissingIdentityValueEndsBeforeTheDeviceIsOpened) {
    e2e::DeleteSetting("HardwareID");
    EXPECT_FALSE(frmMainForm().Load());
    ExpectOnlyErrorBox(boxes, "Fail to load data from Register File!");
    EXPECT_EQ(INVALID_HANDLE_VALUE, BasGlobal::DeviceHandle);
    EXPECT_TRUE(forms::EndRequested());
}

TEST_F(StartFailure, NoControllerEndsWithTheDeviceClosed) {
    ASSERT_TRUE(sim.SetPresent(false));
    EXPECT_FALSE(frmMainForm().Load());
    ExpectOnlyErrorBox(boxes, "TouchScreen Controller Not Found!");
    EXPECT_EQ(INVALID_HANDLE_VALUE, BasGlobal::DeviceHandle);
    EXPECT_TRUE(forms::EndRequested());
}

} // namespace
} // namespace cptest
