#include "Program.h"

#include <tlhelp32.h>

#include "Deliverables.h"
#include "Failure.h"

namespace e2e {

Program::~Program() {
    End();
}

bool Program::Start(const std::string& fileName, int showCommand, const std::string& arguments) {
    return StartPath(DeliverablePath(fileName), showCommand, arguments);
}

bool Program::StartPath(const std::string& path, int showCommand, const std::string& arguments) {
    return Launch(path, showCommand, arguments, 0);
}

bool Program::StartHeld(const std::string& fileName, int showCommand) {
    return Launch(DeliverablePath(fileName), showCommand, std::string(), CREATE_SUSPENDED);
}

void Program::Resume() {
    if (!heldThread_)
        return;
    ResumeThread(heldThread_);
    CloseHandle(heldThread_);
    heldThread_ = nullptr;
}

bool Program::HoldWindowThread(HWND window) {
    DWORD processId = 0;
    const DWORD threadId = GetWindowThreadProcessId(window, &processId);
    if (threadId == 0 || processId != id_) {
        KIT_FAILURE() << "the window is not one of " << name_;
        return false;
    }
    Resume();
    heldThread_ = OpenThread(THREAD_SUSPEND_RESUME, FALSE, threadId);
    if (heldThread_ && SuspendThread(heldThread_) != static_cast<DWORD>(-1))
        return true;
    KIT_FAILURE() << "cannot hold thread " << threadId << " of " << name_ << ": error "
                  << GetLastError();
    if (heldThread_)
        CloseHandle(heldThread_);
    heldThread_ = nullptr;
    return false;
}

bool Program::Launch(const std::string& path, int showCommand, const std::string& arguments,
                     DWORD flags) {
    End();
    std::string commandLine = "\"" + path + "\"";
    if (!arguments.empty())
        commandLine += " " + arguments;
    std::vector<char> buffer(commandLine.begin(), commandLine.end());
    buffer.push_back('\0');

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION info = {};
    const auto start = [&] {
        return CreateProcessA(path.c_str(), buffer.data(), nullptr, nullptr, FALSE, flags, nullptr,
                              nullptr, &startup, &info);
    };
    // Wine now and then loses a new process before it has started when the
    // tests of another prefix run beside (error 1359, ERROR_INTERNAL_ERROR);
    // such a start is tried once more. Any other error fails at once.
    BOOL started = start();
    if (!started && GetLastError() == ERROR_INTERNAL_ERROR)
        started = start();
    if (!started) {
        KIT_FAILURE() << "cannot start " << commandLine << ": error " << GetLastError();
        return false;
    }
    if (flags & CREATE_SUSPENDED)
        heldThread_ = info.hThread;
    else
        CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
    name_ = path;
    return true;
}

bool Program::Adopt(DWORD processId) {
    End();
    process_ =
        OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION | SYNCHRONIZE, FALSE, processId);
    if (!process_) {
        KIT_FAILURE() << "cannot open process " << processId << ": error " << GetLastError();
        return false;
    }
    id_ = processId;
    name_ = "process " + std::to_string(processId);
    return true;
}

bool Program::IsRunning() const {
    return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool Program::WaitForExit(DWORD timeoutMs) {
    if (!process_) {
        KIT_FAILURE() << "waiting for the end of a program that was never started";
        return false;
    }
    if (WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0)
        return true;
    KIT_FAILURE() << "timed out after " << timeoutMs << " ms waiting for " << name_ << " (pid "
                  << id_ << ") to end";
    return false;
}

DWORD Program::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (process_)
        GetExitCodeProcess(process_, &code);
    return code;
}

void Program::End() {
    if (!process_)
        return;
    if (IsRunning()) {
        TerminateProcess(process_, 1);
        if (WaitForSingleObject(process_, DefaultTimeoutMs) != WAIT_OBJECT_0)
            KIT_FAILURE() << name_ << " (pid " << id_ << ") did not end after TerminateProcess";
    }
    Close();
}

void Program::Close() {
    if (heldThread_)
        CloseHandle(heldThread_);
    heldThread_ = nullptr;
    CloseHandle(process_);
    process_ = nullptr;
    id_ = 0;
}

std::vector<DWORD> ProcessIdsNamed(const std::string& fileName) {
    std::vector<DWORD> ids;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return ids;
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        const char* base = strrchr(entry.szExeFile, '\\');
        base = base ? base + 1 : entry.szExeFile;
        if (lstrcmpiA(base, fileName.c_str()) == 0)
            ids.push_back(entry.th32ProcessID);
    }
    CloseHandle(snapshot);
    return ids;
}

} // namespace e2e
