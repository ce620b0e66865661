// Every message box of a program goes through MsgBox, so that in-process
// tests can answer it instead of a person.
#pragma once

#include <functional>
#include <string>

namespace forms {

// Shows a message box (MessageBoxA style bits) and returns the button pressed.
int MsgBox(const std::string& text, unsigned style, const std::string& title);

// In-process tests install a responder; it gets text, style and title and
// returns the button. An empty function restores the real box.
using MsgBoxResponder = std::function<int(const std::string&, unsigned, const std::string&)>;
void SetMsgBoxResponder(MsgBoxResponder responder);

} // namespace forms
