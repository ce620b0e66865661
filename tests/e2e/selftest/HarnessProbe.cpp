// A stand-in program for the harness's own tests, built on the window
// runtime like the suite's programs: form "frmProbe" with the button
// "cmdProbe". Its caption logs what reaches its event handlers: "C" for a
// click, "K<key>/<shift>" for a key down, "M<button>/<shift>" for a mouse
// press. With the argument "ask" it asks a Yes/No question instead and exits
// with the button pressed.
#include <windows.h>

#include <cstring>
#include <string>

#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/MsgBox.h"
#include "forms/Runtime.h"

namespace {

class frmProbe : public forms::Form {
  public:
    frmProbe() : Form("frmProbe") {
        SetCaption("Probe");
        cmdProbe.Move(120, 120, 1200, 400);
        cmdProbe.SetCaption("Probe");
        cmdProbe.OnClick = [this] { Log("C"); };
    }
    forms::CommandButton cmdProbe{*this, "cmdProbe"};

  private:
    void Log(const std::string& entry) { SetCaption(Caption() + " " + entry); }
    void Form_KeyDown(int& keyCode, int shift) override {
        Log("K" + std::to_string(keyCode) + "/" + std::to_string(shift));
    }
    void Form_MouseDown(int button, int shift, int, int) override {
        Log("M" + std::to_string(button) + "/" + std::to_string(shift));
    }
};

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    if (strcmp(commandLine, "ask") == 0)
        return forms::MsgBox("Go on?", MB_YESNO | MB_ICONQUESTION, "Probe question");
    frmProbe form;
    form.Show();
    return forms::RunMessageLoop();
}
