// A prepared world for the main window in-process: a reset simulated
// controller, the settings key with a complete identity, an install folder of
// its own, and message boxes recorded instead of shown. Every window the test
// opened is unloaded at its end.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "DeviceBlocks.h"
#include "SimClient.h"
#include "WinTestSupport.h"
#include "frmMain.h"

namespace cptest {

constexpr const char* VenderName = "Acme Touch";

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // Loads and shows the main window; fails the test when it did not stay.
    frmMain& OpenMain();

    // The controller's record now, to change and preset.
    DeviceRecord CurrentRecord();
    // A file in the install folder; it holds a small valid bitmap.
    void PutInstallFile(const std::string& name);
    void RemoveInstallFile(const std::string& name);

    sim::Client sim;
    wintest::BoxRecorder boxes;
    std::string installDir;
};

// A value of the settings key, written or the test stops.
void PutSetting(const std::string& name, const std::string& text);
void PutSetting(const std::string& name, DWORD number);

// Input from the user as the window sees it: the modifier keys (1 Shift,
// 2 Ctrl, 4 Alt) are held in the thread's keyboard state while the
// messages are handled.
void PressMouse(HWND window, int button, int shift);
void PressKey(HWND window, int key, int shift);

} // namespace cptest
