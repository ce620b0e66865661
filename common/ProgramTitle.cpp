#include "ProgramTitle.h"

namespace BasGlobal {

namespace {

std::string& Title() {
    static std::string title;
    return title;
}

} // namespace

void SetProgramTitle(const std::string& title) {
    Title() = title;
}

const std::string& ProgramTitle() {
    return Title();
}

} // namespace BasGlobal
