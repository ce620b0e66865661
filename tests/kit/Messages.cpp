#include "Messages.h"

#include "Failure.h"

namespace e2e {

namespace {
// The sending thread gives up by itself after this long, so that no
// scenario can hang on a receiver that never answers.
const DWORD PendingSendLimitMs = 6 * DefaultTimeoutMs;
} // namespace

bool SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result,
                DWORD timeoutMs) {
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_NORMAL, timeoutMs, &answer))
        return false;
    if (result)
        *result = static_cast<LRESULT>(answer);
    return true;
}

PendingSend::PendingSend(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    : window_(window), message_(message), wParam_(wParam), lParam_(lParam) {
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    if (!thread_)
        KIT_FAILURE() << "cannot create the sending thread: error " << GetLastError();
}

PendingSend::~PendingSend() {
    if (thread_) {
        WaitForSingleObject(thread_, INFINITE); // bounded by PendingSendLimitMs
        CloseHandle(thread_);
    }
}

DWORD WINAPI PendingSend::Run(LPVOID self) {
    auto* send = static_cast<PendingSend*>(self);
    send->handled_ = SendWithin(send->window_, send->message_, send->wParam_, send->lParam_,
                                &send->result_, PendingSendLimitMs);
    return 0;
}

bool PendingSend::Wait(LRESULT& result, DWORD timeoutMs) {
    if (!thread_)
        return false;
    if (WaitForSingleObject(thread_, timeoutMs) != WAIT_OBJECT_0) {
        KIT_FAILURE() << "timed out after " << timeoutMs << " ms waiting for message 0x" << std::hex
                      << message_ << " (wParam 0x" << wParam_ << ") to return";
        return false;
    }
    if (!handled_) {
        KIT_FAILURE() << "message 0x" << std::hex << message_ << " (wParam 0x" << wParam_
                      << ") was not handled";
        return false;
    }
    result = result_;
    return true;
}

} // namespace e2e
