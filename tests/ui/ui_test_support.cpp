#include "ui_test_support.h"

#include <QCoreApplication>
#include <QTimer>
#include <QTimerEvent>
#include <ctime>

namespace stampwright::testing {

FakeClocks::FakeClocks()
    : m_ticks(std::make_shared<std::uint32_t>(100000)), m_step(std::make_shared<std::uint32_t>(0)) {
}

RunServices FakeClocks::Services() {
    return {[ticks = m_ticks, step = m_step] { return *ticks += *step; },
            [] { return TimeValue{1230807787}; }, &m_fileSystem};
}

void WhenModalOpens(std::function<void()> action) {
    QTimer::singleShot(0, std::move(action));
}

void FireTimer(QObject& window, int timerId) {
    QTimerEvent event(timerId);
    QCoreApplication::sendEvent(&window, &event);
}

} // namespace stampwright::testing
