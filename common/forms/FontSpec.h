// The font of a form or control: face, size in points, bold, italic.
#pragma once

#include <windows.h>

#include <string>

namespace forms {

struct FontSpec {
    std::string name;
    int size = 0; // points
    bool bold = false;
    bool italic = false;

    // The system's GUI font, as every control starts with.
    static FontSpec Default();
    bool operator==(const FontSpec& other) const;
    bool operator!=(const FontSpec& other) const { return !(*this == other); }
};

// The GDI font for a spec; created once per distinct spec and kept for the
// life of the process, so callers never delete it.
HFONT FontHandle(const FontSpec& spec);

} // namespace forms
