#include "Steps.h"

#include <cstdio>

#include "Failure.h"

namespace e2e {

namespace {

// A text on one line: line ends shown as " // ".
std::string OneLine(std::string text) {
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.replace(at, 2, " // ");
    return text;
}

bool Names(const std::string& pattern, const std::string& name) {
    if (!pattern.empty() && pattern.back() == '*')
        return name.compare(0, pattern.size() - 1, pattern, 0, pattern.size() - 1) == 0;
    return pattern == name;
}

bool Chosen(int argc, char** argv, const std::string& name) {
    if (argc < 2)
        return true;
    for (int i = 1; i < argc; i++)
        if (Names(argv[i], name))
            return true;
    return false;
}

} // namespace

bool Check(const std::string& what, const std::string& expected, const std::string& actual) {
    const bool holds = expected == actual;
    printf("  %s %s: %s\n", holds ? "ok   " : "WRONG", what.c_str(), OneLine(actual).c_str());
    fflush(stdout);
    if (!holds)
        KIT_FAILURE() << what << ": expected " << OneLine(expected) << ", got " << OneLine(actual);
    return holds;
}

bool Check(const std::string& what, bool holds) {
    printf("  %s %s\n", holds ? "ok   " : "WRONG", what.c_str());
    fflush(stdout);
    if (!holds)
        KIT_FAILURE() << what << ": does not hold";
    return holds;
}

int RunSteps(int argc, char** argv, const std::vector<Step>& steps) {
    for (int i = 1; i < argc; i++) {
        bool known = false;
        for (const Step& step : steps)
            known = known || Names(argv[i], step.name);
        if (!known) {
            fprintf(stderr, "no step is named %s\n", argv[i]);
            return 2;
        }
    }
    int run = 0, failed = 0;
    for (const Step& step : steps) {
        if (!Chosen(argc, argv, step.name))
            continue;
        printf("== %s\n", step.name.c_str());
        fflush(stdout);
        const int before = FailureCount();
        step.run();
        run++;
        if (FailureCount() != before) {
            failed++;
            printf("-- %s failed\n", step.name.c_str());
            fflush(stdout);
        }
    }
    printf("%d of %d steps passed\n", run - failed, run);
    return FailureCount() == 0 ? 0 : 1;
}

} // namespace e2e
