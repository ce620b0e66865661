#include "Wait.h"

#include "Failure.h"

namespace e2e {

bool PollUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return condition();
        Sleep(PollIntervalMs);
    }
}

bool WaitUntil(const std::function<bool()>& condition, const std::string& what, DWORD timeoutMs) {
    if (PollUntil(condition, timeoutMs))
        return true;
    KIT_FAILURE() << "timed out after " << timeoutMs << " ms waiting for " << what;
    return false;
}

} // namespace e2e
