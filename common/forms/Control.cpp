#include "Control.h"

#include "Form.h"
#include "InputCodes.h"
#include "Runtime.h"
#include "Screen.h"
#include "WindowName.h"

namespace forms {

namespace {

constexpr char kControlClass[] = "TsControl";
constexpr char kControlProperty[] = "TsControlObject";
constexpr WPARAM kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

void RegisterControlClass(WNDPROC procedure) {
    static bool registered = false;
    if (registered)
        return;
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kControlClass;
    registered = RegisterClassExA(&windowClass) != 0;
}

bool HasFocusWithin(HWND window) {
    HWND focus = GetFocus();
    return focus && (focus == window || IsChild(window, focus));
}

} // namespace

Control::Control(Container& parent, std::string name, int index)
    : parent_(parent), form_(parent.OwnerForm()), name_(std::move(name)), index_(index) {
    form_.Register(this);
}

Control::~Control() {
    DestroyWindowNow();
    form_.Unregister(this);
}

void Control::SetTabIndex(int index) {
    form_.Unregister(this);
    tabIndex_ = index;
    form_.Register(this);
}

std::string Control::FullName() const {
    if (index_ < 0)
        return name_;
    return name_ + "(" + std::to_string(index_) + ")";
}

Control* Control::FromWindow(HWND window) {
    return window ? static_cast<Control*>(GetPropA(window, kControlProperty)) : nullptr;
}

// ---- window life ----

void Control::CreateWindowNow() {
    if (hwnd_)
        return;
    HWND parentWindow = parent_.ContainerWindow();
    if (!parentWindow)
        return;
    const RECT pixels{parent_.ToPixelsX(common_.left), parent_.ToPixelsY(common_.top),
                      parent_.ToPixelsX(common_.left) + parent_.ToPixelsX(common_.width),
                      parent_.ToPixelsY(common_.top) + parent_.ToPixelsY(common_.height)};
    const DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (common_.visible ? WS_VISIBLE : 0) |
                        (common_.enabled ? 0 : WS_DISABLED) | (IsTabStop() ? WS_TABSTOP : 0);
    HWND window = CreateNativeWindow(parentWindow, pixels, style);
    if (!window)
        return;
    hwnd_ = window;
    AttachWindowName(window, FullName());
    // The form is not shown yet and paints every window when it is: the font
    // goes in without a redraw.
    if (systemProc_)
        SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(common_.font)), FALSE);
    AfterCreate();
}

HWND Control::CreateCustomWindow(HWND parent, const RECT& pixels, DWORD style, DWORD exStyle,
                                 const std::string& text) {
    RegisterControlClass(CustomProc);
    const SIZE size = WindowSizeFor(pixels.right - pixels.left, pixels.bottom - pixels.top);
    return CreateWindowExA(exStyle, kControlClass, text.c_str(), style, pixels.left, pixels.top,
                           size.cx, size.cy, parent, nullptr, GetModuleHandleA(nullptr), this);
}

HWND Control::CreateSystemWindow(const char* className, HWND parent, const RECT& pixels,
                                 DWORD style, DWORD exStyle, const std::string& text) {
    const SIZE size = WindowSizeFor(pixels.right - pixels.left, pixels.bottom - pixels.top);
    HWND window =
        CreateWindowExA(exStyle, className, text.c_str(), style, pixels.left, pixels.top, size.cx,
                        size.cy, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window)
        return nullptr;
    SetPropA(window, kControlProperty, this);
    hwnd_ = window; // messages the control sends itself from here on are ours
    systemProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc)));
    return window;
}

void Control::DestroyWindowNow() {
    if (hwnd_)
        DestroyWindow(hwnd_); // its WM_NCDESTROY detaches this object
}

void Control::Detach() {
    HWND window = hwnd_;
    RemovePropA(window, kControlProperty);
    DetachWindowName(window);
    if (systemProc_) {
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProc_));
        systemProc_ = nullptr;
    }
    hwnd_ = nullptr;
    buttonsDown_ = 0;
    AfterDestroy();
}

void Control::SaveDesign() {
    commonDesign_ = common_;
    SaveOwnDesign();
    designSaved_ = true;
}

void Control::RestoreDesign() {
    if (!designSaved_)
        return;
    common_ = commonDesign_;
    RestoreOwnDesign();
}

LRESULT CALLBACK Control::CustomProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* control =
            static_cast<Control*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetPropA(window, kControlProperty, control);
        control->hwnd_ = window;
    }
    Control* control = FromWindow(window);
    if (!control)
        return DefWindowProcA(window, message, wParam, lParam);
    return control->WindowProc(message, wParam, lParam);
}

LRESULT CALLBACK Control::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Control* control = FromWindow(window);
    if (!control)
        return DefWindowProcA(window, message, wParam, lParam);
    return control->WindowProc(message, wParam, lParam);
}

LRESULT Control::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!hwnd_)
        return 0;
    if (systemProc_)
        return CallWindowProcA(systemProc_, hwnd_, message, wParam, lParam);
    return DefWindowProcA(hwnd_, message, wParam, lParam);
}

LRESULT Control::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (RouteToChild(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_NCDESTROY: {
        result = DefaultProc(message, wParam, lParam);
        Detach();
        return result;
    }
    case WM_SETCURSOR:
        if (ScreenMousePointer() == MousePointer::Hourglass) {
            SetCursor(LoadCursor(nullptr, IDC_WAIT));
            return TRUE;
        }
        break;
    case WM_ERASEBKGND:
        if (!systemProc_)
            return 1; // the paint covers everything
        break;
    case WM_PAINT:
        if (!systemProc_) {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(hwnd_, &paint);
            PaintWindow(dc);
            EndPaint(hwnd_, &paint);
            return 0;
        }
        break;
    case WM_SYSCHAR:
        if (form_.HandleAccessKey(static_cast<int>(wParam)))
            return 0;
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
        if (HandleKey(message, wParam))
            return 0;
        break;
    default:
        if (HandleMouse(message, wParam, lParam) && !hwnd_)
            return 0; // a handler unloaded the form
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

bool Control::Reflect(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

bool Control::RouteToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORSCROLLBAR:
        break;
    default:
        return false;
    }
    Control* child = FromWindow(reinterpret_cast<HWND>(lParam));
    return child && child->Reflect(message, wParam, lParam, result);
}

// ---- input ----

bool Control::HandleKey(UINT message, WPARAM& wParam) {
    const int shift = KeyboardShiftState();
    if (message == WM_KEYDOWN && wParam == VK_TAB && (shift & (kCtrlMask | kAltMask)) == 0) {
        form_.MoveFocus(this, (shift & kShiftMask) != 0);
        return true;
    }
    int key = static_cast<int>(wParam);
    form_.PreviewKey(message, key);
    if (!hwnd_ || key == 0)
        return true;
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (OnKeyDown)
            OnKeyDown(key, shift);
        break;
    case WM_CHAR:
        if (OnKeyPress)
            OnKeyPress(key);
        break;
    default:
        if (OnKeyUp)
            OnKeyUp(key, shift);
        break;
    }
    if (!hwnd_ || key == 0)
        return true;
    wParam = static_cast<WPARAM>(key);
    return false;
}

bool Control::HandleMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    enum class Kind { Down, Up, Move, DoubleClick } kind;
    int button = 0;
    switch (message) {
    case WM_LBUTTONDOWN:
        kind = Kind::Down, button = kLeftButton;
        break;
    case WM_RBUTTONDOWN:
        kind = Kind::Down, button = kRightButton;
        break;
    case WM_MBUTTONDOWN:
        kind = Kind::Down, button = kMiddleButton;
        break;
    case WM_LBUTTONDBLCLK:
        kind = Kind::DoubleClick, button = kLeftButton;
        break;
    case WM_RBUTTONDBLCLK:
        kind = Kind::Down, button = kRightButton;
        break;
    case WM_MBUTTONDBLCLK:
        kind = Kind::Down, button = kMiddleButton;
        break;
    case WM_LBUTTONUP:
        kind = Kind::Up, button = kLeftButton;
        break;
    case WM_RBUTTONUP:
        kind = Kind::Up, button = kRightButton;
        break;
    case WM_MBUTTONUP:
        kind = Kind::Up, button = kMiddleButton;
        break;
    case WM_MOUSEMOVE:
        kind = Kind::Move;
        break;
    default:
        return false;
    }
    const int pixelX = static_cast<short>(LOWORD(lParam));
    const int pixelY = static_cast<short>(HIWORD(lParam));
    const Container& units = MouseUnits();
    const int x = units.FromPixelsX(pixelX);
    const int y = units.FromPixelsY(pixelY);
    const int shift = ShiftFromMouseFlags(static_cast<unsigned>(wParam), AltKeyDown());
    // System controls capture the mouse themselves.
    const bool ownCapture = systemProc_ == nullptr;

    switch (kind) {
    case Kind::DoubleClick:
        if (OnDblClick) {
            if (ownCapture)
                SetCapture(hwnd_);
            OnDblClick();
            break;
        }
        [[fallthrough]]; // without a double-click handler it is another press
    case Kind::Down:
        if (ownCapture)
            SetCapture(hwnd_);
        buttonsDown_ |= button;
        if (OnMouseDown)
            OnMouseDown(button, shift, x, y);
        break;
    case Kind::Up: {
        const bool pressedHere = (buttonsDown_ & button) != 0;
        buttonsDown_ &= ~button;
        if (ownCapture && (wParam & kAnyButton) == 0 && GetCapture() == hwnd_)
            ReleaseCapture();
        if (OnMouseUp)
            OnMouseUp(button, shift, x, y);
        RECT client{};
        if (hwnd_)
            GetClientRect(hwnd_, &client);
        const POINT at{pixelX, pixelY};
        if (hwnd_ && button == kLeftButton && pressedHere && RaisesClickOnMouseUp() &&
            PtInRect(&client, at) && OnClick)
            OnClick();
        break;
    }
    case Kind::Move:
        if (OnMouseMove)
            OnMouseMove(ButtonsFromMouseFlags(static_cast<unsigned>(wParam)), shift, x, y);
        break;
    }
    return true;
}

// ---- painting ----

void Control::PaintContent(HDC) {}

void Control::PaintWindow(HDC dc) {
    if (IsWindowless())
        PaintUnderneath(dc);
    PaintContent(dc);
}

void Control::PaintUnderneath(HDC dc) {
    const RECT mine = PixelRectInParent();
    int saved = SaveDC(dc);
    SetViewportOrgEx(dc, -mine.left, -mine.top, nullptr);
    parent_.PaintBackground(dc);
    RestoreDC(dc, saved);
    // Windowless controls created earlier lie below this one.
    for (Control* sibling : form_.controls_) {
        if (sibling == this)
            break;
        if (&sibling->parent_ != &parent_ || !sibling->IsWindowless() || !sibling->hwnd_ ||
            !sibling->common_.visible)
            continue;
        const RECT theirs = sibling->PixelRectInParent();
        RECT overlap;
        if (!IntersectRect(&overlap, &theirs, &mine))
            continue;
        saved = SaveDC(dc);
        SetViewportOrgEx(dc, theirs.left - mine.left, theirs.top - mine.top, nullptr);
        IntersectClipRect(dc, 0, 0, theirs.right - theirs.left, theirs.bottom - theirs.top);
        sibling->PaintContent(dc);
        RestoreDC(dc, saved);
    }
}

void Control::InvalidateVisual() {
    // A hidden form is painted whole when it is shown.
    if (!hwnd_ || !form_.Visible())
        return;
    if (IsWindowless()) {
        const RECT area = PixelRectInParent();
        RedrawWindow(GetParent(hwnd_), &area, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    } else {
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
}

void Control::Refresh() {
    InvalidateVisual();
    if (hwnd_)
        RedrawWindow(GetParent(hwnd_), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// ---- geometry ----

SIZE Control::WindowSizeFor(int widthPixels, int heightPixels) const {
    return {widthPixels, heightPixels};
}

RECT Control::PixelRectInParent() const {
    if (hwnd_) {
        RECT area{};
        GetWindowRect(hwnd_, &area);
        MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&area), 2);
        return area;
    }
    const int left = parent_.ToPixelsX(common_.left);
    const int top = parent_.ToPixelsY(common_.top);
    return {left, top, left + parent_.ToPixelsX(common_.width),
            top + parent_.ToPixelsY(common_.height)};
}

int Control::Left() const {
    return hwnd_ ? parent_.FromPixelsX(PixelRectInParent().left) : common_.left;
}
int Control::Top() const {
    return hwnd_ ? parent_.FromPixelsY(PixelRectInParent().top) : common_.top;
}
int Control::Width() const {
    if (!hwnd_)
        return common_.width;
    const RECT area = PixelRectInParent();
    return parent_.FromPixelsX(area.right - area.left);
}
int Control::Height() const {
    if (!hwnd_)
        return common_.height;
    const RECT area = PixelRectInParent();
    return parent_.FromPixelsY(area.bottom - area.top);
}

void Control::SetLeft(int left) {
    Move(left, Top(), Width(), Height());
}
void Control::SetTop(int top) {
    Move(Left(), top, Width(), Height());
}
void Control::SetWidth(int width) {
    Move(Left(), Top(), width, Height());
}
void Control::SetHeight(int height) {
    Move(Left(), Top(), Width(), height);
}
void Control::Move(int left, int top) {
    Move(left, top, Width(), Height());
}

void Control::Move(int left, int top, int width, int height) {
    common_.left = left;
    common_.top = top;
    common_.width = width < 0 ? 0 : width;
    common_.height = height < 0 ? 0 : height;
    if (hwnd_) {
        if (IsWindowless())
            InvalidateVisual(); // the old place
        ApplyGeometry();
        if (IsWindowless())
            InvalidateVisual();
    }
    GeometryChanged();
}

void Control::ApplyGeometry() {
    const int left = parent_.ToPixelsX(common_.left);
    const int top = parent_.ToPixelsY(common_.top);
    const SIZE size =
        WindowSizeFor(parent_.ToPixelsX(common_.width), parent_.ToPixelsY(common_.height));
    SetWindowPos(hwnd_, nullptr, left, top, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- state ----

void Control::SetVisible(bool visible) {
    common_.visible = visible;
    if (!hwnd_)
        return;
    const bool hadFocus = HasFocusWithin(hwnd_);
    ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
    if (!visible && hadFocus)
        form_.MoveFocus(this, false);
}

void Control::SetEnabled(bool enabled) {
    common_.enabled = enabled;
    if (!hwnd_)
        return;
    const bool hadFocus = HasFocusWithin(hwnd_);
    EnableWindow(hwnd_, enabled);
    if (!enabled && hadFocus)
        form_.MoveFocus(this, false);
    InvalidateVisual();
}

void Control::AccessKeyPressed() {
    form_.MoveFocus(this, false);
}

void Control::SetFocus() {
    if (hwnd_)
        ::SetFocus(hwnd_);
}

void Control::SetForeColor(Color color) {
    common_.foreColor = color;
    ColorsChanged();
}

void Control::SetBackColor(Color color) {
    common_.backColor = color;
    ColorsChanged();
}

void Control::ColorsChanged() {
    InvalidateVisual();
}

void Control::SetFontName(const std::string& name) {
    common_.font.name = name;
    FontChanged();
}
void Control::SetFontSize(int points) {
    common_.font.size = points;
    FontChanged();
}
void Control::SetFontBold(bool bold) {
    common_.font.bold = bold;
    FontChanged();
}
void Control::SetFontItalic(bool italic) {
    common_.font.italic = italic;
    FontChanged();
}

void Control::FontChanged() {
    if (hwnd_ && systemProc_)
        SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(common_.font)), TRUE);
    InvalidateVisual();
}

} // namespace forms
