#include "LayoutCheck.h"

#include <windows.h>

#include <cstdlib>
#include <sstream>

#include "forms/Centering.h"
#include "forms/CheckableButton.h"
#include "forms/ComboBox.h"
#include "forms/CommandButton.h"
#include "forms/FontInfo.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/Screen.h"
#include "forms/Twips.h"

namespace wintest {

namespace {

// The smallest screen a machine of each resolution is expected to have.
struct SmallScreen {
    int dpi;
    int width;
    int height;
};
constexpr SmallScreen kSmallScreens[] = {{96, 640, 480}, {120, 800, 600}};

// The pixels a 3D edge (a button's, a bordered label's) takes on each side.
constexpr int kEdge = 2;
// A frame's caption starts this far from its left edge.
constexpr int kFrameCaptionLeft = 8;
// A closed list draws its text inside its item area, after the focus mark's
// pixel and one more, and before the focus mark's pixel at the right.
constexpr int kListTextLeft = 2;
constexpr int kListTextRight = 1;

RECT ScreenRect(HWND window) {
    RECT area{};
    GetWindowRect(window, &area);
    return area;
}

bool IsChild(HWND window) {
    return (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) != 0;
}

// What of the window the windows around it leave visible: its rectangle
// cut to the client area of every ancestor, the form's included.
RECT VisibleArea(HWND window) {
    RECT area = ScreenRect(window);
    for (HWND inner = window; IsChild(inner);) {
        inner = GetParent(inner);
        RECT client{};
        GetClientRect(inner, &client);
        MapWindowPoints(inner, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
        IntersectRect(&area, &area, &client);
    }
    return area;
}

// True when the window and every container up to its form are shown.
bool IsShownInForm(HWND window) {
    for (HWND inner = window; IsChild(inner); inner = GetParent(inner))
        if ((GetWindowLongPtrA(inner, GWL_STYLE) & WS_VISIBLE) == 0)
            return false;
    return true;
}

class Measure {
  public:
    explicit Measure(const forms::Control& control) : dc_(GetDC(nullptr)) {
        const forms::FontInfo font{control.FontName(), control.FontSize(), control.FontBold(),
                                   control.FontItalic()};
        old_ = SelectObject(dc_, forms::FontHandle(font));
    }
    ~Measure() {
        SelectObject(dc_, old_);
        ReleaseDC(nullptr, dc_);
    }
    Measure(const Measure&) = delete;
    Measure& operator=(const Measure&) = delete;

    // The text's size, on one line or with words wrapped at `width`.
    SIZE Text(const std::string& text, UINT format, int width = 0) const {
        RECT area{0, 0, width, 0};
        DrawTextA(dc_, text.c_str(), -1, &area, format | DT_CALCRECT);
        return {area.right - area.left, area.bottom - area.top};
    }
    int HalfDigit() const {
        INT digit = 0;
        GetCharWidth32A(dc_, '0', '0', &digit);
        return digit / 2;
    }

  private:
    HDC dc_;
    HGDIOBJ old_;
};

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

RECT Placed(int left, int top, SIZE size) {
    return {left, top, left + size.cx, top + size.cy};
}

// A text of size `size` placed in `room` as a system control draws it:
// centred on its line, and centred or at the left across.
RECT CentredOnLine(const RECT& room, SIZE size, bool centreAcross) {
    const int left = centreAcross ? room.left + (Width(room) - size.cx) / 2 : room.left;
    return Placed(left, room.top + (Height(room) - size.cy) / 2, size);
}

// A text as its control draws it: where its letters need to be, and the
// room the control gives them, in screen pixels.
struct Text {
    std::string text;
    RECT needed;
    RECT room;
};

// The texts the control draws; none for a control without text.
std::vector<Text> TextsOf(const forms::Control& control) {
    HWND window = control.hWnd();
    RECT room = ScreenRect(window);
    const Measure measure(control);
    if (auto* label = dynamic_cast<const forms::Label*>(&control)) {
        if (label->Caption().empty())
            return {};
        if (label->Border() != forms::BorderStyle::None)
            InflateRect(&room, -kEdge, -kEdge);
        // A label that grows sideways keeps its lines; any other wraps words.
        const bool wraps = !label->AutoSize() || label->WordWrap();
        const SIZE size =
            measure.Text(label->Caption(), wraps ? DT_WORDBREAK : DT_SINGLELINE, Width(room));
        int left = room.left;
        if (label->TextAlign() == forms::Alignment::Center)
            left += (Width(room) - size.cx) / 2;
        else if (label->TextAlign() == forms::Alignment::Right)
            left = room.right - size.cx;
        return {{label->Caption(), Placed(left, room.top, size), room}};
    }
    if (auto* button = dynamic_cast<const forms::CommandButton*>(&control)) {
        if (button->Caption().empty() || button->Picture())
            return {};
        InflateRect(&room, -kEdge, -kEdge);
        const SIZE size = measure.Text(button->Caption(), DT_SINGLELINE);
        return {{button->Caption(), CentredOnLine(room, size, true), room}};
    }
    if (auto* checkable = dynamic_cast<const forms::CheckableButton*>(&control)) {
        if (checkable->Caption().empty())
            return {};
        // The mark is 13 pixels at 96 DPI and grows with the resolution.
        room.left += MulDiv(12, ScreenDpi(), 96) + 1 + measure.HalfDigit();
        const SIZE size = measure.Text(checkable->Caption(), DT_SINGLELINE);
        return {{checkable->Caption(), CentredOnLine(room, size, false), room}};
    }
    if (auto* frame = dynamic_cast<const forms::Frame*>(&control)) {
        if (frame->Caption().empty())
            return {};
        const SIZE size = measure.Text(frame->Caption(), DT_SINGLELINE);
        return {{frame->Caption(), Placed(room.left + kFrameCaptionLeft, room.top, size), room}};
    }
    if (auto* list = dynamic_cast<const forms::ComboBox*>(&control)) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (!GetComboBoxInfo(window, &info))
            return {{"(no item area)", room, {}}};
        RECT item = info.rcItem;
        MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&item), 2);
        item.left += kListTextLeft;
        item.right -= kListTextRight;
        std::vector<Text> texts;
        for (int i = 0; i < list->ListCount(); ++i) {
            const SIZE size = measure.Text(list->List(i), DT_SINGLELINE | DT_NOPREFIX);
            texts.push_back(
                {list->List(i), Placed(item.left, item.top, {size.cx, Height(item)}), item});
        }
        return texts;
    }
    return {};
}

std::string Describe(const RECT& r) {
    std::ostringstream text;
    text << Width(r) << "x" << Height(r) << " at (" << r.left << "," << r.top << ")";
    return text.str();
}

void CheckTexts(const forms::Form& form, std::vector<std::string>& faults) {
    for (const forms::Control* control : form.Controls()) {
        if (!control->hWnd() || !control->Visible() || !IsShownInForm(control->hWnd()))
            continue;
        const RECT visible = VisibleArea(control->hWnd());
        // Wholly outside what its containers show, as where a window shows
        // only its head.
        if (IsRectEmpty(&visible))
            continue;
        for (const Text& text : TextsOf(*control)) {
            RECT room{}, shown{};
            IntersectRect(&room, &text.room, &visible);
            IntersectRect(&shown, &text.needed, &room);
            if (EqualRect(&shown, &text.needed))
                continue;
            faults.push_back(form.Name() + "." + control->FullName() + " \"" + text.text +
                             "\" needs " + Describe(text.needed) + ", has " + Describe(room));
        }
    }
}

void CheckFitsSmallScreen(const forms::Form& form, std::vector<std::string>& faults) {
    // A maximized window takes whatever screen there is.
    if (form.State() == forms::WindowState::Maximized)
        return;
    for (const SmallScreen& screen : kSmallScreens) {
        if (screen.dpi != ScreenDpi())
            continue;
        const int width = screen.width * forms::TwipsPerPixelX();
        const int height = screen.height * forms::TwipsPerPixelY();
        const forms::Origin at =
            forms::CenterFormOrigin(width, height, form.Width(), form.Height());
        // Judged in the pixels the window lands on.
        const int left = forms::TwipsToPixels(at.left, forms::TwipsPerPixelX());
        const int top = forms::TwipsToPixels(at.top, forms::TwipsPerPixelY());
        const int right = forms::TwipsToPixels(at.left + form.Width(), forms::TwipsPerPixelX());
        const int bottom = forms::TwipsToPixels(at.top + form.Height(), forms::TwipsPerPixelY());
        if (left < 0 || top < 0 || right > screen.width || bottom > screen.height) {
            std::ostringstream text;
            text << form.Name() << " (" << form.Width() / forms::TwipsPerPixelX() << "x"
                 << form.Height() / forms::TwipsPerPixelY() << " pixels) leaves a " << screen.width
                 << "x" << screen.height << " screen";
            faults.push_back(text.str());
        }
        return;
    }
    faults.push_back("no small screen known for " + std::to_string(ScreenDpi()) + " DPI");
}

} // namespace

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

std::vector<std::string> LayoutFaults(const forms::Form& form) {
    std::vector<std::string> faults;
    // The prefix a test runs in may promise its resolution.
    const char* promised = getenv("TS_SCREEN_DPI");
    if (promised && atoi(promised) != ScreenDpi())
        faults.push_back(std::string("the screen is at ") + std::to_string(ScreenDpi()) +
                         " DPI, the prefix promises " + promised);
    if (!form.IsLoaded())
        return {form.Name() + " is not loaded"};
    CheckTexts(form, faults);
    CheckFitsSmallScreen(form, faults);
    return faults;
}

} // namespace wintest
