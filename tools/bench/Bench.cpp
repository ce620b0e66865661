// Measures one figure of the benchmark, named on the command line:
//   Bench_C.exe startup <file> [runs] | armed-tool [seconds]
//             | waiting-calibration [seconds] | request [rounds]
// A new figure is one more function in BenchFigures and one line below.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "BenchFigures.h"

namespace {

int Number(int argc, char** argv, int index, int fallback) {
    return argc > index ? atoi(argv[index]) : fallback;
}

} // namespace

int main(int argc, char** argv) {
    const char* figure = argc > 1 ? argv[1] : "";
    if (strcmp(figure, "startup") == 0 && argc > 2)
        return bench::StartToWindow(argv[2], Number(argc, argv, 3, 11));
    if (strcmp(figure, "armed-tool") == 0)
        return bench::ArmedToolCpu(Number(argc, argv, 2, 3));
    if (strcmp(figure, "waiting-calibration") == 0)
        return bench::WaitingCalibrationCpu(Number(argc, argv, 2, 3));
    if (strcmp(figure, "request") == 0)
        return bench::DriverRequest(Number(argc, argv, 2, 20000));
    fprintf(stderr, "usage: Bench startup <file> [runs] | armed-tool [seconds] |"
                    " waiting-calibration [seconds] | request [rounds]\n");
    return 2;
}
