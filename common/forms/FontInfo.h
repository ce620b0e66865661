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

} // namespace forms
