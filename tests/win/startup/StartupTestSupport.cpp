#include "StartupTestSupport.h"

#include "BasMain.h"
#include "Settings.h"
#include "forms/Runtime.h"
#include "frmMain.h"

namespace aotest {

void StartupTest::SetUp() {
    e2e::PrepareSettingsKey();
    system_ = WindowsMouse::System();
    WindowsMouse::Calls& calls = WindowsMouse::System();
    calls.SetParameter = [this](UINT action, UINT value) {
        mouse.parameters.push_back({action, value});
        const char letter = action == SPI_SETDOUBLECLKWIDTH    ? 'W'
                            : action == SPI_SETDOUBLECLKHEIGHT ? 'H'
                                                               : 'T';
        return !mouse.Fails(letter);
    };
    calls.OpenMouseKey = [this](HKEY& key) {
        key = nullptr;
        return !mouse.Fails('R');
    };
    calls.WriteString = [this](HKEY, const std::string& name, const std::string& text) {
        mouse.written.push_back({name, text});
        return !mouse.Fails(name == "DoubleClickWidth"    ? 'w'
                            : name == "DoubleClickHeight" ? 'h'
                                                          : 't');
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
