#include "Picture.h"

#include <cctype>

namespace forms {

Picture::Picture(HBITMAP bitmap, HICON icon, int width, int height)
    : bitmap_(bitmap), icon_(icon), width_(width), height_(height) {}

Picture::~Picture() {
    if (bitmap_)
        DeleteObject(bitmap_);
    if (icon_)
        DestroyIcon(icon_);
}

std::shared_ptr<const Picture> Picture::FromBitmap(HBITMAP bitmap) {
    if (!bitmap)
        return nullptr;
    BITMAP info{};
    GetObjectA(bitmap, sizeof info, &info);
    return std::shared_ptr<const Picture>(
        new Picture(bitmap, nullptr, info.bmWidth, info.bmHeight));
}

std::shared_ptr<const Picture> Picture::FromIcon(HICON icon) {
    if (!icon)
        return nullptr;
    int width = GetSystemMetrics(SM_CXICON);
    int height = GetSystemMetrics(SM_CYICON);
    ICONINFO info{};
    if (GetIconInfo(icon, &info)) {
        BITMAP mask{};
        if (info.hbmMask && GetObjectA(info.hbmMask, sizeof mask, &mask)) {
            width = mask.bmWidth;
            // A monochrome icon keeps its AND and XOR masks in one bitmap.
            height = info.hbmColor ? mask.bmHeight : mask.bmHeight / 2;
        }
        if (info.hbmMask)
            DeleteObject(info.hbmMask);
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
    }
    return std::shared_ptr<const Picture>(new Picture(nullptr, icon, width, height));
}

void Picture::Draw(HDC dc, int x, int y, int width, int height) const {
    if (icon_) {
        DrawIconEx(dc, x, y, icon_, width, height, 0, nullptr, DI_NORMAL);
        return;
    }
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap_);
    if (width == width_ && height == height_) {
        BitBlt(dc, x, y, width, height, source, 0, 0, SRCCOPY);
    } else {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, x, y, width, height, source, 0, 0, width_, height_, SRCCOPY);
    }
    SelectObject(source, old);
    DeleteDC(source);
}

namespace {

bool HasIconExtension(const std::string& path) {
    if (path.size() < 4)
        return false;
    std::string extension = path.substr(path.size() - 4);
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension == ".ico";
}

} // namespace

PicturePtr LoadPicture(const std::string& path) {
    if (HasIconExtension(path))
        return Picture::FromIcon(static_cast<HICON>(
            LoadImageA(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE)));
    return Picture::FromBitmap(static_cast<HBITMAP>(
        LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)));
}

PicturePtr LoadIconResource(int resourceId, int width, int height) {
    // A zero size without LR_DEFAULTSIZE takes the resource's own size.
    return Picture::FromIcon(static_cast<HICON>(LoadImageA(
        GetModuleHandleA(nullptr), MAKEINTRESOURCEA(resourceId), IMAGE_ICON, width, height, 0)));
}

} // namespace forms
