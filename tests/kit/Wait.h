// Bounded waiting: every wait of the harness polls a condition with a short
// pause until it holds or a timeout passes, and a timeout names what was
// awaited in the failure it reports.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace e2e {

constexpr DWORD DefaultTimeoutMs = 10000;
constexpr DWORD PollIntervalMs = 25;

// True as soon as `condition` holds; false when `timeoutMs` passed first.
bool PollUntil(const std::function<bool()>& condition, DWORD timeoutMs = DefaultTimeoutMs);

// PollUntil that reports a failure "timed out after N ms waiting for <what>".
bool WaitUntil(const std::function<bool()>& condition, const std::string& what,
               DWORD timeoutMs = DefaultTimeoutMs);

} // namespace e2e
