// Times a program from its process start to its exit, the way a user waits
// for it: RunTimer <rounds> <program> [arguments]. Prints every round and
// the median in milliseconds; the exit code is that of the last round.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    if (argc < 3) {
        printf("usage: RunTimer <rounds> <program> [arguments]\n");
        return 2;
    }
    const int rounds = std::max(1, atoi(argv[1]));
    std::string commandLine = std::string("\"") + argv[2] + "\"";
    for (int i = 3; i < argc; ++i)
        commandLine += std::string(" ") + argv[i];

    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    DWORD exitCode = 0;
    for (int round = 0; round < rounds; ++round) {
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        std::vector<char> line(commandLine.begin(), commandLine.end());
        line.push_back('\0');
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                            &startup, &process)) {
            printf("cannot start %s (error %lu)\n", argv[2], GetLastError());
            return 1;
        }
        WaitForSingleObject(process.hProcess, INFINITE);
        QueryPerformanceCounter(&end);
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        times.push_back(1000.0 * double(end.QuadPart - start.QuadPart) /
                        double(frequency.QuadPart));
        printf("round %d: %.0f ms\n", round + 1, times.back());
    }
    std::sort(times.begin(), times.end());
    printf("median %.0f ms, best %.0f ms, worst %.0f ms (%d rounds)\n", times[times.size() / 2],
           times.front(), times.back(), rounds);
    return static_cast<int>(exitCode);
}
