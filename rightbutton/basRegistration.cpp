#include "basRegistration.h"

#include <cstdint>
#include <string>

#include "BasGlobal.h"
#include "basPostMesg.h"
#include "basVersion.h"

namespace basRegistration {

namespace {

constexpr int32_t NoWindow = -1;
// Read and write of a start or an end take milliseconds; a copy that waits
// longer than this is stuck behind a hung one and gives up.
constexpr DWORD MutexWaitMs = 10000;

bool registered = false; // this copy wrote its window into the driver

HWND AsWindow(int32_t handle) {
    return reinterpret_cast<HWND>(static_cast<intptr_t>(handle));
}

int32_t AsHandle(HWND window) {
    return static_cast<int32_t>(reinterpret_cast<intptr_t>(window));
}

// The read and the write of a registration, held by one copy at a time.
class RegistrationLock {
  public:
    RegistrationLock() {
        const std::string name = std::string(basVersion::RightButtonFile) + ".Registration";
        mutex_ = CreateMutexA(nullptr, FALSE, name.c_str());
        if (mutex_ == nullptr)
            return;
        const DWORD result = WaitForSingleObject(mutex_, MutexWaitMs);
        // An abandoned lock is owned all the same; its holder ended midway.
        held_ = result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
    }
    ~RegistrationLock() {
        if (held_)
            ReleaseMutex(mutex_);
        if (mutex_ != nullptr)
            CloseHandle(mutex_);
    }
    RegistrationLock(const RegistrationLock&) = delete;
    RegistrationLock& operator=(const RegistrationLock&) = delete;
    bool Held() const { return held_; }

  private:
    HANDLE mutex_ = nullptr;
    bool held_ = false;
};

// A failed read leaves an old block behind, which tells nothing about the
// registration now.
bool ReadRegistration() {
    return BasGlobal::RepeatUntilDone(BasGlobal::GetToolWindow);
}

} // namespace

bool IsToolWindow(HWND window) {
    if (!IsWindow(window))
        return false;
    char caption[32] = {};
    GetWindowTextA(window, caption, sizeof caption);
    return std::string(" ") + basVersion::BuildLetter + "-RBF" == caption;
}

bool RegisterOrShowRunningCopy(HWND own) {
    using BasGlobal::ToolWindow;
    HWND running = nullptr;
    {
        RegistrationLock lock;
        if (!lock.Held() || !ReadRegistration())
            return false;
        // A registration left by a copy that ended without unregistering, or
        // naming a window whose handle went to another program, is taken over.
        if (ToolWindow.Handle != NoWindow && IsToolWindow(AsWindow(ToolWindow.Handle))) {
            running = AsWindow(ToolWindow.Handle);
        } else {
            ToolWindow.Value = 0;
            ToolWindow.Handle = AsHandle(own);
            registered = BasGlobal::RepeatUntilDone(BasGlobal::SetToolWindow);
            return registered;
        }
    }
    // Outside the lock: the running copy may be ending and waiting for it.
    basPostMesg::SendCommand(running, basPostMesg::ShowToolCode);
    return false;
}

void Unregister(HWND own) {
    using BasGlobal::ToolWindow;
    if (!registered)
        return;
    RegistrationLock lock;
    // Unsure whether it is still ours, the registration is withdrawn all the
    // same: while this copy lived no other copy could take it over.
    if (ReadRegistration() && ToolWindow.Handle != AsHandle(own))
        return;
    ToolWindow.Handle = NoWindow;
    ToolWindow.Value = 0;
    BasGlobal::RepeatUntilDone(BasGlobal::SetToolWindow);
    registered = false;
}

void Arm() {
    BasGlobal::ToolWindow.Value = 1;
    BasGlobal::SetToolWindow();
}

void Disarm() {
    BasGlobal::ToolWindow.Value = 0;
    BasGlobal::RepeatUntilDone(BasGlobal::SetToolWindow);
}

} // namespace basRegistration
