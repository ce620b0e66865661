#include "BitmapFile.h"

#include <fstream>

namespace e2e {

bool WriteBitmapFile(const std::string& path, int width, int height,
                     const std::function<COLORREF(int x, int y)>& colorAt) {
    const int rowBytes = (width * 3 + 3) & ~3;
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = rowBytes * height;
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42; // "BM"
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + info.biSizeImage;
    // Rows are stored bottom-up, each pixel blue, green, red.
    std::string pixels(info.biSizeImage, '\0');
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            const COLORREF color = colorAt(x, y);
            char* pixel = &pixels[(height - 1 - y) * rowBytes + x * 3];
            pixel[0] = static_cast<char>(GetBValue(color));
            pixel[1] = static_cast<char>(GetGValue(color));
            pixel[2] = static_cast<char>(GetRValue(color));
        }
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    return static_cast<bool>(out);
}

} // namespace e2e
