// A picture shown by a button, picture box or image: a bitmap or an icon.
// Pictures are shared: copying one control's picture to another copies the
// pointer, not the image.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace forms {

class Picture {
  public:
    // Takes ownership of the handle.
    static std::shared_ptr<const Picture> FromBitmap(HBITMAP bitmap);
    static std::shared_ptr<const Picture> FromIcon(HICON icon);
    ~Picture();
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    bool IsIcon() const { return icon_ != nullptr; }
    HICON Icon() const { return icon_; }
    HBITMAP Bitmap() const { return bitmap_; }
    int Width() const { return width_; } // pixels
    int Height() const { return height_; }

    // Draws the picture at (x, y), stretched to width x height pixels.
    void Draw(HDC dc, int x, int y, int width, int height) const;

  private:
    Picture(HBITMAP bitmap, HICON icon, int width, int height);
    HBITMAP bitmap_;
    HICON icon_;
    int width_;
    int height_;
};

using PicturePtr = std::shared_ptr<const Picture>;

// A .bmp or .ico file; null when the file cannot be read as a picture.
PicturePtr LoadPicture(const std::string& path);

// An icon resource of the program, at the given size in pixels (0 = the
// icon's own size); null when the program has no such icon.
PicturePtr LoadIconResource(int resourceId, int width = 0, int height = 0);

} // namespace forms
