// The confirmation window in-process: the etched line drawn above the
// buttons, and the end of the program when the identity cannot be loaded.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "WinTestSupport.h"
#include "basVersion.h"
#include "forms/Runtime.h"
#include "frmMain.h"

namespace {

void PutSetting(const std::string& name, const char* text) {
    const std::string key =
        std::string(basVersion::SettingsKeyPath) + "\\" + basVersion::SettingsSubkey;
    HKEY handle = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyA(HKEY_LOCAL_MACHINE, key.c_str(), &handle));
    if (text)
        RegSetValueExA(handle, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                       static_cast<DWORD>(strlen(text) + 1));
    else
        RegDeleteValueA(handle, name.c_str());
    RegCloseKey(handle);
}

class ConfirmationWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        const std::pair<const char*, const char*> identity[] = {
            {"VenderName", "Orvalith"},
            {"VenderStyle", ""},
            {"InstallPath", "C:\\windows"},
            {"WindowsPath", "C:\\windows"},
            {"SystemPath", "C:\\windows\\system32"},
            {"HardwareID", basVersion::HardwareId}};
        for (const auto& [name, text] : identity)
            PutSetting(name, text);
    }
    void TearDown() override {
        frmMainForm().Unload();
        // A test that ended the program leaves the end request for the loop.
        if (forms::EndRequested())
            forms::RunMessageLoop();
        forms::DoEvents();
    }
    wintest::BoxRecorder boxes;
};

TEST_F(ConfirmationWindow, AnEtchedLineAcrossTheFrameAboveTheButtons) {
    frmMain& form = frmMainForm();
    ASSERT_TRUE(form.Load());
    form.Show();
    form.Refresh();
    forms::DoEvents();

    const int left = form.ToPixelsX(form.shpRemoval.Left() - 50);
    const int right = form.ToPixelsX(form.shpRemoval.Left() + form.shpRemoval.Width() + 50);
    const int middle = (left + right) / 2;
    const int row = form.ToPixelsY(form.cmdYes.Top() - form.cmdNo.Height() / 2);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    HDC dc = GetDC(form.hWnd());
    int shadowRow = -1;
    for (int y = row - 1; y <= row + 1 && shadowRow < 0; ++y)
        if (GetPixel(dc, middle, y) == shadow)
            shadowRow = y;
    ASSERT_GE(shadowRow, 0) << "the dark line near row " << row;
    EXPECT_EQ(highlight, GetPixel(dc, middle, shadowRow + 1)) << "the light line under it";
    EXPECT_EQ(shadow, GetPixel(dc, left + 1, shadowRow));
    EXPECT_EQ(shadow, GetPixel(dc, right - 1, shadowRow));
    EXPECT_NE(shadow, GetPixel(dc, left - 3, shadowRow)) << "no further than 50 twips out";
    EXPECT_NE(shadow, GetPixel(dc, right + 3, shadowRow));
    ReleaseDC(form.hWnd(), dc);
    EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(ConfirmationWindow, WithoutTheIdentityTheProgramEndsAfterAnOkBox) {
    PutSetting("WindowsPath", nullptr);
    EXPECT_FALSE(frmMainForm().Load());
    ASSERT_EQ(1u, boxes.Boxes().size());
    EXPECT_EQ("Fail to load data from Register File!", boxes.Boxes()[0].text);
    EXPECT_EQ(static_cast<unsigned>(MB_OK), boxes.Boxes()[0].style);
    EXPECT_EQ(basVersion::RemovalTitle, boxes.Boxes()[0].title);
    EXPECT_TRUE(forms::EndRequested());
}

} // namespace
