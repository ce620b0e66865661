// GoogleTest's signal that lets its own threads start. Its built-in one needs
// std::mutex, which this compiler's win32 thread model does not have, so the
// tests bring one on a Win32 event. Force-included wherever gtest is.
#pragma once

namespace testing {
namespace internal {

class Notification {
  public:
    Notification();
    ~Notification();
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify();
    void WaitForNotification();

  private:
    void* event_;
};

} // namespace internal
} // namespace testing
