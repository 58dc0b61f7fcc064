// GoogleTest's Notification on the win32 thread model, whose C++ library has no std::mutex.
#pragma once

#include <windows.h>

// GoogleTest declares this class itself with std::mutex and std::condition_variable unless
// GTEST_HAS_NOTIFICATION_ says that the platform supplies one; its own thread helpers are the
// only users, so a manual-reset event does all that is asked. The class and its names are
// GoogleTest's interface, not ours.
namespace testing {
namespace internal {

class Notification {
  public:
    Notification() : event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~Notification() { CloseHandle(event_); }
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;

    void Notify() { SetEvent(event_); }
    void WaitForNotification() { WaitForSingleObject(event_, INFINITE); }

  private:
    HANDLE event_;
};

} // namespace internal
} // namespace testing
