#pragma once

#include <QObject>
#include <QtGlobal>

#include <functional>

// Where the manager takes its time and its timers from, so that a conversation can run on a clock a
// test moves by hand.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds on a clock that never goes back.
    virtual qint64 now() const = 0;
    // Runs `what` once, `ms` from now, unless `context` has been destroyed by then. A pause between
    // two datagrams is a camera's contract, so it must never end early.
    virtual void singleShot(int ms, QObject *context, std::function<void()> what) = 0;
    // What a pause measured on this clock adds so that it is whole on the wire too: `now` counts whole
    // milliseconds, and a datagram's way out varies by a little.
    virtual int marginMs() const { return 0; }
};

// The system's clock, on precise timers of the thread's event loop.
Clock &systemClock();
