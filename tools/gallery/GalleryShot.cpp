#include "GalleryShot.h"

#include <gtest/gtest.h>

#include "WinTestSupport.h"
#include "forms/Runtime.h"
#include "basVersion.h"

namespace gallery {

namespace {

// Time for a window that has just been shown to finish its first paint.
constexpr int PaintMs = 700;

std::string ShotPath(const std::string& name) {
    char folder[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableA("TS_SHOTS_DIR", folder, sizeof folder);
    if (length == 0 || length >= sizeof folder) {
        ADD_FAILURE() << "TS_SHOTS_DIR is not set";
        return std::string();
    }
    return e2e::ToWindowsPath(std::string(folder, length)) + "\\" + name + "-" +
           basVersion::BuildLetter + ".bmp";
}

} // namespace

bool Shoot(HWND window, const std::string& name) {
    if (!window || !e2e::WaitForVisible(window, true))
        return false;
    forms::PauseMilliseconds(PaintMs);
    const std::string path = ShotPath(name);
    if (path.empty())
        return false;
    const RECT place = e2e::WindowRectOf(window);
    const int width = place.right - place.left;
    const int height = place.bottom - place.top;
    EXPECT_GT(width, 0) << name;
    EXPECT_GT(height, 0) << name;
    if (width <= 0 || height <= 0)
        return false;

    // The screen as it shows the window: its frame, its children and
    // anything the program draws on top.
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
    const bool copied =
        BitBlt(memory, 0, 0, width, height, screen, place.left, place.top, SRCCOPY) != FALSE;
    GdiFlush();
    if (copied) {
        const auto* pixels = static_cast<const DWORD*>(bits);
        wintest::WriteBitmapFile(path, width, height, [&](int x, int y) {
            const DWORD pixel = pixels[y * width + x];
            return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
        });
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    EXPECT_TRUE(copied) << "screen copy of " << name << " failed: " << GetLastError();
    return copied;
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

} // namespace gallery
