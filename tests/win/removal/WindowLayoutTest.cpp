// The removal program's windows, each with its real texts, in a prefix at
// 96 DPI and in one at 120 DPI: every text shows whole and the window fits a
// small screen.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "LayoutCheck.h"
#include "RemovalTexts.h"
#include "Settings.h"
#include "forms/Runtime.h"
#include "frmAbout.h"
#include "frmMain.h"
#include "frmMessage.h"

namespace {

forms::Form& Progress(const char* text) {
    BasGlobal::ShowProgress(text);
    return frmMessageForm();
}

TEST(RemovalWindows, EveryTextShowsWholeAndEveryWindowFitsASmallScreen) {
    e2e::PrepareSettingsKey();
    const struct {
        const char* name;
        std::function<forms::Form&()> open;
    } windows[] = {
        {"confirmation", []() -> forms::Form& { return frmMainForm(); }},
        {"about",
         []() -> forms::Form& {
             frmAboutForm().Show();
             return frmAboutForm();
         }},
        {"updating", []() -> forms::Form& { return Progress(RemovalTexts::UpdatingText); }},
        {"removing", []() -> forms::Form& { return Progress(RemovalTexts::RemovingText); }},
    };
    frmMain& main = frmMainForm();
    ASSERT_TRUE(main.Load()) << "the settings key holds an installation";
    main.Show();
    for (const auto& window : windows) {
        SCOPED_TRACE(window.name);
        forms::Form& form = window.open();
        for (const std::string& fault : wintest::LayoutFaults(form))
            ADD_FAILURE() << fault;
        if (&form != &main)
            form.Unload();
    }
    main.Unload();
    forms::DoEvents();
    e2e::ClearSettingsKey();
}

} // namespace
