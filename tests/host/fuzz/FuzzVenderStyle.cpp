// Any style code, of any length and content, parses without fault, and what
// it yields stays within what a window can take.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "VenderStyle.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string code(reinterpret_cast<const char*>(data), size);
    auto style = basLOGO::ParseVenderStyle(code);
    if (style.has_value() != (size >= 8))
        abort();
    if (style) {
        if (style->size && (*style->size < 1 || *style->size > 99))
            abort();
        if (style->bold && style->italic && code[1] != '3')
            abort();
        for (auto colour : {style->titleColour, style->systemColour})
            if (colour && (*colour & 0xFF000000u) != 0)
                abort();
    }
    return 0;
}
