#include "clock.h"

#include <QElapsedTimer>
#include <QTimer>

namespace {
class SystemClock : public Clock {
public:
    SystemClock() { started_.start(); }
    qint64 now() const override { return started_.elapsed(); }
    void singleShot(int ms, QObject *context, std::function<void()> what) override {
        // A coarse timer may fire up to 5 % early.
        QTimer::singleShot(ms, Qt::PreciseTimer, context, std::move(what));
    }
    int marginMs() const override { return 2; }

private:
    QElapsedTimer started_;
};
} // namespace

Clock &systemClock() {
    static SystemClock clock;
    return clock;
}
