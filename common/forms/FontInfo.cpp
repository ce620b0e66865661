#include "FontInfo.h"

#include <map>
#include <tuple>

namespace forms {

namespace {

int ScreenDpiY() {
    return GetDeviceCaps(MeasuringDC(), LOGPIXELSY);
}

HFONT GuiFont() {
    return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

} // namespace

HDC MeasuringDC() {
    static const HDC dc = CreateCompatibleDC(nullptr);
    return dc;
}

FontInfo FontInfo::Default() {
    static const FontInfo info = [] {
        LOGFONTA logFont{};
        GetObjectA(GuiFont(), sizeof logFont, &logFont);
        FontInfo result;
        result.name = logFont.lfFaceName;
        const int height = logFont.lfHeight < 0 ? -logFont.lfHeight : logFont.lfHeight;
        result.size = MulDiv(height, 72, ScreenDpiY());
        result.bold = logFont.lfWeight >= FW_BOLD;
        result.italic = logFont.lfItalic != 0;
        return result;
    }();
    return info;
}

bool FontInfo::operator==(const FontInfo& other) const {
    return std::tie(name, size, bold, italic) ==
           std::tie(other.name, other.size, other.bold, other.italic);
}

HFONT FontHandle(const FontInfo& info) {
    if (info == FontInfo::Default())
        return GuiFont();
    using Key = std::tuple<std::string, int, bool, bool>;
    static std::map<Key, HFONT> fonts;
    HFONT& font = fonts[Key(info.name, info.size, info.bold, info.italic)];
    if (!font) {
        font = CreateFontA(-MulDiv(info.size, ScreenDpiY(), 72), 0, 0, 0,
                           info.bold ? FW_BOLD : FW_NORMAL, info.italic, FALSE, FALSE,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, info.name.c_str());
        if (!font)
            font = GuiFont();
    }
    return font;
}

} // namespace forms
