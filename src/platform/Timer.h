#pragma once

#include <QObject>
#include <QString>
#include <functional>

// A timer with the three modes of the old framework: off, single (fires once) and multiple
// (fires every period until switched off). It runs on the installed Clock.
class Timer final : public QObject {
    Q_OBJECT
public:
    enum Mode { ModeOff = 0, ModeSingle = 1, ModeMultiple = 2 };

    Timer(const QString& name, int periodMs, QObject* parent = nullptr);
    ~Timer() override;

    // Sets what runs when the timer fires.
    void setAction(std::function<void()> action) { m_action = std::move(action); }

    // Switching to single or multiple (re)starts the period; off stops it.
    void setMode(Mode mode);
    Mode mode() const { return m_mode; }
    int period() const { return m_period; }

private:
    void arm();
    void fire();

    int m_period;
    Mode m_mode = ModeOff;
    quint64 m_handle = 0;
    std::function<void()> m_action;
};
