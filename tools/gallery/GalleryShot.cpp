#include "GalleryShot.h"

#include "basVersion.h"

namespace gallery {

namespace {

// How long a shown window may take to be painted, and how long it must then
// stay quiet: a program that polls (the calibration) has what it drew put on
// the screen about every 50 ms, one that waits for input at once.
constexpr DWORD PaintTimeoutMs = 5000;
constexpr DWORD QuietMs = 100;

std::string ShotPath(const std::string& name) {
    char folder[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("TS_SHOTS_DIR", folder, sizeof folder);
    if (length == 0 || length >= sizeof folder) {
        KIT_FAILURE() << "TS_SHOTS_DIR is not set";
        return std::string();
    }
    return e2e::ToWindowsPath(std::string(folder, length)) + "\\" + name + "-" +
           basVersion::BuildLetter + ".bmp";
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

// Whether the window or a shown child still waits for its paint.
bool PaintPending(HWND window) {
    std::vector<HWND> windows = {window};
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&windows));
    for (HWND each : windows)
        if (IsWindowVisible(each) && GetUpdateRect(each, nullptr, FALSE))
            return true;
    return false;
}

// Evidence that the window stands painted on the screen: its program has
// finished starting (idle for input), and for QuietMs on end it answers
// messages (it is in its message loop, where what it drew reaches the
// screen) while nothing of the window waits for a paint.
bool WaitForPainted(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, processId);
    if (process) {
        WaitForInputIdle(process, PaintTimeoutMs);
        CloseHandle(process);
    }
    DWORD quietSince = 0;
    bool quiet = false;
    return e2e::WaitUntil(
        [&] {
            const bool now = e2e::SendWithin(window, WM_NULL, 0, 0, nullptr, PaintTimeoutMs) &&
                             !PaintPending(window);
            if (now && !quiet)
                quietSince = GetTickCount();
            quiet = now;
            return quiet && GetTickCount() - quietSince >= QuietMs;
        },
        "window \"" + e2e::TextOf(window) + "\" to be painted", PaintTimeoutMs);
}

// The pixels of a place of the screen as it shows it now (the frames, the
// children and anything a program draws on top), top row first, each
// 0x00RRGGBB; empty when the screen cannot be copied.
std::vector<DWORD> ScreenPixels(const RECT& place) {
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    std::vector<DWORD> copy;
    if (width <= 0 || height <= 0)
        return copy;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    if (bitmap && BitBlt(memory, 0, 0, width, height, screen, place.left, place.top, SRCCOPY)) {
        GdiFlush();
        const auto* pixels = static_cast<const DWORD*>(bits);
        copy.assign(pixels, pixels + width * height);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return copy;
}

// A focused scroll bar blinks its thumb, as a caret that is shown as soon as
// the window takes the focus. The picture shows the thumb at rest: it is
// taken once the caret has blinked off, seen as a change under it.
void WaitForCaretOff(HWND window) {
    GUITHREADINFO thread = {};
    thread.cbSize = sizeof thread;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread) || !thread.hwndCaret)
        return;
    RECT caret = thread.rcCaret;
    MapWindowPoints(thread.hwndCaret, nullptr, reinterpret_cast<POINT*>(&caret), 2);
    const std::vector<DWORD> shown = ScreenPixels(caret);
    if (!shown.empty())
        e2e::PollUntil([&] { return ScreenPixels(caret) != shown; }, 3 * GetCaretBlinkTime());
}

// Writes the picture of the window as the screen shows it.
bool CopyScreen(HWND window, const std::string& name) {
    const std::string path = ShotPath(name);
    if (path.empty())
        return false;
    const RECT place = e2e::WindowRectOf(window);
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    if (width <= 0 || height <= 0) {
        KIT_FAILURE() << name << " has no size: " << width << " x " << height;
        return false;
    }
    const std::vector<DWORD> pixels = ScreenPixels(place);
    if (pixels.empty()) {
        KIT_FAILURE() << "screen copy of " << name << " failed: " << GetLastError();
        return false;
    }
    return e2e::WriteBitmapFile(path, width, height, [&](int x, int y) {
        const DWORD pixel = pixels[y * width + x];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    });
}

} // namespace

bool Shoot(HWND window, const std::string& name) {
    if (!window || !e2e::WaitForVisible(window, true) || !WaitForPainted(window))
        return e2e::Check("picture " + name, false);
    WaitForCaretOff(window);
    const bool made = CopyScreen(window, name);
    return e2e::Check("picture " + name, made);
}

e2e::MessageBoxInfo ShootMessageBox(DWORD processId, const std::string& name) {
    const e2e::MessageBoxInfo box = e2e::WaitForMessageBox(processId);
    Shoot(box.window, name);
    return box;
}

HWND Gallery::StartForm(const std::string& fileName, const std::string& formName, int showCommand,
                        const std::string& arguments) {
    lastId_ = Start(fileName, showCommand, arguments).Id();
    HWND form = e2e::WaitForForm(lastId_, formName);
    return form && e2e::WaitForVisible(form, true) ? form : nullptr;
}

HWND Gallery::Open(HWND form, const std::string& control, const std::string& formName) {
    HWND button = form ? e2e::WaitForControl(form, control) : nullptr;
    if (!button)
        return nullptr;
    DWORD processId = 0;
    GetWindowThreadProcessId(form, &processId);
    e2e::ClickButton(button);
    HWND opened = e2e::WaitForForm(processId, formName);
    return opened && e2e::WaitForVisible(opened, true) ? opened : nullptr;
}

std::string Gallery::UseInstallFolder(const std::string& name) {
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    e2e::Identity identity;
    identity.installPath = std::string(temp) + name;
    CreateDirectoryA(identity.installPath.c_str(), nullptr);
    e2e::PrepareSettingsKey(identity);
    return identity.installPath;
}

e2e::Step OnStage(const std::string& name, Scene scene) {
    return {name, [scene] {
                Gallery gallery;
                if (gallery.Begin())
                    scene(gallery);
            }};
}

} // namespace gallery
