// The touch simulator: while the control panel runs under Wine on a display,
// the mouse is the finger. A press, hold and release of the left button
// become touched samples (one per period, following the pointer) and a lifted
// sample in this build's simulated controller, read through a panel model.
//
// Samples are only fed while some program is polling the touch status (a
// calibration waiting for a point): clicks elsewhere would otherwise pile up
// in the controller's queue and be taken as touches by the next calibration.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "PanelModel.h"
#include "SimClient.h"
#include "TouchSimulatorOptions.h"
#include "basVersion.h"

namespace {

// Tells whether the touch status is being polled now: the newest journal
// entry is a touch-status read, and the journal moved since the last look.
class PollWatch {
  public:
    explicit PollWatch(sim::Client& client) : client_(client) {}

    bool Polled() {
        const uint32_t total = client_.JournalTotal();
        if (total == 0)
            return false;
        const std::vector<SimJournalEntry> newest = client_.Journal(total - 1);
        if (newest.empty())
            return false;
        const SimJournalEntry& entry = newest.back();
        const bool moved = total != lastTotal_ || entry.Repeats != lastRepeats_;
        lastTotal_ = total;
        lastRepeats_ = entry.Repeats;
        return moved && entry.Code == IOCTL_GetTouchStatus;
    }

  private:
    sim::Client& client_;
    uint32_t lastTotal_ = 0;
    uint32_t lastRepeats_ = 0;
};

bool LeftButtonDown() {
    return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0;
}

PanelReading ReadingAtPointer(const PanelModel& panel) {
    POINT at{};
    GetCursorPos(&at);
    return RawTouchAt(panel, at.x, at.y);
}

int Run(const TouchSimulatorOptions& options) {
    sim::Client client;
    if (!client.IsOpen()) {
        fprintf(stderr, "TouchSimulator: cannot open the simulated controller %s (error %lu)\n",
                basVersion::DeviceName, GetLastError());
        return 1;
    }
    SimState state{};
    if (!client.GetState(state)) {
        fprintf(stderr, "TouchSimulator: %s is not the simulated controller\n",
                basVersion::DeviceName);
        return 1;
    }
    int16_t rotation = state.Smi.Value;
    if (options.RotationGiven) {
        rotation = static_cast<int16_t>(options.Rotation);
        client.SetSmiWindow(state.Smi.Handle, rotation); // keeps the SMI registration
    }
    const PanelModel panel{
        options.DesktopWidth ? options.DesktopWidth : GetSystemMetrics(SM_CXSCREEN),
        options.DesktopHeight ? options.DesktopHeight : GetSystemMetrics(SM_CYSCREEN),
        rotation,
        static_cast<uint8_t>(options.Mounting),
        options.OffsetX,
        options.OffsetY,
        options.SpanX,
        options.SpanY};
    printf("TouchSimulator on %s: desktop %dx%d, rotation %d, mounting %d, offset %g,%g, "
           "span %g,%g, one sample every %d ms. Ctrl+C ends it.\n",
           basVersion::DeviceName, panel.DesktopWidth, panel.DesktopHeight, panel.RotationCode,
           panel.Mounting, panel.OffsetX, panel.OffsetY, panel.SpanX, panel.SpanY,
           options.PeriodMs);
    fflush(stdout);

    PollWatch watch(client);
    bool touching = false; // a touched sample went in and its lift has not
    PanelReading last{0, 0};
    for (;;) {
        Sleep(static_cast<DWORD>(options.PeriodMs));
        const bool down = LeftButtonDown();
        const bool polled = watch.Polled();
        if (down && (touching || polled)) {
            last = ReadingAtPointer(panel);
            touching = client.QueueTouch({sim::Touched(last.X, last.Y)});
        } else if (!down && touching) {
            client.QueueTouch({sim::Lifted(last.X, last.Y)});
            touching = false;
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "/?")) {
        printf("TouchSimulator: the mouse as the finger on the simulated touch panel.\n%s",
               TouchSimulatorUsage().c_str());
        return 0;
    }
    TouchSimulatorOptions options;
    std::string error;
    if (!ParseTouchSimulatorOptions(arguments, options, error)) {
        fprintf(stderr, "TouchSimulator: %s\n%s", error.c_str(), TouchSimulatorUsage().c_str());
        return 2;
    }
    return Run(options);
}
