#pragma once

#include <QDateTime>
#include <functional>

// The source of time for every timer and every stamp. In production it follows the wall clock
// and QTimer; tests install a ManualClock so that timed jobs run instantly and in order.
class Clock {
public:
    virtual ~Clock() = default;

    // Returns the current local date and time.
    virtual QDateTime now() const = 0;

    // Runs fn once, delayMs milliseconds from now, on the GUI thread; returns a handle for
    // cancel().
    virtual quint64 schedule(int delayMs, std::function<void()> fn) = 0;

    // Forgets a scheduled call; harmless when it already ran or was never scheduled.
    virtual void cancel(quint64 handle) = 0;

    // Returns the clock in force (the system clock unless a test installed another).
    static Clock& current();

    // Installs a clock for the rest of the run (tests); nullptr goes back to the system clock.
    static void install(Clock* clock);
};

// A clock that stands still until advance() moves it; due calls run in order of due time.
class ManualClock final : public Clock {
public:
    explicit ManualClock(QDateTime start = QDateTime(QDate(2026, 12, 11), QTime(9, 30, 0)));
    ~ManualClock() override;

    QDateTime now() const override;
    quint64 schedule(int delayMs, std::function<void()> fn) override;
    void cancel(quint64 handle) override;

    // Moves time forward by ms, running every call that falls due on the way.
    void advance(qint64 ms);

    // Runs due calls until none is left or maxMs of virtual time have passed; returns the time
    // used.
    qint64 runUntilIdle(qint64 maxMs = 600000);

    // Returns how many calls are waiting.
    int pending() const;

private:
    struct Entry {
        qint64 due;
        quint64 id;
        std::function<void()> fn;
    };
    bool runNextDue(qint64 limit);

    QDateTime m_start;
    qint64 m_elapsed = 0;
    quint64 m_nextId = 1;
    std::vector<Entry> m_entries;
};
