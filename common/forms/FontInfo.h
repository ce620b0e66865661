// The font of a form or control: face, size in points, bold, italic.
#pragma once

#include <windows.h>

#include <string>

namespace forms {

struct FontInfo {
    std::string name;
    int size = 0; // points
    bool bold = false;
    bool italic = false;

    // The system's GUI font, as every control starts with.
    static FontInfo Default();
    bool operator==(const FontInfo& other) const;
    bool operator!=(const FontInfo& other) const { return !(*this == other); }
};

// The GDI font for a description; created once per distinct one and kept for the
// life of the process, so callers never delete it.
HFONT FontHandle(const FontInfo& info);

// A memory DC compatible with the screen, kept for the life of the process, to
// measure text on without fetching the screen's DC each time. Callers select
// their font and put the previous one back.
HDC MeasuringDC();

} // namespace forms
