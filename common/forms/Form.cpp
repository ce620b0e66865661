#include "Form.h"

#include <algorithm>
#include <cctype>

#include "AccessKey.h"
#include "Control.h"
#include "InputCodes.h"
#include "Runtime.h"
#include "Screen.h"
#include "WindowName.h"

namespace forms {

namespace {

constexpr char kFormClass[] = "TsForm";
constexpr char kFormProperty[] = "TsFormObject";
// Posted on activation, so that Form_Activate runs from the message loop
// and not nested inside the activation itself.
constexpr UINT kActivateCheck = WM_APP + 0x3A1;
constexpr WPARAM kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

std::vector<Form*>& LoadedList() {
    static std::vector<Form*> loaded;
    return loaded;
}

Form* activeForm = nullptr;

void RegisterFormClass(WNDPROC procedure) {
    static bool registered = false;
    if (registered)
        return;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    // The program's first icon, when it has one.
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
    if (!windowClass.hIcon)
        windowClass.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kFormClass;
    registered = RegisterClassExA(&windowClass) != 0;
}

struct StyleBits {
    DWORD style;
    DWORD exStyle;
};

StyleBits StyleFor(BorderStyle border) {
    const DWORD common = WS_CLIPCHILDREN;
    switch (border) {
    case BorderStyle::None:
        return {WS_POPUP | common, 0};
    case BorderStyle::Sizable:
        return {WS_OVERLAPPEDWINDOW | common, 0};
    case BorderStyle::FixedToolWindow:
        return {WS_CAPTION | WS_SYSMENU | common, WS_EX_TOOLWINDOW};
    case BorderStyle::FixedSingle:
        break;
    }
    return {WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | common, 0};
}

bool CanTakeFocus(HWND window) {
    return window && IsWindowVisible(window) && IsWindowEnabled(window);
}

} // namespace

Form::Form(std::string name) : name_(std::move(name)) {}

Form::~Form() {
    DestroyForm();
}

const std::vector<Form*>& Form::LoadedForms() {
    return LoadedList();
}

void Form::Register(Control* control) {
    const auto after = std::upper_bound(
        controls_.begin(), controls_.end(), control->tabIndex_,
        [](int index, const Control* placed) { return index < placed->tabIndex_; });
    controls_.insert(after, control);
}

void Form::Unregister(Control* control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
}

Control* Form::FindControl(const std::string& fullName) const {
    for (Control* control : controls_)
        if (control->FullName() == fullName)
            return control;
    return nullptr;
}

HWND Form::hWnd() {
    Load();
    return hwnd_;
}

// ---- life cycle ----

bool Form::Load() {
    if (loaded_)
        return true;
    if (loading_)
        return false;
    loading_ = true;
    if (!initialized_) {
        initialized_ = true;
        Form_Initialize();
        design_ = props_;
        surfaceDesign_ = surface_;
        for (Control* control : controls_)
            control->SaveDesign();
    } else {
        props_ = design_;
        surface_ = surfaceDesign_;
        for (Control* control : controls_)
            control->RestoreDesign();
    }
    SetCurrentX(0);
    SetCurrentY(0);
    if (!CreateFormWindow()) {
        loading_ = false;
        return false;
    }
    CreateControlWindows();
    LayoutAlignedBoxes();
    loaded_ = true;
    loading_ = false;
    shownSinceLoad_ = false;
    resizeCount_ = 0;
    LoadedList().push_back(this);
    Form_Load();
    return loaded_;
}

bool Form::CreateFormWindow() {
    RegisterFormClass(WindowProc);
    const StyleBits bits = StyleFor(props_.border);
    const RECT outer = OuterPixels();
    CreateWindowExA(bits.exStyle, kFormClass, props_.caption.c_str(), bits.style, outer.left,
                    outer.top, outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr,
                    GetModuleHandleA(nullptr), this);
    return hwnd_ != nullptr; // set by WM_NCCREATE
}

void Form::Show() {
    if (!Load())
        return;
    const int resizesBefore = resizeCount_;
    int command = SW_SHOWNORMAL;
    if (props_.state == forms::WindowState::Maximized)
        command = SW_SHOWMAXIMIZED;
    else if (props_.state == forms::WindowState::Minimized)
        command = SW_SHOWMINIMIZED;
    ShowWindow(hwnd_, command);
    if (!hwnd_)
        return;
    if (!shownSinceLoad_) {
        shownSinceLoad_ = true;
        if (resizeCount_ == resizesBefore)
            FireResize();
        for (size_t i = 0; hwnd_ && i < controls_.size(); ++i)
            controls_[i]->FormFirstShown();
        if (!hwnd_)
            return;
        if (!FocusFirstControl())
            ::SetFocus(hwnd_);
    }
    SetForegroundWindow(hwnd_);
    if (hwnd_)
        FireActivate();
}

void Form::Hide() {
    if (!Load())
        return;
    ShowWindow(hwnd_, SW_HIDE);
    if (activeForm == this)
        activeForm = nullptr;
}

bool Form::Visible() const {
    return hwnd_ && IsWindowVisible(hwnd_);
}

void Form::SetVisible(bool visible) {
    if (visible)
        Show();
    else
        Hide();
}

bool Form::Unload() {
    return UnloadFor(UnloadMode::Code);
}

bool Form::UnloadFor(UnloadMode mode) {
    if (!loaded_)
        return true;
    if (unloading_)
        return false;
    unloading_ = true;
    bool cancel = false;
    Form_QueryUnload(cancel, mode);
    if (!cancel && loaded_)
        Form_Unload(cancel);
    unloading_ = false;
    if (!loaded_)
        return true; // a handler ended the program
    if (cancel)
        return false;
    DestroyForm();
    return true;
}

void Form::DestroyForm() {
    if (hwnd_)
        DestroyWindow(hwnd_); // WM_NCDESTROY does the rest
    else
        WindowGone();
}

void Form::WindowGone() {
    hwnd_ = nullptr;
    lastFocus_ = nullptr;
    if (activeForm == this)
        activeForm = nullptr;
    DiscardDrawing();
    if (!loaded_)
        return;
    loaded_ = false;
    auto& loaded = LoadedList();
    loaded.erase(std::remove(loaded.begin(), loaded.end(), this), loaded.end());
    if (loaded.empty())
        PostThreadMessageA(GetCurrentThreadId(), WM_NULL, 0, 0); // wake the message loop
}

void Form::Refresh() {
    if (hwnd_)
        RedrawWindow(hwnd_, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Form::FireResize() {
    ++resizeCount_;
    Form_Resize();
}

void Form::FireActivate() {
    if (activeForm == this)
        return;
    activeForm = this;
    Form_Activate();
}

// ---- layout of the controls ----

void Form::CreateControlWindows() {
    // A new child window goes below its siblings, so creating them in stacking
    // order stacks them without moving any: per container, windowed controls
    // on top in tab order, then windowless ones, later ones above earlier.
    // Containers are windowed and come first in the tab order, so each exists
    // before what it holds.
    for (Control* control : controls_)
        if (!control->IsWindowless())
            control->CreateWindowNow();
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
        if ((*it)->IsWindowless())
            (*it)->CreateWindowNow();
}

void Form::LayoutAlignedBoxes() {
    if (!hwnd_)
        return;
    RECT client{};
    GetClientRect(hwnd_, &client);
    int top = 0;
    int bottom = client.bottom;
    for (Control* control : controls_) {
        if (&control->Parent() != this || !control->Visible())
            continue;
        const AlignMode align = control->AlignedTo();
        if (align == AlignMode::None)
            continue;
        const int height = ToPixelsY(control->Height());
        int at = top;
        if (align == AlignMode::Top) {
            top += height;
        } else {
            bottom -= height;
            at = bottom;
        }
        control->Move(0, FromPixelsY(at), FromPixelsX(client.right), FromPixelsY(height));
    }
}

// ---- focus ----

bool Form::FocusFirstControl() {
    for (Control* control : controls_)
        if (control->IsTabStop() && CanTakeFocus(control->hwnd_)) {
            ::SetFocus(control->hwnd_);
            return true;
        }
    return false;
}

void Form::RememberFocus() {
    HWND focus = GetFocus();
    if (focus && IsChild(hwnd_, focus))
        lastFocus_ = focus;
}

void Form::MoveFocus(Control* from, bool backwards) {
    const int count = static_cast<int>(controls_.size());
    const auto at = std::find(controls_.begin(), controls_.end(), from);
    const int start = at == controls_.end() ? -1 : static_cast<int>(at - controls_.begin());
    for (int step = 1; step <= count; ++step) {
        const int index = ((start + (backwards ? -step : step)) % count + count) % count;
        Control* candidate = controls_[index];
        if (candidate != from && candidate->IsTabStop() && CanTakeFocus(candidate->hwnd_)) {
            ::SetFocus(candidate->hwnd_);
            return;
        }
    }
    if (hwnd_)
        ::SetFocus(hwnd_); // nothing else can take it: the form's own key events get the keys
}

// ---- properties ----

void Form::SetCaption(const std::string& caption) {
    props_.caption = caption;
    if (hwnd_)
        SetWindowTextA(hwnd_, caption.c_str());
}

void Form::SetBorder(BorderStyle border) {
    props_.border = border;
    if (!hwnd_)
        return;
    const StyleBits bits = StyleFor(border);
    const LONG_PTR visible = GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_VISIBLE;
    SetWindowLongPtrA(hwnd_, GWL_STYLE, static_cast<LONG_PTR>(bits.style) | visible);
    SetWindowLongPtrA(hwnd_, GWL_EXSTYLE, static_cast<LONG_PTR>(bits.exStyle));
    SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void Form::SetState(forms::WindowState state) {
    props_.state = state;
    if (!hwnd_ || !IsWindowVisible(hwnd_))
        return;
    ShowWindow(hwnd_, state == forms::WindowState::Maximized   ? SW_MAXIMIZE
                      : state == forms::WindowState::Minimized ? SW_MINIMIZE
                                                               : SW_RESTORE);
}

void Form::SetBackColor(Color color) {
    props_.backColor = color;
    DiscardDrawing(); // a new back colour erases the drawing
}

RECT Form::OuterPixels() const {
    const int left = TwipsToPixels(props_.left, TwipsPerPixelX());
    const int top = TwipsToPixels(props_.top, TwipsPerPixelY());
    return {left, top, left + TwipsToPixels(props_.width, TwipsPerPixelX()),
            top + TwipsToPixels(props_.height, TwipsPerPixelY())};
}

int Form::Left() const {
    if (!hwnd_)
        return props_.left;
    RECT area{};
    GetWindowRect(hwnd_, &area);
    return PixelsToTwips(area.left, TwipsPerPixelX());
}

int Form::Top() const {
    if (!hwnd_)
        return props_.top;
    RECT area{};
    GetWindowRect(hwnd_, &area);
    return PixelsToTwips(area.top, TwipsPerPixelY());
}

int Form::Width() const {
    if (!hwnd_)
        return props_.width;
    RECT area{};
    GetWindowRect(hwnd_, &area);
    return PixelsToTwips(area.right - area.left, TwipsPerPixelX());
}

int Form::Height() const {
    if (!hwnd_)
        return props_.height;
    RECT area{};
    GetWindowRect(hwnd_, &area);
    return PixelsToTwips(area.bottom - area.top, TwipsPerPixelY());
}

void Form::SetLeft(int left) {
    Move(left, Top(), Width(), Height());
}
void Form::SetTop(int top) {
    Move(Left(), top, Width(), Height());
}
void Form::SetWidth(int width) {
    Move(Left(), Top(), width, Height());
}
void Form::SetHeight(int height) {
    Move(Left(), Top(), Width(), height);
}
void Form::Move(int left, int top) {
    Move(left, top, Width(), Height());
}

void Form::Move(int left, int top, int width, int height) {
    props_.left = left;
    props_.top = top;
    props_.width = std::max(0, width);
    props_.height = std::max(0, height);
    if (!hwnd_)
        return;
    const RECT outer = OuterPixels();
    SetWindowPos(hwnd_, nullptr, outer.left, outer.top, outer.right - outer.left,
                 outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE Form::InnerPixels() const {
    if (hwnd_) {
        RECT client{};
        GetClientRect(hwnd_, &client);
        return {client.right, client.bottom};
    }
    // Not created yet: the designed outer size less the frame of the style.
    const StyleBits bits = StyleFor(props_.border);
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, bits.style, FALSE, bits.exStyle);
    const RECT outer = OuterPixels();
    return {std::max(0L, (outer.right - outer.left) - (frame.right - frame.left)),
            std::max(0L, (outer.bottom - outer.top) - (frame.bottom - frame.top))};
}

int Form::TextWidth(const std::string& text) const {
    HDC dc = MeasuringDC();
    HGDIOBJ old = SelectObject(dc, FontHandle(props_.font));
    int widest = 0;
    size_t begin = 0;
    while (begin <= text.size()) {
        size_t end = text.find_first_of("\r\n", begin);
        if (end == std::string::npos)
            end = text.size();
        SIZE size{};
        GetTextExtentPoint32A(dc, text.c_str() + begin, static_cast<int>(end - begin), &size);
        widest = std::max<int>(widest, size.cx);
        begin = end + 1;
        if (end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n')
            ++begin;
    }
    SelectObject(dc, old);
    return FromPixelsX(widest);
}

int Form::TextHeight(const std::string& text) const {
    HDC dc = MeasuringDC();
    HGDIOBJ old = SelectObject(dc, FontHandle(props_.font));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    int lines = 1;
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 >= text.size() || text[i + 1] != '\n')))
            ++lines;
    return FromPixelsY(lines * metrics.tmHeight);
}

// ---- painting ----

void Form::PaintSurfaceBase(HDC dc, int width, int height) {
    const RECT area{0, 0, width, height};
    FillRect(dc, &area, SolidBrush(props_.backColor));
}

void Form::PaintBackground(HDC dc) {
    RECT area{};
    GetClipBox(dc, &area);
    PaintSurface(dc, area);
}

// ---- messages ----

LRESULT CALLBACK Form::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<Form*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        SetPropA(window, kFormProperty, form);
        form->hwnd_ = window;
        AttachWindowName(window, form->name_);
    }
    auto* form = static_cast<Form*>(GetPropA(window, kFormProperty));
    if (!form)
        return DefWindowProcA(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        RemovePropA(window, kFormProperty);
        DetachWindowName(window);
        form->WindowGone();
        return DefWindowProcA(window, message, wParam, lParam);
    }
    const LRESULT result = form->HandleMessage(window, message, wParam, lParam);
    return result;
}

LRESULT Form::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (Control::RouteToChild(message, wParam, lParam, result))
        return result;
    switch (message) {
    case WM_CLOSE:
        UnloadFor(UnloadMode::CloseBox);
        return 0;
    case WM_ERASEBKGND:
        return 1; // the paint covers everything
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        PaintSurface(dc, paint.rcPaint);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_SIZE:
        SurfaceResized();
        if (loaded_ && wParam != SIZE_MINIMIZED) {
            LayoutAlignedBoxes();
            FireResize();
        }
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE)
            RememberFocus();
        else
            PostMessageA(window, kActivateCheck, 0, 0);
        break;
    case kActivateCheck:
        if (hwnd_ && GetActiveWindow() == hwnd_ && IsWindowVisible(hwnd_))
            FireActivate();
        return 0;
    case WM_SETFOCUS:
        // The focus belongs to a control when one can take it.
        if (lastFocus_ && IsChild(window, lastFocus_) && CanTakeFocus(lastFocus_))
            ::SetFocus(lastFocus_);
        else
            FocusFirstControl();
        return 0;
    case WM_SETCURSOR:
        if (ScreenMousePointer() == MousePointer::Hourglass) {
            SetCursor(LoadCursor(nullptr, IDC_WAIT));
            return TRUE;
        }
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        int key = static_cast<int>(wParam);
        Form_KeyDown(key, KeyboardShiftState());
        if (!hwnd_ || key == 0 || message == WM_KEYDOWN)
            return 0;
        break; // Alt combinations keep their system meaning (Alt+F4)
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        int key = static_cast<int>(wParam);
        Form_KeyUp(key, KeyboardShiftState());
        if (!hwnd_ || key == 0 || message == WM_KEYUP)
            return 0;
        break;
    }
    case WM_CHAR: {
        int key = static_cast<int>(wParam);
        Form_KeyPress(key);
        return 0;
    }
    case WM_SYSCHAR:
        if (HandleAccessKey(static_cast<int>(wParam)))
            return 0;
        break;
    default:
        if (HandleMouse(message, wParam, lParam))
            return 0;
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool Form::HandleMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    int button = 0;
    bool down = false;
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        button = kLeftButton, down = true;
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        button = kRightButton, down = true;
        break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        button = kMiddleButton, down = true;
        break;
    case WM_LBUTTONUP:
        button = kLeftButton;
        break;
    case WM_RBUTTONUP:
        button = kRightButton;
        break;
    case WM_MBUTTONUP:
        button = kMiddleButton;
        break;
    case WM_MOUSEMOVE:
        break;
    default:
        return false;
    }
    const int x = FromPixelsX(static_cast<short>(LOWORD(lParam)));
    const int y = FromPixelsY(static_cast<short>(HIWORD(lParam)));
    const int shift = ShiftFromMouseFlags(static_cast<unsigned>(wParam), AltKeyDown());
    if (button == 0) {
        Form_MouseMove(ButtonsFromMouseFlags(static_cast<unsigned>(wParam)), shift, x, y);
    } else if (down) {
        SetCapture(hwnd_);
        Form_MouseDown(button, shift, x, y);
    } else {
        if ((wParam & kAnyButton) == 0 && GetCapture() == hwnd_)
            ReleaseCapture();
        Form_MouseUp(button, shift, x, y);
    }
    return true;
}

bool Form::HandleAccessKey(int character) {
    if (character <= ' ' || character == '&' || character > 0xFF)
        return false;
    const char key = static_cast<char>(std::toupper(character));
    for (Control* control : controls_)
        if (CanTakeFocus(control->hwnd_) && AccessKeyOf(control->AccessCaption()) == key) {
            control->AccessKeyPressed();
            return true;
        }
    return false;
}

void Form::PreviewKey(UINT message, int& key) {
    if (!props_.keyPreview)
        return;
    const int shift = KeyboardShiftState();
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        Form_KeyDown(key, shift);
        break;
    case WM_CHAR:
        Form_KeyPress(key);
        break;
    default:
        Form_KeyUp(key, shift);
        break;
    }
}

} // namespace forms
