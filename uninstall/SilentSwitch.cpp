#include "SilentSwitch.h"

#include <cctype>
#include <cstring>

namespace SilentSwitch {

bool IsSilent(const char* arguments) {
    const char* const word = "/SILENT";
    const size_t length = std::strlen(word);
    if (!arguments)
        return false;
    // Words are separated by blanks; a quoted word counts without its quotes.
    for (const char* at = arguments; *at;) {
        while (*at == ' ' || *at == '\t')
            ++at;
        const char* end = at;
        while (*end && *end != ' ' && *end != '\t')
            ++end;
        const char* first = at;
        const char* last = end;
        if (last - first >= 2 && *first == '"' && last[-1] == '"') {
            ++first;
            --last;
        }
        bool same = static_cast<size_t>(last - first) == length;
        for (size_t i = 0; same && i < length; ++i)
            same = std::toupper(static_cast<unsigned char>(first[i])) == word[i];
        if (same)
            return true;
        at = end;
    }
    return false;
}

} // namespace SilentSwitch
