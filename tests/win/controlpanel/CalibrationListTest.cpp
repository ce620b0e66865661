// The calibration choice on the main window and its place in the store.
#include <gtest/gtest.h>

#include "MainWindowFixture.h"
#include "Settings.h"
#include "basOEM.h"

namespace cptest {
namespace {

using CalibrationList = MainWindowTest;

DWORD StoredMode() {
    DWORD mode = 0xDEADBEEF;
    EXPECT_TRUE(e2e::ReadSettingDword("CalibrationMode", mode))
        << "no CalibrationMode number stored";
    return mode;
}

TEST_F(CalibrationList, OffersBothProceduresAndStoresTheMissingIndexAsZero) {
    frmMain& main = OpenMain();
    ASSERT_EQ(2, main.cboCalibration.ListCount());
    EXPECT_EQ(" 4 points, mode 1", main.cboCalibration.List(0));
    EXPECT_EQ(" 4 points, mode 2", main.cboCalibration.List(1));
    EXPECT_EQ(0, main.cboCalibration.ListIndex());
    EXPECT_EQ(0u, StoredMode());
}

TEST_F(CalibrationList, KeepsAStoredModeInRange) {
    PutSetting("CalibrationMode", DWORD{1});
    frmMain& main = OpenMain();
    EXPECT_EQ(1, main.cboCalibration.ListIndex());
    EXPECT_EQ(" 4 points, mode 2", main.cboCalibration.Text());
    EXPECT_EQ(1, basOEM::CalibrationMode);
    EXPECT_EQ(1u, StoredMode());
}

TEST_F(CalibrationList, OutOfRangeModesFallBackToTheFirstAndAreWrittenBack) {
    for (DWORD stored : {DWORD{5}, DWORD{2}, DWORD{0xFFFFFFFF}}) {
        PutSetting("CalibrationMode", stored);
        frmMain& main = OpenMain();
        EXPECT_EQ(0, main.cboCalibration.ListIndex()) << "stored " << stored;
        EXPECT_EQ(" 4 points, mode 1", main.cboCalibration.Text()) << "stored " << stored;
        EXPECT_EQ(0u, StoredMode()) << "stored " << stored;
        main.Unload();
    }
}

TEST_F(CalibrationList, AStringValueCountsAsMissing) {
    PutSetting("CalibrationMode", std::string("1"));
    frmMain& main = OpenMain();
    EXPECT_EQ(0, main.cboCalibration.ListIndex());
    EXPECT_EQ(0u, StoredMode()) << "written back as a number";
}

TEST_F(CalibrationList, TheUsersChoiceIsStored) {
    frmMain& main = OpenMain();
    // As the list reports a choice by the user.
    HWND combo = main.cboCalibration.hWnd();
    SendMessageA(combo, CB_SETCURSEL, 1, 0);
    SendMessageA(main.hWnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
    EXPECT_EQ(1, basOEM::CalibrationMode);
    EXPECT_EQ(1u, StoredMode());

    main.cboCalibration.SetListIndex(0);
    EXPECT_EQ(0u, StoredMode());
}

} // namespace
} // namespace cptest
