#include "RemovalTexts.h"

#include "basVersion.h"

namespace RemovalTexts {

std::string ProductName() {
    return std::string("TouchScreen V.") + basVersion::VersionText;
}

std::string QuestionText() {
    return "Are you sure you want to completely remove " + ProductName() +
           " and all of its components?";
}

std::string UninstallerCommandLine(const std::string& installPath) {
    return "\"" + installPath + "\\unins000.exe\" /SILENT";
}

std::string UnregisterCommandLine(const std::string& windowsPath, const std::string& hardwareId) {
    return windowsPath + "\\" + basVersion::RegistrationFile + " " + windowsPath +
           "\\inf\\MSMOUSE.inf " + hardwareId + " Remove";
}

std::string FailureText(const std::string& reason) {
    return "Fail to remove files! (" + reason + ")";
}

} // namespace RemovalTexts
