// A deliverable run as a process of its own. The process is ended (and
// waited for) when the object goes away, so a failed assertion never leaves
// a program running into the next scenario.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Wait.h"

namespace e2e {

class Program {
  public:
    Program() = default;
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Starts <deliverables folder>\<fileName> with the given show command and
    // command-line arguments; false, with a failure, when it cannot start.
    bool Start(const std::string& fileName, int showCommand = SW_SHOWNORMAL,
               const std::string& arguments = std::string());
    // The same for a program given by its full Windows path.
    bool StartPath(const std::string& path, int showCommand = SW_SHOWNORMAL,
                   const std::string& arguments = std::string());
    // Starts a deliverable with its first thread held until Resume: copies
    // resumed one after the other start as nearly together as they can.
    bool StartHeld(const std::string& fileName, int showCommand = SW_SHOWNORMAL);
    void Resume();
    // Holds the thread that owns `window`, a window of this program, until
    // Resume: the window then answers no message, as a hung program's does.
    bool HoldWindowThread(HWND window);
    // Takes over a process started by someone else (e.g. by a deliverable),
    // so that it is ended with this object.
    bool Adopt(DWORD processId);

    DWORD Id() const { return id_; }
    HANDLE Handle() const { return process_; }
    bool IsRunning() const;
    // Waits for the process to end on its own; records a failure on timeout.
    bool WaitForExit(DWORD timeoutMs = DefaultTimeoutMs);
    // Exit code once ended; STILL_ACTIVE while running.
    DWORD ExitCode() const;
    // TerminateProcess, then a bounded wait until it is gone.
    void End();

  private:
    bool Launch(const std::string& path, int showCommand, const std::string& arguments,
                DWORD flags);
    void Close();

    HANDLE process_ = nullptr;
    HANDLE heldThread_ = nullptr;
    DWORD id_ = 0;
    std::string name_;
};

// Ids of the running processes whose executable file is `fileName`
// (compared without case, path ignored), e.g. a tool started by another program.
std::vector<DWORD> ProcessIdsNamed(const std::string& fileName);

} // namespace e2e
