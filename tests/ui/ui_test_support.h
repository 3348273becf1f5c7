#pragma once

#include "posix_file_system.h"
#include "run_services.h"

#include <QWidget>
#include <cstdint>
#include <memory>

namespace stampwright::testing {

// A tick count the test moves by hand, a fixed wall clock and the real file system.
class FakeClocks {
public:
    FakeClocks();

    RunServices Services();
    void Advance(std::uint32_t milliseconds) { *m_ticks += milliseconds; }
    // Every later reading of the tick count moves on by this much first.
    void AdvanceOnEveryReading(std::uint32_t milliseconds) { *m_step = milliseconds; }

private:
    std::shared_ptr<std::uint32_t> m_ticks;
    std::shared_ptr<std::uint32_t> m_step;
    PosixFileSystem m_fileSystem;
};

// The modal window that is open now, of the given type; null if none.
template <class Window> Window* OpenModal();

// Runs `action` once the event loop runs again: how a test answers a modal window that the
// code under test opens with exec().
void WhenModalOpens(std::function<void()> action);

// Delivers one event of the window's current timer, as the timer would.
void FireTimer(QObject& window, int timerId);

} // namespace stampwright::testing

#include <QApplication>

template <class Window> Window* stampwright::testing::OpenModal() {
    return qobject_cast<Window*>(QApplication::activeModalWidget());
}
