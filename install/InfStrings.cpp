#include "InfStrings.h"

namespace InfStrings {

std::string DriverText(const std::string& versionText) {
    return "TouchScreen - PS/2 Mouse Driver V." + std::string(" [") + versionText + "]";
}

std::vector<std::pair<std::string, std::string>> DriverStrings(const std::string& versionText) {
    const std::string text = DriverText(versionText);
    std::vector<std::pair<std::string, std::string>> strings = {{"OEM_CALL", "\"" + text + "\""}};
    for (const char* device : {"0F03", "0F0B", "0F0E", "0F13"}) {
        std::string lower = device;
        for (char& c : lower)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
        strings.emplace_back("*pnp" + lower + ".DeviceDesc",
                             "\"" + text + "(*PnP" + device + ")\"");
    }
    return strings;
}

const std::vector<std::string>& CopiedKeys() {
    static const std::vector<std::string> keys = {"mouclass.SvcDesc", "i8042prt.SvcDesc",
                                                  "MouseClassName"};
    return keys;
}

} // namespace InfStrings
