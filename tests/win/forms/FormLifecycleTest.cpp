// Loading, showing, unloading and the message loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "FormsTestSupport.h"
#include "forms/Forms.h"

namespace {

class LoggingForm : public forms::Form {
  public:
    explicit LoggingForm(const std::string& name = "frmLogging") : Form(name) {
        SetCaption("Logging");
        cmdOK.SetCaption("&OK");
        cmdOK.OnClick = [this] { log.push_back("cmdOK_Click"); };
    }
    forms::CommandButton cmdOK{*this, "cmdOK"};
    std::vector<std::string> log;
    bool cancelUnload = false;
    bool unloadInLoad = false;
    forms::UnloadMode lastMode = forms::UnloadMode::Code;

  protected:
    void Form_Initialize() override { log.push_back("Initialize"); }
    void Form_Load() override {
        // The controls exist when Load runs.
        log.push_back(cmdOK.hWnd() ? "Load" : "Load without controls");
        if (unloadInLoad)
            Unload();
    }
    void Form_Activate() override { log.push_back("Activate"); }
    void Form_Resize() override { log.push_back("Resize"); }
    void Form_QueryUnload(bool& cancel, forms::UnloadMode mode) override {
        lastMode = mode;
        log.push_back("QueryUnload");
        cancel = cancelUnload;
    }
    void Form_Unload(bool&) override { log.push_back("Unload"); }
};

using Log = std::vector<std::string>;

TEST(FormLifecycle, LoadsLazilyOnceAndRunsEventsInOrder) {
    LoggingForm form;
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(nullptr, form.cmdOK.hWnd()) << "no window before the first use";
    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    EXPECT_TRUE(IsWindowVisible(form.hWnd()));
    EXPECT_EQ((Log{"Initialize", "Load", "Resize", "Activate"}), form.log);

    form.Show(); // already loaded and active: nothing runs again
    forms::DoEvents();
    EXPECT_EQ(4u, form.log.size());
    EXPECT_TRUE(form.Unload());
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(nullptr, form.cmdOK.hWnd());
}

TEST(FormLifecycle, HwndLoadsWithoutShowing) {
    LoggingForm form;
    HWND window = form.hWnd();
    ASSERT_NE(nullptr, window);
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ((Log{"Initialize", "Load"}), form.log);
}

TEST(FormLifecycle, CloseBoxUnloadCanBeCancelled) {
    LoggingForm form;
    form.Show();
    form.cancelUnload = true;
    SendMessageA(form.hWnd(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(form.IsLoaded()) << "cancelled unload keeps the form";
    EXPECT_EQ(forms::UnloadMode::CloseBox, form.lastMode);
    EXPECT_EQ("QueryUnload", form.log.back()) << "Unload does not run after a cancel";

    form.cancelUnload = false;
    SendMessageA(form.hWnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ("Unload", form.log.back());
}

TEST(FormLifecycle, UnloadInsideLoadLeavesTheFormUnloaded) {
    LoggingForm form;
    form.unloadInLoad = true;
    form.Show();
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_EQ(0, std::count(form.log.begin(), form.log.end(), "Activate"));
}

TEST(FormLifecycle, ReloadStartsFromTheDesign) {
    LoggingForm form;
    form.Show();
    form.SetCaption("changed");
    form.cmdOK.SetCaption("changed");
    form.cmdOK.SetVisible(false);
    form.Move(0, 0, 6000, 4000);
    ASSERT_TRUE(form.Unload());

    form.Show();
    char caption[64] = {};
    GetWindowTextA(form.hWnd(), caption, sizeof caption);
    EXPECT_STREQ("Logging", caption);
    EXPECT_EQ("&OK", form.cmdOK.Caption());
    EXPECT_TRUE(form.cmdOK.Visible());
    EXPECT_TRUE(IsWindowVisible(form.cmdOK.hWnd()));
    EXPECT_EQ(4800, form.Width());
    EXPECT_EQ(1, std::count(form.log.begin(), form.log.end(), "Initialize"));
    EXPECT_EQ(2, std::count(form.log.begin(), form.log.end(), "Load"));
}

TEST(FormLifecycle, NamesAreReadableFromTheWindowsAndReleased) {
    LoggingForm form("frmNamedForTest");
    forms::ControlArray<forms::OptionButton> optMode{form, "optModeNamed", 1, 3};
    form.Show();
    EXPECT_EQ("frmNamedForTest", formstest::NameProperty(form.hWnd()));
    EXPECT_EQ("cmdOK", formstest::NameProperty(form.cmdOK.hWnd()));
    EXPECT_EQ("optModeNamed(2)", formstest::NameProperty(optMode[2].hWnd()));
    EXPECT_EQ(optMode[3].hWnd(), forms::FindNamedWindow(form.hWnd(), "optModeNamed(3)"));
    ASSERT_NE(0, GlobalFindAtomA("optModeNamed(2)"));

    ASSERT_TRUE(form.Unload());
    EXPECT_EQ(0, GlobalFindAtomA("optModeNamed(2)")) << "the atom is deleted with the window";
    EXPECT_EQ(0, GlobalFindAtomA("frmNamedForTest"));
}

TEST(FormLifecycle, ActivateRunsWhenAnotherFormOfTheProgramWasActive) {
    LoggingForm first("frmFirst");
    LoggingForm second("frmSecond");
    first.Show();
    first.Hide();
    second.Show();
    second.Unload();
    first.Show(); // like a page returning to the main window
    EXPECT_EQ(2, std::count(first.log.begin(), first.log.end(), "Activate"));
}

TEST(MessageLoop, EndsWhenTheLastFormUnloads) {
    LoggingForm first("frmLoopFirst");
    LoggingForm second("frmLoopSecond");
    first.Show();
    second.Show();
    ASSERT_TRUE(first.IsLoaded() && second.IsLoaded());
    PostMessageA(first.hWnd(), WM_CLOSE, 0, 0);
    PostMessageA(second.hWnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(0, forms::RunMessageLoop());
    EXPECT_FALSE(first.IsLoaded());
    EXPECT_FALSE(second.IsLoaded());
    EXPECT_TRUE(forms::Form::LoadedForms().empty());
}

TEST(MessageLoop, KeepsRunningWhileAHiddenFormIsLoaded) {
    LoggingForm visible("frmLoopVisible");
    LoggingForm hidden("frmLoopHidden");
    visible.Show();
    hidden.Hide();
    ASSERT_TRUE(visible.IsLoaded() && hidden.IsLoaded());
    // Closing the visible form asks the hidden one to close later; a loop
    // that ended with the visible form would leave the hidden one loaded.
    visible.cmdOK.OnClick = [&] { PostMessageA(hidden.hWnd(), WM_CLOSE, 0, 0); };
    PostMessageA(visible.hWnd(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                 reinterpret_cast<LPARAM>(visible.cmdOK.hWnd()));
    PostMessageA(visible.hWnd(), WM_CLOSE, 0, 0);
    EXPECT_EQ(0, forms::RunMessageLoop());
    EXPECT_FALSE(visible.IsLoaded());
    EXPECT_FALSE(hidden.IsLoaded());
}

TEST(MessageLoop, EndProgramDestroysFormsWithoutUnloadEvents) {
    LoggingForm form("frmEnding");
    form.Show();
    form.cmdOK.OnClick = [] { forms::EndProgram(3); };
    SendMessageA(form.cmdOK.hWnd(), BM_CLICK, 0, 0);
    EXPECT_FALSE(form.IsLoaded());
    EXPECT_TRUE(forms::EndRequested());
    EXPECT_EQ(0, std::count(form.log.begin(), form.log.end(), "Unload"));
    EXPECT_EQ(3, forms::RunMessageLoop());
    EXPECT_FALSE(forms::EndRequested()) << "the loop consumes the request";
}

TEST(DoEvents, ReturnsAtOnceWithNothingPendingAndRunsNestedFromHandlers) {
    forms::DoEvents();
    const DWORD start = GetTickCount();
    forms::DoEvents();
    EXPECT_LT(GetTickCount() - start, 500u);

    LoggingForm form("frmNested");
    form.Show();
    int nestedClicks = 0;
    form.cmdOK.OnClick = [&] {
        ++nestedClicks;
        if (nestedClicks == 1) {
            // A poll loop: a click queued meanwhile is handled inside it.
            PostMessageA(form.hWnd(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED),
                         reinterpret_cast<LPARAM>(form.cmdOK.hWnd()));
            for (int pass = 0; pass < 10 && nestedClicks == 1; ++pass)
                forms::DoEvents();
        }
    };
    SendMessageA(form.cmdOK.hWnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(2, nestedClicks);
}

} // namespace
