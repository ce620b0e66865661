// The serial port windows of the running control panel (serial build): the
// nine port lines, the IRQ set-up with Save, OK and Cancel, and the lines
// redrawn when the set-up closes.
#include "PagesScenario.h"
#include "basVersion.h"

namespace {

using namespace pagese2e;

class SerialPortWindows : public PagesScenario {
  protected:
    void SetUp() override {
        PagesScenario::SetUp();
        if (basVersion::IsPs2Build)
            GTEST_SKIP() << "the PS/2 build has no way to these windows";
    }
};

constexpr PortEntry Ports[PortCount] = {
    {0x3F8, 4, 0}, {0x2F8, 3, 0}, {0x3E8, 4, 0}, {0x2E8, 9, 0}, {0, 0xFE, 0},
    {0, 0xFF, 0},  {0, 0xFF, 0},  {0, 0xFF, 0},  {0, 7, 0},
};

TEST_F(SerialPortWindows, PortLinesIrqSetupAndRedraw) {
    HWND ports = OpenPage(
        [](DeviceRecord& record) {
            record.ComPort = 2;
            for (int n = 0; n < PortCount; ++n)
                record.PortTable[n] = Ports[n];
        },
        "cmdSerialPort", "frmSerialPort");
    ASSERT_TRUE(ports);
    const char* const lines[PortCount] = {"COM1, BasePort=03F8h, IRQ=4",
                                          "COM2, BasePort=02F8h, IRQ=3",
                                          "COM3, BasePort=03E8h, IRQ=4",
                                          "COM4, BasePort=02E8h, IRQ=9",
                                          "COM5..Used by Other Device.",
                                          "COM6..Not Found.",
                                          "COM7..Not Found.",
                                          "COM8..Not Found.",
                                          "COM9..Unabled (code=7)"};
    for (int n = 1; n <= PortCount; ++n) {
        const std::string index = "(" + std::to_string(n) + ")";
        EXPECT_EQ(lines[n - 1], Text(ports, "lblCOM" + index));
        EXPECT_EQ(n == 2, Enabled(ports, "optDetected" + index)) << "port " << n;
        EXPECT_EQ(n == 2, Checked(ports, "optDetected" + index)) << "port " << n;
    }

    HWND setup = OpenFrom(ports, "cmdSetup", "frmCOMxSet");
    ASSERT_TRUE(setup);
    EXPECT_TRUE(e2e::WaitForVisible(ports, false));
    const char* const bases[] = {"03F8", "02F8", "03E8", "02E8"};
    for (int i = 1; i <= 4; ++i) {
        const std::string index = "(" + std::to_string(i) + ")";
        EXPECT_EQ(std::vector<std::string>(bases, bases + 4), Items(setup, "cboPort" + index));
        EXPECT_EQ(i - 1, ListIndex(setup, "cboPort" + index)) << "each list shows its own port";
        EXPECT_FALSE(Enabled(setup, "cboPort" + index));
        EXPECT_EQ(std::vector<std::string>({"3", "4", "5", "7", "10", "11"}),
                  Items(setup, "cboIRQ" + index));
    }
    EXPECT_EQ(1, ListIndex(setup, "cboIRQ(1)"));
    EXPECT_EQ(0, ListIndex(setup, "cboIRQ(2)"));
    EXPECT_EQ(-1, ListIndex(setup, "cboIRQ(4)")) << "IRQ 9 is not in the list";
    EXPECT_TRUE(Enabled(setup, "cmdSave")) << "a list without selection never equals the record";

    // Save keeps an IRQ the user did not choose, and never touches the bases.
    EXPECT_EQ(1u, ClickCounting(setup, "cmdSave", IOCTL_SetSerialPort));
    DeviceRecord record = DriverRecord();
    for (int n = 0; n < PortCount; ++n) {
        EXPECT_EQ(Ports[n].BasePort, record.PortTable[n].BasePort) << "port " << n + 1;
        EXPECT_EQ(Ports[n].IrqOrStatus, record.PortTable[n].IrqOrStatus) << "port " << n + 1;
    }
    EXPECT_FALSE(Enabled(setup, "cmdSave"));

    Choose(setup, "cboIRQ(4)", 5);
    EXPECT_TRUE(Enabled(setup, "cmdSave"));
    Click(setup, "cmdSave");
    EXPECT_EQ(11, DriverRecord().PortTable[3].IrqOrStatus);
    Choose(setup, "cboIRQ(2)", 3);
    EXPECT_TRUE(Enabled(setup, "cmdSave"));
    Choose(setup, "cboIRQ(2)", 0);
    EXPECT_FALSE(Enabled(setup, "cmdSave")) << "back at the record";

    // A refused write leaves the record as the driver has it.
    Choose(setup, "cboIRQ(1)", 3);
    ASSERT_TRUE(Sim().FailNext(1));
    Click(setup, "cmdSave");
    EXPECT_EQ(4, DriverRecord().PortTable[0].IrqOrStatus);
    EXPECT_TRUE(Enabled(setup, "cmdSave")) << "offered again";

    // Cancel after Save keeps what was saved; the lines are redrawn.
    Click(setup, "cmdCancel");
    EXPECT_TRUE(e2e::WaitForGone(setup));
    EXPECT_TRUE(e2e::WaitForVisible(ports, true));
    EXPECT_EQ("COM4, BasePort=02E8h, IRQ=11", Text(ports, "lblCOM(4)"));
    EXPECT_EQ("COM1, BasePort=03F8h, IRQ=4", Text(ports, "lblCOM(1)"));

    // OK with Save enabled saves first.
    setup = OpenFrom(ports, "cmdSetup", "frmCOMxSet");
    ASSERT_TRUE(setup);
    Choose(setup, "cboIRQ(3)", 2);
    EXPECT_EQ(1u, ClickCounting(setup, "cmdOK", IOCTL_SetSerialPort));
    EXPECT_EQ(5, DriverRecord().PortTable[2].IrqOrStatus);
    EXPECT_TRUE(e2e::WaitForVisible(ports, true));
    EXPECT_EQ("COM3, BasePort=03E8h, IRQ=5", Text(ports, "lblCOM(3)"));

    Click(ports, "cmdOK");
    EXPECT_TRUE(e2e::WaitForGone(ports));
    EXPECT_TRUE(e2e::WaitForVisible(main_, true));
}

} // namespace
