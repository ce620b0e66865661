#include "StartupTestSupport.h"

#include "BasMain.h"
#include "Settings.h"
#include "forms/Runtime.h"
#include "frmMain.h"

namespace aotest {

namespace {

// The running test's recorder, which the fakes below report to.
MouseRecorder* recorder = nullptr;

bool FakeSetParameter(UINT action, UINT value) {
    recorder->parameters.push_back({action, value});
    const char letter = action == SPI_SETDOUBLECLKWIDTH    ? 'W'
                        : action == SPI_SETDOUBLECLKHEIGHT ? 'H'
                                                           : 'T';
    return !recorder->Fails(letter);
}

bool FakeOpenMouseKey(HKEY& key) {
    key = nullptr;
    return !recorder->Fails('R');
}

bool FakeWriteString(HKEY, const std::string& name, const std::string& text) {
    recorder->written.push_back({name, text});
    return !recorder->Fails(name == "DoubleClickWidth"    ? 'w'
                            : name == "DoubleClickHeight" ? 'h'
                                                          : 't');
}

const WindowsMouse::SystemCalls fakes = {FakeSetParameter, FakeOpenMouseKey, FakeWriteString};

} // namespace

void StartupTest::SetUp() {
    e2e::PrepareSettingsKey();
    recorder = &mouse;
    WindowsMouse::ReplaceCalls(&fakes);
}

void StartupTest::TearDown() {
    frmMain& main = frmMainForm();
    if (main.IsLoaded())
        main.Unload();
    forms::DoEvents();
    WindowsMouse::ReplaceCalls(nullptr);
    recorder = nullptr;
}

} // namespace aotest
