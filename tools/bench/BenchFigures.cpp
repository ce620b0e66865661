#include "BenchFigures.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "BasGlobal.h"
#include "Kit.h"
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

std::string ReadFile(const std::string& path) {
    std::string content;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return content;
    char buffer[4096];
    DWORD read = 0;
    while (::ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        content.append(buffer, read);
    CloseHandle(file);
    return content;
}

bool ContainsNoCase(std::string text, std::string part) {
    for (char& c : text)
        c = char(tolower(static_cast<unsigned char>(c)));
    for (char& c : part)
        c = char(tolower(static_cast<unsigned char>(c)));
    return text.find(part) != std::string::npos;
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
    // Looked at every millisecond: the harness's usual poll period would
    // round every start up to its next step.
    bool shown = false;
    double elapsed = 0;
    while (!(shown = HasVisibleWindow(program.Id())) && elapsed < e2e::DefaultTimeoutMs) {
        Sleep(1);
        elapsed = Milliseconds(begin, Now());
    }
    elapsed = Milliseconds(begin, Now());
    program.End();
    return shown ? elapsed : -1;
}

// Wine reports no processor time for other processes, so it is read where
// the host keeps it: the Linux process whose command line holds the program's
// full path, through the Z: drive. Milliseconds, user and kernel; negative
// when not found.
double ProcessorTime(const std::string& programPath) {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA("Z:\\proc\\*", &entry);
    if (search == INVALID_HANDLE_VALUE)
        return -1;
    double found = -1;
    do {
        const std::string folder = std::string("Z:\\proc\\") + entry.cFileName;
        if (!isdigit(static_cast<unsigned char>(entry.cFileName[0])))
            continue;
        std::string commandLine = ReadFile(folder + "\\cmdline");
        std::replace(commandLine.begin(), commandLine.end(), '\0', ' ');
        if (!ContainsNoCase(commandLine, programPath))
            continue;
        const std::string stat = ReadFile(folder + "\\stat");
        // Fields after the parenthesised name: state is the 3rd, utime the 14th.
        std::istringstream fields(stat.substr(stat.rfind(')') + 2));
        std::string field;
        double ticks = 0;
        for (int index = 3; fields >> field && index <= 15; index++)
            if (index >= 14)
                ticks += atof(field.c_str());
        found = ticks * 10.0; // 100 ticks per second
        break;
    } while (FindNextFileA(search, &entry));
    FindClose(search);
    return found;
}

// Percent of one core the program uses over `seconds`.
double CpuShare(const std::string& programPath, int seconds) {
    const double before = ProcessorTime(programPath);
    const LARGE_INTEGER begin = Now();
    Sleep(DWORD(seconds) * 1000);
    const double after = ProcessorTime(programPath);
    if (before < 0 || after < 0)
        return -1;
    return 100.0 * (after - before) / Milliseconds(begin, Now());
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
    // The best starts are the least disturbed by other work on the machine.
    const double best = *std::min_element(program.begin(), program.end());
    const double bareBest = *std::min_element(baseline.begin(), baseline.end());
    printf("start to window %s: %.1f ms, bare window program %.1f ms, ratio %.2f"
           " (medians of %d starts each, alternating); best %.1f against %.1f ms, ratio %.2f\n",
           fileName, median, bareMedian, median / bareMedian, runs, best, bareBest,
           best / bareBest);
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
    const std::string path = e2e::DeliverablePath(basVersion::RightButtonFile);
    const double idle = CpuShare(path, seconds);

    auto arm = [&] {
        e2e::ClickButton(button);

        return e2e::WaitUntil([&] { return e2e::ReadState(sim).Tool.Value == 1; }, "arming");
    };
    if (!arm())
        return 1;
    const double armed = CpuShare(path, seconds);

    // The driver disarms on the touch; the tool notices it at its next poll
    // and shows its button again.
    std::vector<double> latencies;
    for (int touch = 0; touch < 9; touch++) {
        if (touch > 0 && !arm())
            return 1;
        Sleep(50);
        const LARGE_INTEGER begin = Now();
        sim.QueueTouch({sim::Touched(100, 100), sim::Lifted(100, 100)});
        while (!IsWindowVisible(button) && Milliseconds(begin, Now()) < 5000)
            ;
        latencies.push_back(Milliseconds(begin, Now()));
    }
    printf("cpu armed right-button tool: %.1f%% of a core (the idle tool %.1f%%) over %d s\n",
           armed, idle, seconds);
    printf(
        "touch to button back of the armed tool: %.1f ms (median of %zu touches; worst %.1f ms)\n",
        Median(latencies), latencies.size(), *std::max_element(latencies.begin(), latencies.end()));
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
    const std::string path = e2e::DeliverablePath(basVersion::ControlPanelFile);
    const double idle = CpuShare(path, seconds);

    e2e::ClickButton(e2e::FindControl(main, "cmdCalibration"));
    if (!e2e::WaitForForm(panel.Id(), "frmCalibration"))
        return 1;
    // Polling the touch status: the run awaits the first point.
    const uint32_t polls = e2e::RequestCount(sim, IOCTL_GetTouchStatus);
    if (!e2e::WaitForRequests(sim, IOCTL_GetTouchStatus, 0, polls + 5))
        return 1;
    const double waiting = CpuShare(path, seconds);
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

int PrepareForRun() {
    sim::Client sim;
    PrepareController(sim);
    e2e::PrepareSettingsKey();
    return 0;
}

} // namespace bench
