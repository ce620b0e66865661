// Run by setup before it copies anything (KVD2KCcl.exe, KVD2KPcl.exe, from
// setup's temporary folder): the build's running programs are asked to end
// as the removal asks them, the right-button tool and the SMI program
// through their registrations with the driver, an open control panel or
// settings window by a close request. Exit code 0 when every program asked
// has ended within the bound, 1 otherwise; setup then checks each file
// itself before it replaces any.
#include <windows.h>

#include <cstdint>
#include <vector>

#include "BasGlobal.h"
#include "basPostMesg.h"
#include "basVersion.h"

namespace {

// For all of them together: a program that takes longer is stuck, and
// setup says which file it cannot replace.
constexpr DWORD EndWaitMs = 10000;
constexpr UINT AnswerWaitMs = 2000;

// A registration of a fresh request, as the removal reads it.
HWND Registered(const WindowBlock& registration) {
    if (!BasGlobal::LastRequestResult || registration.Handle == -1)
        return nullptr;
    return reinterpret_cast<HWND>(static_cast<intptr_t>(registration.Handle));
}

// Sends the request to a window and keeps its process to wait for.
void Ask(HWND window, UINT message, WPARAM code, std::vector<HANDLE>& processes) {
    DWORD id = 0;
    if (!window || !IsWindow(window) || !GetWindowThreadProcessId(window, &id) ||
        id == GetCurrentProcessId())
        return;
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
    if (!process)
        return;
    processes.push_back(process);
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, message, code, 0, SMTO_ABORTIFHUNG, AnswerWaitMs, &answer);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::vector<HANDLE> processes;
    // Without the driver no tool or SMI program can be registered.
    if (BasGlobal::OpenDevice()) {
        BasGlobal::GetToolWindow();
        Ask(Registered(BasGlobal::ToolWindow), WM_USER, basPostMesg::QuitToolCode, processes);
        BasGlobal::GetSmiWindow();
        Ask(Registered(BasGlobal::SmiWindow), WM_USER, basPostMesg::QuitSmiCode, processes);
        BasGlobal::CloseDevice();
    }
    for (const char* title : {basVersion::ControlPanelTitle, basVersion::StartupAgentTitle})
        Ask(FindWindowA(nullptr, title), WM_CLOSE, 0, processes);

    const DWORD start = GetTickCount();
    bool ended = true;
    for (HANDLE process : processes) {
        const DWORD spent = GetTickCount() - start;
        ended = WaitForSingleObject(process, spent < EndWaitMs ? EndWaitMs - spent : 0) ==
                    WAIT_OBJECT_0 &&
                ended;
        CloseHandle(process);
    }
    return ended ? 0 : 1;
}
