#include "Clock.h"

#include <QTimer>
#include <algorithm>
#include <map>

namespace {

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }

    quint64 schedule(int delayMs, std::function<void()> fn) override {
        const quint64 id = m_nextId++;
        auto* timer = new QTimer;
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer, &QTimer::timeout, timer, [this, id, timer, fn = std::move(fn)] {
            m_timers.erase(id);
            timer->deleteLater();
            fn();
        });
        m_timers[id] = timer;
        timer->start(std::max(0, delayMs));
        return id;
    }

    void cancel(quint64 handle) override {
        auto it = m_timers.find(handle);
        if (it == m_timers.end())
            return;
        it->second->stop();
        it->second->deleteLater();
        m_timers.erase(it);
    }

private:
    quint64 m_nextId = 1;
    std::map<quint64, QTimer*> m_timers;
};

Clock* g_installed = nullptr;

} // namespace

Clock& Clock::current() {
    static SystemClock system;
    return g_installed ? *g_installed : system;
}

void Clock::install(Clock* clock) {
    g_installed = clock;
}

ManualClock::ManualClock(QDateTime start) : m_start(std::move(start)) {}

ManualClock::~ManualClock() {
    if (g_installed == this)
        g_installed = nullptr;
}

QDateTime ManualClock::now() const {
    return m_start.addMSecs(m_elapsed);
}

quint64 ManualClock::schedule(int delayMs, std::function<void()> fn) {
    const quint64 id = m_nextId++;
    m_entries.push_back({m_elapsed + std::max(0, delayMs), id, std::move(fn)});
    return id;
}

void ManualClock::cancel(quint64 handle) {
    m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                   [handle](const Entry& e) { return e.id == handle; }),
                    m_entries.end());
}

bool ManualClock::runNextDue(qint64 limit) {
    auto it =
        std::min_element(m_entries.begin(), m_entries.end(), [](const Entry& a, const Entry& b) {
            return a.due != b.due ? a.due < b.due : a.id < b.id;
        });
    if (it == m_entries.end() || it->due > limit)
        return false;
    Entry entry = std::move(*it);
    m_entries.erase(it);
    m_elapsed = std::max(m_elapsed, entry.due);
    entry.fn();
    return true;
}

void ManualClock::advance(qint64 ms) {
    const qint64 target = m_elapsed + ms;
    while (runNextDue(target)) {
    }
    m_elapsed = target;
}

qint64 ManualClock::runUntilIdle(qint64 maxMs) {
    const qint64 start = m_elapsed;
    while (runNextDue(start + maxMs)) {
    }
    return m_elapsed - start;
}

int ManualClock::pending() const {
    return int(m_entries.size());
}
