// A timer whose timing runs on its own thread at the highest priority it may get: the thread
// waits in 1 ms steps on the steady clock, hands each tick to the GUI thread and waits until the
// handler has run there. A disabled timer's thread sleeps until it is enabled or destroyed.
#include "widgets/async_timer.h"

#include "common/errors.h"

#include <QPointer>
#include <chrono>
#include <pthread.h>
#include <sched.h>

namespace {
// Real-time scheduling needs privileges; without them the thread keeps the normal priority.
void RaisePriority(std::thread& thread)
{
    sched_param parameter{};
    parameter.sched_priority = sched_get_priority_max(SCHED_FIFO);
    pthread_setschedparam(thread.native_handle(), SCHED_FIFO, &parameter);
}
}

AsyncTimer::AsyncTimer(QObject* parent) : QObject(parent), thread_([this] { Run(); })
{
    RaisePriority(thread_);
}

// The GUI thread may have a hand-over pending while it sits here: the stop flag releases the
// timing thread from its wait, and the pending delivery dies with this object's posted events.
AsyncTimer::~AsyncTimer()
{
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void AsyncTimer::SetInterval(int milliseconds)
{
    {
        std::lock_guard lock(mutex_);
        interval_ = milliseconds;
    }
    wake_.notify_all();
}

int AsyncTimer::Interval() const
{
    std::lock_guard lock(mutex_);
    return interval_;
}

void AsyncTimer::SetEnabled(bool enabled)
{
    {
        std::lock_guard lock(mutex_);
        enabled_ = enabled;
    }
    wake_.notify_all();
}

bool AsyncTimer::IsEnabled() const
{
    std::lock_guard lock(mutex_);
    return enabled_;
}

void AsyncTimer::SetHandler(std::function<void()> handler)
{
    handler_ = std::move(handler);
}

void AsyncTimer::Run()
{
    std::unique_lock lock(mutex_);
    while (!stopping_) {
        wake_.wait(lock, [this] { return stopping_ || (enabled_ && interval_ > 0); });
        if (WaitInterval(lock))
            HandOver(lock);
    }
}

// True when the interval ran out while the timer stayed enabled.
bool AsyncTimer::WaitInterval(std::unique_lock<std::mutex>& lock)
{
    using namespace std::chrono;
    const auto start = steady_clock::now();
    while (!stopping_ && enabled_ && steady_clock::now() - start < milliseconds(interval_))
        wake_.wait_for(lock, milliseconds(1));
    return !stopping_ && enabled_ && interval_ > 0;
}

void AsyncTimer::HandOver(std::unique_lock<std::mutex>& lock)
{
    delivered_ = false;
    lock.unlock();
    QMetaObject::invokeMethod(this, [this] { Deliver(); }, Qt::QueuedConnection);
    lock.lock();
    wake_.wait(lock, [this] { return delivered_ || stopping_; });
}

void AsyncTimer::Deliver()
{
    if (IsEnabled()) {
        // The handler may destroy this timer; nothing of it may be touched afterwards.
        const QPointer<AsyncTimer> alive(this);
        const auto handler = handler_;
        RunGuarded([&] {
            emit Tick();
            if (alive && handler)
                handler();
        });
        if (!alive)
            return;
    }
    {
        std::lock_guard lock(mutex_);
        delivered_ = true;
    }
    wake_.notify_all();
}
