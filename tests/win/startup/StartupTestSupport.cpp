#include "StartupTestSupport.h"

#include "BasMain.h"
#include "Settings.h"
#include "forms/Runtime.h"
#include "frmMain.h"

namespace aotest {

namespace {

bool Fails(const MouseRecorder& mouse, char letter) {
    return mouse.failing.find(letter) != std::string::npos;
}

char WriteLetter(const std::string& name) {
    if (name == "DoubleClickWidth")
        return 'w';
    return name == "DoubleClickHeight" ? 'h' : 't';
}

} // namespace

void StartupTest::SetUp() {
    e2e::PrepareSettingsKey();
    system_ = WindowsMouse::System();
    WindowsMouse::Calls& calls = WindowsMouse::System();
    calls.SetParameter = [this](UINT action, UINT value) {
        mouse.parameters.push_back({action, value});
        const char letter = action == SPI_SETDOUBLECLKWIDTH    ? 'W'
                            : action == SPI_SETDOUBLECLKHEIGHT ? 'H'
                                                               : 'T';
        return !Fails(mouse, letter);
    };
    calls.OpenMouseKey = [this](HKEY& key) {
        key = nullptr;
        return !Fails(mouse, 'R');
    };
    calls.WriteString = [this](HKEY, const std::string& name, const std::string& text) {
        mouse.written.push_back({name, text});
        return !Fails(mouse, WriteLetter(name));
    };
}

void StartupTest::TearDown() {
    frmMain& main = frmMainForm();
    if (main.IsLoaded())
        main.Unload();
    forms::DoEvents();
    WindowsMouse::System() = system_;
}

} // namespace aotest
