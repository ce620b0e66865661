#include "MsgBox.h"

#include <windows.h>

namespace forms {

namespace {
MsgBoxResponder& Responder() {
    static MsgBoxResponder responder;
    return responder;
}
} // namespace

int MsgBox(const std::string& text, unsigned style, const std::string& title) {
    if (Responder())
        return Responder()(text, style, title);
    return MessageBoxA(GetActiveWindow(), text.c_str(), title.c_str(), style);
}

void SetMsgBoxResponder(MsgBoxResponder responder) {
    Responder() = std::move(responder);
}

} // namespace forms
