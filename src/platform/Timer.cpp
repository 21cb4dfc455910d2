#include "Timer.h"

#include "Clock.h"

Timer::Timer(const QString& name, int periodMs, QObject* parent)
    : QObject(parent), m_period(periodMs) {
    setObjectName(name);
}

Timer::~Timer() {
    if (m_handle)
        Clock::current().cancel(m_handle);
}

void Timer::setMode(Mode mode) {
    if (m_handle) {
        Clock::current().cancel(m_handle);
        m_handle = 0;
    }
    m_mode = mode;
    if (mode != ModeOff)
        arm();
}

void Timer::arm() {
    m_handle = Clock::current().schedule(m_period, [this] { fire(); });
}

void Timer::fire() {
    m_handle = 0;
    if (m_mode == ModeOff)
        return;
    if (m_mode == ModeSingle)
        m_mode = ModeOff;
    else
        arm();
    // The action may switch the timer again (a single timer re-armed as multiple, for instance).
    if (m_action)
        m_action();
}
