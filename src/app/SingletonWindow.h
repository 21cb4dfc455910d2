#pragma once

#include <QCloseEvent>
#include <QWidget>
#include <functional>
#include <vector>

namespace WindowRegistry {
// Destroys every open window at once, without their Close steps (the end of a test's run).
void destroyAll();
// Called by each window class the first time it creates an instance.
void track(std::function<void()> destroy);
} // namespace WindowRegistry

// A window class with at most one instance: instance() creates it (running its Open step) when
// there is none; a close that is not refused runs the Close step and destroys the window, so
// the next instance() builds a fresh one.
template <class Derived, class Base = QWidget> class SingletonWindow : public Base {
public:
    static Derived& instance() {
        if (!s_instance) {
            static bool tracked = false;
            if (!tracked) {
                tracked = true;
                WindowRegistry::track([] { delete s_instance; });
            }
            s_instance = new Derived();
            static_cast<SingletonWindow*>(s_instance)->Open();
        }
        return *s_instance;
    }

    // Returns the open instance, or nullptr when the window is not open.
    static Derived* existing() { return s_instance; }

protected:
    SingletonWindow() = default;
    ~SingletonWindow() override {
        if (s_instance == this)
            s_instance = nullptr;
    }

    // The window's Open step, run once right after it is built.
    virtual void Open() {}
    // Asked before the window closes; returns true to refuse.
    virtual bool CancelClose() { return false; }
    // The window's Close step, run when a close goes ahead.
    virtual void Close() {}

    void closeEvent(QCloseEvent* event) override {
        if (CancelClose()) {
            event->ignore();
            return;
        }
        Close();
        event->accept();
        if (s_instance == this)
            s_instance = nullptr;
        this->deleteLater();
    }

private:
    static inline Derived* s_instance = nullptr;
};
