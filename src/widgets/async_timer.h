// A timer whose timing runs on its own thread at the highest priority it may get: the thread
// waits in 1 ms steps on the steady clock, hands each tick to the GUI thread and waits until the
// handler has run there. A disabled timer's thread sleeps until it is enabled or destroyed.
#pragma once

#include <QObject>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

// Interval: a tick comes when the interval has passed since the previous tick's handler returned
// (or since the timer was enabled), counted in whole milliseconds. A slow handler therefore
// stretches the period instead of piling ticks up; an interval of 0 or less gives no ticks.
// The timer must be created on the GUI thread; the tick and the handler run there.
class AsyncTimer : public QObject {
    Q_OBJECT
public:
    explicit AsyncTimer(QObject* parent = nullptr);
    ~AsyncTimer() override;

    void SetInterval(int milliseconds);
    int Interval() const;
    void SetEnabled(bool enabled);
    bool IsEnabled() const;
    // Runs on every tick after Tick() is emitted, through the program's failure guard.
    void SetHandler(std::function<void()> handler);

signals:
    void Tick();

private:
    void Run();
    bool WaitInterval(std::unique_lock<std::mutex>& lock);
    void HandOver(std::unique_lock<std::mutex>& lock);
    void Deliver();

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    int interval_ = 1000;
    bool enabled_ = false;
    bool stopping_ = false;
    bool delivered_ = false;
    std::function<void()> handler_;
    std::thread thread_;
};
