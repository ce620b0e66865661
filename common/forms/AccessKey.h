// Access keys: "&" in a caption marks the next character as the key that
// Alt selects; "&&" is a plain "&". Pure, so the host build tests it.
#pragma once

#include <cctype>
#include <string>

namespace forms {

// The caption's access key, upper-cased; 0 when it has none.
inline char AccessKeyOf(const std::string& caption) {
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
        ++i; // "&&"
    }
    return 0;
}

} // namespace forms
