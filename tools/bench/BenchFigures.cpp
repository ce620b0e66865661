#include "BenchFigures.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "BasGlobal.h"
#include "E2e.h"
#include "basVersion.h"

namespace bench {

namespace {

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

LARGE_INTEGER Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

std::string ToolsFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\'));
}

bool HasVisibleWindow(DWORD processId) {
    for (HWND window : e2e::TopLevelWindowsOf(processId))
        if (IsWindowVisible(window))
            return true;
    return false;
}

// Milliseconds from the start of the process to its first visible window;
// negative when none appears.
double TimeToWindow(const std::function<bool(e2e::Program&)>& start) {
    e2e::Program program;
    const LARGE_INTEGER begin = Now();
    if (!start(program))
        return -1;
    const bool shown = e2e::PollUntil(
        [&] {
            Sleep(1);
            return HasVisibleWindow(program.Id());
        },
        e2e::DefaultTimeoutMs);
    const double elapsed = Milliseconds(begin, Now());
    program.End();
    return shown ? elapsed : -1;
}

// Processor time (user and kernel) of the process in milliseconds.
double ProcessorTime(HANDLE process) {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user))
        return -1;
    auto ms = [](const FILETIME& time) {
        return double((uint64_t(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}

// Percent of one core the process uses over `seconds`.
double CpuShare(HANDLE process, int seconds) {
    const double before = ProcessorTime(process);
    const LARGE_INTEGER begin = Now();
    Sleep(DWORD(seconds) * 1000);
    const double used = ProcessorTime(process) - before;
    return 100.0 * used / Milliseconds(begin, Now());
}

void PrepareController(sim::Client& sim) {
    sim.Reset();
    DeviceRecord record = e2e::ReadState(sim).Record;
    record.ResolutionX = 1024;
    record.ResolutionY = 768;
    sim.PresetRecord(record);
}

} // namespace

int StartToWindow(const char* fileName, int runs) {
    sim::Client sim;
    PrepareController(sim);
    e2e::PrepareSettingsKey();
    const std::string bare = ToolsFolder() + "\\BareWindow.exe";
    std::vector<double> program, baseline;
    for (int run = 0; run < runs; run++) {
        program.push_back(TimeToWindow([&](e2e::Program& p) { return p.Start(fileName); }));
        baseline.push_back(TimeToWindow([&](e2e::Program& p) { return p.StartPath(bare); }));
    }
    if (std::count(program.begin(), program.end(), -1.0) ||
        std::count(baseline.begin(), baseline.end(), -1.0)) {
        printf("start to window %s: a window did not appear\n", fileName);
        return 1;
    }
    const double median = Median(program), bareMedian = Median(baseline);
    printf("start to window %s: %.1f ms, bare window program %.1f ms, ratio %.2f"
           " (medians of %d starts each, alternating)\n",
           fileName, median, bareMedian, median / bareMedian, runs);
    return 0;
}

int ArmedToolCpu(int seconds) {
    sim::Client sim;
    PrepareController(sim);
    e2e::Program tool;
    if (!tool.Start(basVersion::RightButtonFile))
        return 1;
    HWND window = nullptr;
    e2e::WaitUntil(
        [&] {
            window = reinterpret_cast<HWND>(intptr_t(e2e::ReadState(sim).Tool.Handle));
            DWORD owner = 0;
            return GetWindowThreadProcessId(window, &owner) && owner == tool.Id();
        },
        "the tool's registration");
    HWND button = e2e::WaitForControl(window, "cmdAction");
    if (!button)
        return 1;
    const double idle = CpuShare(tool.Handle(), seconds);

    auto arm = [&] {
        e2e::ClickButton(button);
        return e2e::WaitUntil([&] { return e2e::ReadState(sim).Tool.Value == 1; }, "arming");
    };
    if (!arm())
        return 1;
    const double armed = CpuShare(tool.Handle(), seconds);

    // A touch queued now is taken at the tool's next poll, which disarms it.
    std::vector<double> latencies;
    for (int touch = 0; touch < 9; touch++) {
        if (touch > 0 && !arm())
            return 1;
        Sleep(50);
        const LARGE_INTEGER begin = Now();
        sim.QueueTouch({sim::Touched(100, 100), sim::Lifted(100, 100)});
        while (e2e::ReadState(sim).Tool.Value != 0 && Milliseconds(begin, Now()) < 5000)
            ;
        latencies.push_back(Milliseconds(begin, Now()));
    }
    printf("cpu armed right-button tool: %.1f%% of a core (the idle tool %.1f%%) over %d s\n",
           armed, idle, seconds);
    printf("touch to disarm of the armed tool: %.1f ms (median of %zu touches; worst %.1f ms)\n",
           Median(latencies), latencies.size(),
           *std::max_element(latencies.begin(), latencies.end()));
    return 0;
}

int WaitingCalibrationCpu(int seconds) {
    sim::Client sim;
    PrepareController(sim);
    e2e::PrepareSettingsKey();
    e2e::WriteSettingDword("CalibrationMode", 0);
    e2e::Program panel;
    if (!panel.Start(basVersion::ControlPanelFile))
        return 1;
    HWND main = e2e::WaitForForm(panel.Id(), "frmMain");
    if (!main || !e2e::WaitForVisible(main, true))
        return 1;
    const double idle = CpuShare(panel.Handle(), seconds);

    e2e::ClickButton(e2e::FindControl(main, "cmdCalibration"));
    if (!e2e::WaitForForm(panel.Id(), "frmCalibration"))
        return 1;
    // Polling the touch status: the run awaits the first point.
    const uint32_t first = sim.JournalTotal();
    if (!e2e::WaitForRequests(sim, IOCTL_GetTouchStatus, first, 5))
        return 1;
    const double waiting = CpuShare(panel.Handle(), seconds);
    printf("cpu waiting calibration: %.1f%% of a core (the idle control panel %.1f%%) over %d s\n",
           waiting, idle, seconds);
    return 0;
}

int DriverRequest(int rounds) {
    if (!BasGlobal::OpenDevice()) {
        printf("driver request: cannot open %s\n", basVersion::DeviceName);
        return 1;
    }
    LARGE_INTEGER begin = Now();
    for (int i = 0; i < rounds; i++)
        BasGlobal::GetTouchStatus();
    const double request = Milliseconds(begin, Now()) * 1000 / rounds;
    BasGlobal::CloseDevice();

    // Resetting an event is a round trip to the Wine server and no more.
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    begin = Now();
    for (int i = 0; i < rounds; i++)
        ResetEvent(event);
    const double roundTrip = Milliseconds(begin, Now()) * 1000 / rounds;
    CloseHandle(event);
    printf("driver request: %.1f us per GetTouchStatus (a plain server round trip %.1f us;"
           " %d each)\n",
           request, roundTrip, rounds);
    return 0;
}

} // namespace bench
