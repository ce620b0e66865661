#include "basPostMesg.h"

#include <cstdint>

#include "BasGlobal.h"
#include "SharedRoutines.h"
#include "basOEM.h"
#include "basVersion.h"

namespace basPostMesg {

namespace {

constexpr int32_t NoWindow = -1;
constexpr int TitleBufferLength = 128;

// A failed request leaves an older handle in the block, which may belong to a
// window that is gone or reused, so only a fresh answer is used.
HWND RegisteredWindow(const WindowBlock& registration) {
    if (!BasGlobal::LastRequestResult || registration.Handle == NoWindow)
        return nullptr;
    return reinterpret_cast<HWND>(static_cast<intptr_t>(registration.Handle));
}

HWND ToolWindowNow() {
    BasGlobal::GetToolWindow();
    return RegisteredWindow(BasGlobal::ToolWindow);
}

void SendToTool(WPARAM code) {
    if (HWND tool = ToolWindowNow())
        SendCommand(tool, code);
}

// A sent message that the receiver has not taken when the wait ends is
// withdrawn: a tool busy for a moment would never quit, and the removal
// could not delete it. An unanswered quit is therefore posted as well, to
// wait in the queue; one that a slow receiver had taken comes twice, and the
// second finds the window gone. Hide and show are only sent, lest a late one
// undo a later command.
void Quit(HWND window, WPARAM code) {
    if (window != nullptr && !SendCommand(window, code))
        PostMessageA(window, WM_USER, code, 0);
}

// Quoted, so that an install folder with blanks cannot start another program.
bool StartCompanion(const char* file, UINT showCommand) {
    std::string commandLine = "\"" + basOEM::InstallPath + "\\" + file + "\"";
    return WinExec(commandLine.c_str(), showCommand) >= 32;
}

// Windows of 16-bit tasks have a non-zero low word in their instance handle;
// 32-bit modules load on 64 KB boundaries, so theirs is zero. Where the
// system refuses this index (Wine: error 1413) the call returns 0 as well.
bool BelongsTo16BitTask(HWND window) {
    return GetWindowWord(window, GWLP_HINSTANCE) != 0;
}

bool IsTitledCandidate(HWND window, HWND own, const std::string& title) {
    if (window == own || GetParent(window) != nullptr || BelongsTo16BitTask(window))
        return false;
    char text[TitleBufferLength] = {};
    GetWindowTextA(window, text, TitleBufferLength);
    return GetWindowTextLengthA(window) > 0 && title == text;
}

// One walk down the top-level windows for the first shown window with the
// title, noting the first hidden one on the way: copies that start together
// each own a hidden window with this title while they check. The walk ends
// early when the chain breaks under it (a window destroyed while the walk
// stood on it).
HWND WalkTopLevelWindows(HWND own, const std::string& title, HWND& hidden) {
    for (HWND window = FindWindowA(nullptr, nullptr); window != nullptr;) {
        if (IsTitledCandidate(window, own, title)) {
            if (IsWindowVisible(window))
                return window;
            if (hidden == nullptr)
                hidden = window;
        }
        HWND next = GetWindow(window, GW_HWNDNEXT);
        if (next == nullptr && !IsWindow(window))
            return nullptr;
        window = next;
    }
    return nullptr;
}

} // namespace

bool SendCommand(HWND window, WPARAM code) {
    // A receiver that answers takes milliseconds; one that does not must
    // neither hold up the logon run beyond its second nor stop a removal.
    constexpr UINT AnswerWaitMs = 1000;
    DWORD_PTR answer = 0;
    return SendMessageTimeoutA(window, WM_USER, code, 0, SMTO_ABORTIFHUNG | SMTO_BLOCK,
                               AnswerWaitMs, &answer) != 0;
}

void HideToolWindow() {
    SendToTool(HideToolCode);
}
void ShowToolWindow() {
    SendToTool(ShowToolCode);
}
void QuitTool() {
    Quit(ToolWindowNow(), QuitToolCode);
}

void QuitSmi() {
    BasGlobal::GetSmiWindow();
    Quit(RegisteredWindow(BasGlobal::SmiWindow), QuitSmiCode);
}

bool StartTool() {
    return StartCompanion(basVersion::RightButtonFile, SW_HIDE);
}
bool StartSmi() {
    return StartCompanion(basVersion::SmiProgramFile, SW_SHOWNORMAL);
}

HWND FindInstanceWindow(HWND own, const std::string& title) {
    // A walk that found only hidden windows may have missed the shown one:
    // a copy that activates it moves it to the top, above where the walk
    // stands. Activating a copy's hidden window instead leaves nothing in
    // front once that copy ends, so the hidden one is taken only after
    // several walks.
    constexpr int MaxWalks = 10;
    HWND hidden = nullptr;
    for (int walk = 0; walk < MaxWalks; ++walk) {
        if (HWND shown = WalkTopLevelWindows(own, title, hidden))
            return shown;
    }
    return hidden;
}

bool AnotherCopyRuns(const std::string& programFile) {
    std::string program = programFile;
    const std::string extension = ".exe";
    if (program.size() > extension.size() &&
        lstrcmpiA(program.c_str() + program.size() - extension.size(), extension.c_str()) == 0)
        program.resize(program.size() - extension.size());
    std::string name = program + ".SingleInstance";
    HANDLE mutex = CreateMutexA(nullptr, FALSE, name.c_str());
    DWORD error = GetLastError();
    if (mutex == nullptr)
        return error == ERROR_ACCESS_DENIED; // held by a copy we may not open
    if (error == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return true;
    }
    // Left open on purpose: the system releases it when this copy ends.
    return false;
}

bool ActivateRunningCopy(HWND own, const std::string& title) {
    HWND running = FindInstanceWindow(own, title);
    if (running == nullptr) {
        BasGlobal::ShowErrorBox("Application is running!\r\rPlease find and select the running "
                                "window from Taskbar.",
                                title);
        return false;
    }
    SetForegroundWindow(running);
    BringWindowToTop(running);
    return true;
}

} // namespace basPostMesg
