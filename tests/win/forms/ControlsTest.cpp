// Controls: option arrays, check boxes, drop-down lists, scroll bars and
// push buttons, with their events raised by code and by user messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormsTestSupport.h"
#include "forms/Forms.h"

namespace {

class ChoicesForm : public forms::Form {
  public:
    ChoicesForm() : Form("frmChoices") {
        frameMode.Move(120, 120, 3000, 2000);
        for (int i = optMode.LBound(); i <= optMode.UBound(); ++i) {
            optMode[i].Move(120, 240 * i, 2500, 255);
            optMode[i].SetCaption(" mode " + std::to_string(i));
        }
        optMode.Bind(&forms::Control::OnClick, [this](int index) { clicks.push_back(index); });
        optOutside.Move(3300, 240, 1200, 255);
        chkBoth.Move(3300, 600, 1200, 255);
        chkBoth.OnClick = [this] { ++checkClicks; };
        cboList.Move(3300, 1000, 1500, 315);
        cboList.OnClick = [this] { listClicks.push_back(cboList.ListIndex()); };
    }
    forms::Frame frameMode{*this, "frameMode"};
    forms::ControlArray<forms::OptionButton> optMode{frameMode, "optMode", 1, 4};
    forms::OptionButton optOutside{*this, "optOutside"};
    forms::CheckBox chkBoth{*this, "chkBoth"};
    forms::ComboBox cboList{*this, "cboList"};
    std::vector<int> clicks;
    int checkClicks = 0;
    std::vector<int> listClicks;
};

bool Checked(const forms::Control& control) {
    return SendMessageA(control.hWnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

TEST(OptionButtons, OneSelectedPerContainerAndClickCarriesTheIndex) {
    ChoicesForm form;
    form.optOutside.SetValue(true);
    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    EXPECT_TRUE(Checked(form.optOutside)) << "a value set before loading shows";

    form.optMode[2].SetValue(true); // by code
    EXPECT_EQ(std::vector<int>{2}, form.clicks);
    EXPECT_TRUE(Checked(form.optMode[2]));

    SendMessageA(form.optMode[4].hWnd(), BM_CLICK, 0, 0); // by the user
    EXPECT_EQ((std::vector<int>{2, 4}), form.clicks);
    EXPECT_FALSE(form.optMode[2].Value());
    EXPECT_FALSE(Checked(form.optMode[2]));
    EXPECT_TRUE(form.optMode[4].Value());
    EXPECT_TRUE(form.optOutside.Value()) << "an option in another container stays selected";

    SendMessageA(form.optMode[4].hWnd(), BM_CLICK, 0, 0);
    form.optMode[4].SetValue(true);
    EXPECT_EQ(2u, form.clicks.size()) << "re-selecting the selected option raises nothing";

    form.optMode[4].SetValue(false);
    EXPECT_FALSE(Checked(form.optMode[4]));
    EXPECT_EQ(2u, form.clicks.size()) << "clearing raises nothing";
}

TEST(OptionButtons, ArrayIndexOutsideItsBoundsIsAnError) {
    ChoicesForm form;
    EXPECT_EQ(1, form.optMode.LBound());
    EXPECT_EQ(4, form.optMode.UBound());
    // The programs are built without exceptions: the range error ends them.
    EXPECT_DEATH(form.optMode[0], "");
    EXPECT_DEATH(form.optMode[5], "");
}

TEST(CheckBox, ClickOnEveryChangeByCodeOrUser) {
    ChoicesForm form;
    form.Show();
    form.chkBoth.SetValue(1);
    EXPECT_EQ(1, form.checkClicks);
    form.chkBoth.SetValue(7); // any non-zero value is "checked": no change
    EXPECT_EQ(1, form.chkBoth.Value());
    EXPECT_EQ(1, form.checkClicks);
    SendMessageA(form.chkBoth.hWnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(0, form.chkBoth.Value());
    EXPECT_FALSE(Checked(form.chkBoth));
    EXPECT_EQ(2, form.checkClicks);
}

TEST(ComboBox, ItemsSelectionAndClick) {
    ChoicesForm form;
    form.cboList.AddItem(" 4 points, mode 1"); // before load: becomes part of the design
    form.Show();
    form.cboList.AddItem(" 4 points, mode 2");
    form.cboList.AddItem("third");
    EXPECT_EQ(3, form.cboList.ListCount());
    EXPECT_EQ(3, SendMessageA(form.cboList.hWnd(), CB_GETCOUNT, 0, 0));
    EXPECT_EQ(-1, form.cboList.ListIndex());
    EXPECT_EQ("", form.cboList.List(3)) << "beyond the list";

    EXPECT_TRUE(form.cboList.SetListIndex(1));
    EXPECT_EQ(std::vector<int>{1}, form.listClicks);
    EXPECT_EQ(" 4 points, mode 2", form.cboList.Text());
    EXPECT_EQ(1, SendMessageA(form.cboList.hWnd(), CB_GETCURSEL, 0, 0));
    EXPECT_TRUE(form.cboList.SetListIndex(1));
    EXPECT_EQ(1u, form.listClicks.size()) << "the same selection again raises nothing";
    EXPECT_FALSE(form.cboList.SetListIndex(5));
    EXPECT_FALSE(form.cboList.SetListIndex(-2));
    EXPECT_EQ(1, form.cboList.ListIndex()) << "a bad number leaves the selection";

    // The user picks the third item.
    SendMessageA(form.cboList.hWnd(), CB_SETCURSEL, 2, 0);
    SendMessageA(form.hWnd(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(form.cboList.hWnd()));
    EXPECT_EQ((std::vector<int>{1, 2}), form.listClicks);
    EXPECT_EQ(2, form.cboList.ListIndex());

    form.cboList.Clear();
    EXPECT_EQ(0, form.cboList.ListCount());
    EXPECT_EQ(-1, form.cboList.ListIndex());
    EXPECT_EQ(0, SendMessageA(form.cboList.hWnd(), CB_GETCOUNT, 0, 0));

    ASSERT_TRUE(form.Unload());
    form.Show();
    EXPECT_EQ(1, form.cboList.ListCount()) << "a reload starts from the designed items";
}

class ScrollForm : public forms::Form {
  public:
    ScrollForm() : Form("frmScroll") {
        frameTone.Move(120, 120, 4000, 1000);
        hscTone.Move(120, 300, 3000, 255);
        hscTone.SetMin(200);
        hscTone.SetMax(5000);
        hscTone.SetSmallChange(1);
        hscTone.SetLargeChange(100);
        hscTone.OnChange = [this] {
            events.push_back("Change " + std::to_string(hscTone.Value()));
        };
        hscTone.OnScroll = [this] {
            events.push_back("Scroll " + std::to_string(hscTone.Value()));
        };
    }
    forms::Frame frameTone{*this, "frameTone"};
    forms::HScrollBar hscTone{frameTone, "hscTone"};
    std::vector<std::string> events;

    void UserScroll(int code, int position = 0) {
        // What the bar sends its container when the user works it.
        SendMessageA(frameTone.hWnd(), WM_HSCROLL, MAKEWPARAM(code, position),
                     reinterpret_cast<LPARAM>(hscTone.hWnd()));
    }
};

using Events = std::vector<std::string>;

TEST(ScrollBar, ChangeByCodeOnlyWhenTheValueChangesAndClamped) {
    ScrollForm form;
    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    EXPECT_EQ(200, form.hscTone.Value()) << "the minimum pulled the value up";
    form.events.clear();
    form.hscTone.SetValue(300);
    form.hscTone.SetValue(300);
    form.hscTone.SetValue(9000);
    form.hscTone.SetValue(-5);
    EXPECT_EQ((Events{"Change 300", "Change 5000", "Change 200"}), form.events);
    EXPECT_EQ(200, GetScrollPos(form.hscTone.hWnd(), SB_CTL));
    int low = 0, high = 0;
    GetScrollRange(form.hscTone.hWnd(), SB_CTL, &low, &high);
    EXPECT_EQ(200, low);
    EXPECT_EQ(5000, high);
}

TEST(ScrollBar, UserArrowsPagesAndThumbDrag) {
    ScrollForm form;
    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    form.hscTone.SetValue(1000);
    form.events.clear();

    form.UserScroll(SB_LINERIGHT);
    form.UserScroll(SB_PAGELEFT);
    EXPECT_EQ((Events{"Change 1001", "Change 901"}), form.events);
    form.events.clear();

    form.UserScroll(SB_THUMBTRACK, 4000);
    form.UserScroll(SB_THUMBTRACK, 4000);
    form.UserScroll(SB_THUMBTRACK, 4100);
    EXPECT_EQ(4100, form.hscTone.Value()) << "the value follows the thumb while dragging";
    form.UserScroll(SB_THUMBPOSITION, 4100);
    form.UserScroll(SB_ENDSCROLL);
    EXPECT_EQ((Events{"Scroll 4000", "Scroll 4100", "Change 4100"}), form.events);
    EXPECT_EQ(4100, GetScrollPos(form.hscTone.hWnd(), SB_CTL));
    form.events.clear();

    form.UserScroll(SB_THUMBTRACK, 4200);
    form.UserScroll(SB_THUMBTRACK, 4100);
    form.UserScroll(SB_THUMBPOSITION, 4100);
    EXPECT_EQ((Events{"Scroll 4200", "Scroll 4100"}), form.events)
        << "a drag that ends where it began changes nothing";
    form.events.clear();

    form.hscTone.SetValue(200);
    form.events.clear();
    form.UserScroll(SB_LINELEFT);
    form.UserScroll(SB_LEFT);
    EXPECT_TRUE(form.events.empty()) << "at the minimum the left arrow changes nothing";
    form.UserScroll(SB_RIGHT);
    EXPECT_EQ(Events{"Change 5000"}, form.events);
}

class ButtonForm : public forms::Form {
  public:
    ButtonForm() : Form("frmButtons") {
        SetKeyPreview(true);
        cmdAction.Move(0, 0, 600, 600);
        cmdAction.OnMouseDown = [this](int button, int shift, int x, int y) {
            events.push_back("Down " + Codes(button, shift, x, y));
        };
        cmdAction.OnMouseUp = [this](int button, int shift, int x, int y) {
            events.push_back("Up " + Codes(button, shift, x, y));
        };
        cmdAction.OnClick = [this] { events.push_back("Click"); };
        cmdOther.Move(600, 0, 600, 600);
        picDraw.SetScaleUnit(forms::ScaleMode::Pixels);
        picDraw.Move(0, 900, 1500, 1500);
        picDraw.OnKeyDown = [this](int& key, int) {
            events.push_back("pic KeyDown " + std::to_string(key));
        };
        picDraw.OnKeyPress = [this](int& key) {
            events.push_back("pic KeyPress " + std::to_string(key));
        };
        picDraw.OnMouseMove = [this](int button, int shift, int x, int y) {
            events.push_back("pic Move " + Codes(button, shift, x, y));
        };
    }
    forms::CommandButton cmdAction{*this, "cmdAction"};
    forms::CommandButton cmdOther{*this, "cmdOther"};
    forms::PictureBox picDraw{*this, "picDraw"};
    std::vector<std::string> events;
    int swallowKey = 0;

    static std::string Codes(int button, int shift, int x, int y) {
        return std::to_string(button) + "/" + std::to_string(shift) + " " + std::to_string(x) +
               "," + std::to_string(y);
    }

  protected:
    void Form_KeyDown(int& key, int) override {
        events.push_back("form KeyDown " + std::to_string(key));
        if (key == swallowKey)
            key = 0;
    }
    void Form_KeyPress(int& key) override {
        events.push_back("form KeyPress " + std::to_string(key));
    }
    void Form_MouseDown(int button, int shift, int x, int y) override {
        events.push_back("form Down " + Codes(button, shift, x, y));
    }
};

// Holds modifier keys down in this thread's keyboard state.
class HeldKeys {
  public:
    explicit HeldKeys(std::initializer_list<int> keys) {
        GetKeyboardState(saved_);
        BYTE state[256];
        GetKeyboardState(state);
        for (int key : keys)
            state[key] = 0x80;
        SetKeyboardState(state);
    }
    ~HeldKeys() { SetKeyboardState(saved_); }

  private:
    BYTE saved_[256];
};

TEST(Mouse, ButtonAndShiftDecoding) {
    ButtonForm form;
    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    {
        HeldKeys held{VK_MENU, VK_CONTROL};
        SendMessageA(form.cmdAction.hWnd(), WM_MBUTTONDOWN, MK_MBUTTON | MK_CONTROL,
                     MAKELPARAM(3, 4));
        SendMessageA(form.cmdAction.hWnd(), WM_MBUTTONUP, MK_CONTROL, MAKELPARAM(3, 4));
    }
    {
        HeldKeys held{VK_SHIFT};
        SendMessageA(form.cmdAction.hWnd(), WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT,
                     MAKELPARAM(0, 0));
    }
    // Coordinates in the container's unit: twips on the form.
    EXPECT_EQ((Events{"Down 4/6 45,60", "Up 4/6 45,60", "Down 2/1 0,0"}), form.events);
    form.events.clear();

    // Moves report every button held; the picture box counts in pixels.
    SendMessageA(form.picDraw.hWnd(), WM_MOUSEMOVE, MK_LBUTTON | MK_RBUTTON, MAKELPARAM(7, 9));
    EXPECT_EQ(Events{"pic Move 3/0 7,9"}, form.events);
    form.events.clear();

    // The form's own surface, exposed where no control is.
    SendMessageA(form.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 10));
    SendMessageA(form.hWnd(), WM_LBUTTONUP, 0, MAKELPARAM(100, 10));
    EXPECT_EQ(Events{"form Down 1/0 1500,150"}, form.events);
}

TEST(Mouse, ButtonClickRunsDownUpThenClick) {
    ButtonForm form;
    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    SendMessageA(form.cmdAction.hWnd(), BM_CLICK, 0, 0);
    ASSERT_EQ(3u, form.events.size());
    EXPECT_EQ(0u, form.events[0].rfind("Down 1/", 0));
    EXPECT_EQ(0u, form.events[1].rfind("Up 1/", 0));
    EXPECT_EQ("Click", form.events[2]);
}

TEST(Keys, PreviewRunsBeforeTheControlAndCanSwallow) {
    ButtonForm form;
    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    form.picDraw.SetFocus();
    ASSERT_EQ(form.picDraw.hWnd(), GetFocus());
    form.swallowKey = VK_F2;
    // Function keys: no character follows them.
    PostMessageA(form.picDraw.hWnd(), WM_KEYDOWN, VK_F3, 0);
    PostMessageA(form.picDraw.hWnd(), WM_CHAR, 27, 0);
    PostMessageA(form.picDraw.hWnd(), WM_KEYDOWN, VK_F2, 0);
    forms::DoEvents();
    EXPECT_EQ((Events{"form KeyDown 114", "pic KeyDown 114", "form KeyPress 27", "pic KeyPress 27",
                      "form KeyDown 113"}),
              form.events);

    form.events.clear();
    form.SetKeyPreview(false);
    PostMessageA(form.picDraw.hWnd(), WM_KEYDOWN, VK_F3, 0);
    forms::DoEvents();
    EXPECT_EQ(Events{"pic KeyDown 114"}, form.events);
}

TEST(Keys, HidingTheFocusedControlMovesTheFocusOnAndFinallyToTheForm) {
    ButtonForm form;
    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    EXPECT_EQ(form.cmdAction.hWnd(), GetFocus()) << "the first control takes the focus";

    PostMessageA(form.cmdAction.hWnd(), WM_KEYDOWN, VK_TAB, 0);
    forms::DoEvents();
    EXPECT_EQ(form.cmdOther.hWnd(), GetFocus()) << "Tab follows the creation order";

    form.cmdOther.SetVisible(false);
    EXPECT_EQ(form.picDraw.hWnd(), GetFocus());
    form.picDraw.SetEnabled(false);
    EXPECT_EQ(form.cmdAction.hWnd(), GetFocus());
    form.cmdAction.SetVisible(false);
    EXPECT_EQ(form.hWnd(), GetFocus()) << "no control can take it";

    // Keys then reach the form's own events (once, though key preview is on).
    form.events.clear();
    PostMessageA(form.hWnd(), WM_CHAR, 'x', 0);
    forms::DoEvents();
    EXPECT_EQ(Events{"form KeyPress 120"}, form.events);
}

class AccessForm : public forms::Form {
  public:
    AccessForm() : Form("frmAccess") {
        cmdApply.SetCaption("&Apply");
        cmdApply.OnClick = [this] { ++applies; };
        cmdBoth.SetCaption("Touch Down && Lift Off");
        cmdBoth.OnClick = [this] { ++boths; };
        lblTone.SetCaption("&Tone");
        optFast.SetCaption("&Fast");
        cmdApply.Move(0, 0, 1200, 375);
        cmdBoth.Move(0, 400, 1200, 375);
        lblTone.Move(0, 800, 1200, 255);
        hscTone.Move(0, 1100, 1200, 255);
        optFast.Move(0, 1400, 1200, 255);
    }
    forms::CommandButton cmdApply{*this, "cmdApply"};
    forms::CommandButton cmdBoth{*this, "cmdBoth"};
    forms::Label lblTone{*this, "lblTone"};
    forms::HScrollBar hscTone{*this, "hscTone"};
    forms::OptionButton optFast{*this, "optFast"};
    int applies = 0;
    int boths = 0;

    void PressAlt(char key) {
        PostMessageA(GetFocus(), WM_SYSCHAR, static_cast<WPARAM>(key), 1u << 29);
        forms::DoEvents();
    }
};

TEST(Keys, AltWithTheMarkedLetterActsOnTheControl) {
    AccessForm form;
    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    form.PressAlt('a');
    EXPECT_EQ(1, form.applies) << "either case";
    form.PressAlt('L');
    EXPECT_EQ(0, form.boths) << "a doubled ampersand marks no key";
    form.PressAlt('t');
    EXPECT_EQ(form.hscTone.hWnd(), GetFocus()) << "a label's key goes to the control after it";
    form.PressAlt('F');
    EXPECT_TRUE(form.optFast.Value());
    form.cmdApply.SetEnabled(false);
    form.PressAlt('A');
    EXPECT_EQ(1, form.applies) << "a disabled button ignores its key";
}

TEST(ScreenPointer, HourglassOverEveryWindowUntilSetBack) {
    ButtonForm form;
    form.Show();
    ASSERT_TRUE(form.IsLoaded());
    HCURSOR wait = LoadCursor(nullptr, IDC_WAIT);
    HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
    const LPARAM hit = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);

    forms::SetScreenMousePointer(forms::MousePointer::Hourglass);
    EXPECT_EQ(wait, GetCursor()) << "shown at once";
    SetCursor(arrow);
    SendMessageA(form.cmdAction.hWnd(), WM_SETCURSOR,
                 reinterpret_cast<WPARAM>(form.cmdAction.hWnd()), hit);
    EXPECT_EQ(wait, GetCursor()) << "over a control";
    SetCursor(arrow);
    SendMessageA(form.hWnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form.hWnd()), hit);
    EXPECT_EQ(wait, GetCursor()) << "over the form";

    forms::SetScreenMousePointer(forms::MousePointer::Default);
    EXPECT_EQ(arrow, GetCursor());
    SendMessageA(form.picDraw.hWnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(form.picDraw.hWnd()),
                 hit);
    EXPECT_EQ(arrow, GetCursor());
    EXPECT_EQ(forms::MousePointer::Default, forms::ScreenMousePointer());
}

} // namespace
