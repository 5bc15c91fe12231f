#include "watch.h"

#include "net/adapterfollower.h"
#include "net/addresses.h"
#include "report/linereport.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

WatchEvent event(WatchEvent::Kind kind, const QDateTime &when, const SeenCamera &camera) {
    WatchEvent e;
    e.kind = kind;
    e.when = when;
    e.camera = camera;
    return e;
}

// Whether a record tells who the camera is: without a serial number and a MAC address, two cameras
// cannot be told apart, nor one camera at two moments.
bool identified(const UdpCamInfo &info) {
    return info.serialNumber != 0 || info.macLow != 0 || info.macHigh != 0;
}

} // namespace

QString watchEventName(WatchEvent::Kind kind) {
    switch (kind) {
    case WatchEvent::Found:
        return QStringLiteral("found");
    case WatchEvent::Name:
        return QStringLiteral("name");
    case WatchEvent::Status:
        return QStringLiteral("status");
    case WatchEvent::Options:
        return QStringLiteral("options");
    case WatchEvent::Clips:
        return QStringLiteral("clips");
    case WatchEvent::ConflictRaised:
    case WatchEvent::ConflictCleared:
        return QStringLiteral("conflict");
    case WatchEvent::NotResponding:
        return QStringLiteral("not-responding");
    case WatchEvent::Responding:
        return QStringLiteral("responding");
    case WatchEvent::Lost:
        return QStringLiteral("lost");
    case WatchEvent::Address:
        return QStringLiteral("address");
    case WatchEvent::AdapterDown:
        return QStringLiteral("adapter-down");
    case WatchEvent::AdapterUp:
        return QStringLiteral("adapter-up");
    case WatchEvent::AdapterAddress:
        return QStringLiteral("adapter-address");
    case WatchEvent::Missing:
        return QStringLiteral("missing");
    case WatchEvent::Moved:
        return QStringLiteral("moved");
    }
    return QString();
}

CameraWatch::CameraWatch(const NetworkFacts &facts, quint32 datagramSize)
    : facts_(facts), datagramSize_(datagramSize) {}

QString CameraWatch::key(const UdpCamInfo &info) {
    return ipToText(info.cameraIp) + QLatin1Char('@') + cameraIdentity(info);
}

QString CameraWatch::identity(const UdpCamInfo &info) {
    return cameraIdentity(info);
}

QList<WatchEvent> CameraWatch::update(const QList<WatchedCamera> &now, const QDateTime &when, bool complete) {
    QList<WatchEvent> out;
    QSet<QString> present;
    for (const WatchedCamera &c : now) {
        present.insert(key(c.seen.info));
        compareCamera(c, when, out);
    }
    if (complete) {
        judgeMoves(present, when, out);
        loseMissing(present, when, out);
        lastDiscovery_ = when;
    }
    // Conflicts depend on who is there, not on names or states: with hundreds of cameras answering
    // every poll they are compared only when a camera comes, goes or moves, and after a whole discovery,
    // whose records may come through another adapter address.
    const bool comeOrGone = std::any_of(out.cbegin(), out.cend(), [](const WatchEvent &e) {
        return e.kind == WatchEvent::Found || e.kind == WatchEvent::Lost || e.kind == WatchEvent::Address;
    });
    if (complete || comeOrGone) compareConflicts(when, out);
    // So is the expected line, and once the first discovery is judged what it has not heard is missing.
    if (comeOrGone || (complete && !settledOnce_)) judgeLine(when, complete, out);
    count(out);
    return out;
}

void CameraWatch::count(const QList<WatchEvent> &events) {
    for (const WatchEvent &e : events)
        ++eventCounts_[watchEventName(e.kind)];
}

void CameraWatch::compareCamera(const WatchedCamera &c, const QDateTime &when, QList<WatchEvent> &out) {
    const QString k = key(c.seen.info);
    if (!states_.contains(k)) {
        if (holdIfMoving(k, c)) return;
        const QString who = identity(c.seen.info);
        State st;
        // The same camera back after a discovery missed it (a reboot, a cable): what it told before
        // still holds, so that only what differs now is said again.
        if (gone_.contains(who)) {
            if (identified(c.seen.info)) st = gone_.value(who);
            st.silent = false;
            gone_.remove(who);
            goneOrder_.removeOne(who);
        }
        out << event(WatchEvent::Found, when, c.seen);
        states_.insert(k, st);
        order_.append(k);
    }
    State &st = states_[k];
    if (const AdapterFacts *a = adapterOf(facts_, c.seen.info)) st.adapter = adapterName(*a);
    compareResponding(c, st, when, out);
    compareName(c, st.last, when, out);
    const WatchedCamera &last = st.last;
    compareValue(WatchEvent::Status, c, c.statusKnown, c.status, last.statusKnown, last.status, when, out);
    compareValue(WatchEvent::Options, c, c.optionsKnown, c.seen.info.options, last.optionsKnown,
                 last.seen.info.options, when, out);
    compareValue(WatchEvent::Clips, c, c.clipsKnown, c.clipCount, last.clipsKnown, last.clipCount, when, out);
    st.last = carryOver(c, st.last);
}

bool CameraWatch::holdIfMoving(const QString &k, const WatchedCamera &c) {
    if (!movingFrom_.contains(k)) {
        if (!identified(c.seen.info)) return false;
        const QString who = identity(c.seen.info);
        QString from;
        for (const QString &known : qAsConst(order_)) {
            if (identity(states_.value(known).last.seen.info) == who) from = known;
        }
        if (from.isEmpty()) return false;
        movingFrom_.insert(k, from);
        movingOrder_.append(k);
    }
    moving_[k] = carryOver(c, moving_.value(k));
    return true;
}

void CameraWatch::judgeMoves(const QSet<QString> &present, const QDateTime &when, QList<WatchEvent> &out) {
    const QList<QString> keys = std::exchange(movingOrder_, {});
    const QHash<QString, WatchedCamera> held = std::exchange(moving_, {});
    const QHash<QString, QString> from = std::exchange(movingFrom_, {});
    const QSet<QString> heldBefore = std::exchange(bothAnswered_, {});
    for (const QString &k : keys) {
        if (!present.contains(k)) continue; // silent again before the discovery ended
        const QString old = from.value(k);
        const WatchedCamera &c = held[k];
        const bool both = states_.contains(old) && present.contains(old);
        if (both && !heldBefore.contains(k)) {
            // The camera may have moved while this discovery ran, answering from either address: the next
            // discovery tells.
            moving_.insert(k, c), movingFrom_.insert(k, old), movingOrder_.append(k), bothAnswered_.insert(k);
            continue;
        }
        if (states_.contains(old) && !both) {
            // Its series and all it told go with it to the new address.
            const State st = states_.take(old);
            order_[order_.indexOf(old)] = k;
            WatchEvent e = event(WatchEvent::Address, when, c.seen);
            e.before = st.last.seen.info.cameraIp;
            e.after = c.seen.info.cameraIp;
            out << e;
            states_.insert(k, st);
        } else {
            // Both addresses answered two discoveries: two cameras carry one identity.
            out << event(WatchEvent::Found, when, c.seen);
            states_.insert(k, State());
            order_.append(k);
        }
        compareCamera(c, when, out);
    }
}

// Said before the status that brought it back, so that the lines read in order. The channel of a
// rediscovery counts as responding before it was ever polled: only a status reply on it tells that a
// camera which had stopped answering is back.
void CameraWatch::compareResponding(const WatchedCamera &c, State &st, const QDateTime &when,
                                    QList<WatchEvent> &out) {
    const bool silent = !c.responding;
    if (silent == st.silent || (!silent && !c.statusKnown)) return;
    SeenCamera who = c.seen;
    if (!c.nameKnown) who.name = st.last.seen.name; // a fresh channel has not asked for it yet
    st.silent = silent;
    out << event(silent ? WatchEvent::NotResponding : WatchEvent::Responding, when, who);
}

void CameraWatch::compareName(const WatchedCamera &c, const WatchedCamera &last, const QDateTime &when,
                              QList<WatchEvent> &out) {
    if (!c.nameKnown || (last.nameKnown && c.seen.name == last.seen.name)) return;
    WatchEvent e = event(WatchEvent::Name, when, c.seen);
    e.hadBefore = last.nameKnown;
    e.nameBefore = last.seen.name;
    e.nameAfter = c.seen.name;
    out << e;
}

void CameraWatch::compareValue(WatchEvent::Kind kind, const WatchedCamera &c, bool known, qint64 value,
                               bool knewBefore, qint64 before, const QDateTime &when,
                               QList<WatchEvent> &out) {
    if (!known || (knewBefore && value == before)) return;
    WatchEvent e = event(kind, when, c.seen);
    e.hadBefore = knewBefore;
    e.before = before;
    e.after = value;
    out << e;
}

// What this listing does not know yet is kept from before: a fresh channel of a rediscovery has not
// been told anything, and its silence is no change.
WatchedCamera CameraWatch::carryOver(const WatchedCamera &c, const WatchedCamera &last) {
    WatchedCamera merged = c;
    if (!c.nameKnown) {
        merged.nameKnown = last.nameKnown;
        merged.seen.name = last.seen.name;
    }
    if (!c.statusKnown) {
        merged.statusKnown = last.statusKnown;
        merged.status = last.status;
    }
    if (!c.optionsKnown) {
        merged.optionsKnown = last.optionsKnown;
        merged.seen.info.options = last.seen.info.options;
    }
    if (!c.clipsKnown) {
        merged.clipsKnown = last.clipsKnown;
        merged.clipCount = last.clipCount;
    }
    return merged;
}

// True when a camera was lost.
void CameraWatch::loseMissing(const QSet<QString> &present, const QDateTime &when, QList<WatchEvent> &out) {
    for (auto it = order_.begin(); it != order_.end();) {
        if (present.contains(*it)) {
            ++it;
            continue;
        }
        const State st = states_.take(*it);
        out << event(WatchEvent::Lost, when, st.last.seen);
        const QString who = identity(st.last.seen.info);
        if (!gone_.contains(who)) goneOrder_.append(who);
        gone_.insert(who, st);
        it = order_.erase(it);
    }
}

WatchSnapshot CameraWatch::snapshot() const {
    WatchSnapshot s;
    // A camera that moved is listed at its new address until the next completed discovery loses the old
    // one: one entry per identity, the latest.
    QHash<QString, int> at;
    for (const QString &k : qAsConst(order_)) {
        const State &st = states_[k];
        const WatchSnapshot::Camera c{st.last, true, st.silent, st.adapter};
        const QString who = identity(st.last.seen.info);
        if (at.contains(who)) {
            s.cameras[at[who]] = c;
        } else {
            at.insert(who, s.cameras.size());
            s.cameras << c;
        }
    }
    for (const QString &who : goneOrder_)
        if (!at.contains(who))
            s.cameras << WatchSnapshot::Camera{gone_[who].last, false, gone_[who].silent, gone_[who].adapter};
    s.conflicts = codesRaised_;
    for (const WatchEvent &e : conflicts_)
        ++s.conflicts[e.conflict.code];
    s.events = eventCounts_;
    s.lastDiscovery = lastDiscovery_;
    for (int i = 0; i < line_.cameras.size(); ++i)
        s.expected << qMakePair(line_.cameras.at(i), lineStates_.at(i) == LineState::Present);
    for (auto it = adapters_.cbegin(); it != adapters_.cend(); ++it)
        s.adapters.insert(it.key(), adapterUsable(&it.value()));
    return s;
}

void CameraWatch::expect(const ExpectedLine &line) {
    line_ = line;
    lineStates_.clear();
    for (int i = 0; i < line.cameras.size(); ++i)
        lineStates_ << LineState::NotHeard;
}

void CameraWatch::judgeLine(const QDateTime &when, bool complete, QList<WatchEvent> &out) {
    QList<SeenCamera> cameras;
    for (const QString &k : qAsConst(order_))
        cameras << states_.value(k).last.seen;
    QList<LineCamera> heard;
    for (const SeenCamera &c : qAsConst(cameras))
        heard << lineCamera(c);
    const LineStanding standing = compareLine(line_, heard);
    const auto entryOf = [](const QList<LineEntry> &entries, quint64 mac) {
        return std::find_if(entries.cbegin(), entries.cend(),
                            [mac](const LineEntry &e) { return e.expected.mac == mac; });
    };
    for (int i = 0; i < line_.cameras.size(); ++i) {
        const quint64 mac = line_.cameras.at(i).mac;
        const auto moved = entryOf(standing.moved, mac);
        const LineState was = lineStates_.at(i);
        LineState now = entryOf(standing.present, mac) != standing.present.cend() ? LineState::Present
                        : moved != standing.moved.cend()                          ? LineState::Moved
                        : settledOnce_ || complete                                ? LineState::Missing
                                                                                  : LineState::NotHeard;
        lineStates_[i] = now;
        if (now == was || (now != LineState::Moved && (now != LineState::Missing || settledOnce_))) continue;
        WatchEvent e = event(now == LineState::Moved ? WatchEvent::Moved : WatchEvent::Missing, when, {});
        if (now == LineState::Moved) {
            e.line = *moved;
            for (int k = 0; k < cameras.size(); ++k)
                if (heard.at(k).mac == mac && heard.at(k).ip == moved->heard.ip &&
                    heard.at(k).adapterIp == moved->heard.adapterIp)
                    e.camera = cameras.at(k);
            // A camera just found has not told its name yet; the line knows it.
            if (e.camera.name.isEmpty()) e.camera.name = moved->expected.name;
        } else {
            e.line.expected = line_.cameras.at(i);
        }
        out << e;
    }
    settledOnce_ = settledOnce_ || complete;
}

void CameraWatch::setAdapters(const QList<NetAdapterInfo> &adapters) {
    QList<AdapterFacts> now;
    for (const NetAdapterInfo &a : adapters) {
        AdapterFacts f;
        for (const AdapterFacts &known : qAsConst(facts_.adapters)) {
            if (std::strcmp(known.adapter.name, a.name) == 0) f = known;
        }
        f.adapter = a;
        now << f;
    }
    facts_.adapters = now;
}

QList<WatchEvent> CameraWatch::followAdapter(const QString &name, const NetAdapterInfo *now,
                                             const QDateTime &when) {
    const bool first = !adapters_.contains(name);
    const NetAdapterInfo before = adapters_.value(name);
    const bool up = adapterUsable(now);
    adapters_.insert(name, up ? *now : NetAdapterInfo());
    WatchEvent e;
    e.when = when;
    e.adapter = name;
    e.before = adapterUsable(&before) ? before.ip : 0;
    e.after = up ? now->ip : 0;
    switch (first ? (up ? AdapterChange::Same : AdapterChange::Vanished) : adapterChange(&before, now)) {
    case AdapterChange::Same:
        return {};
    case AdapterChange::Vanished:
        e.kind = WatchEvent::AdapterDown;
        break;
    case AdapterChange::Back:
        e.kind = WatchEvent::AdapterUp;
        break;
    case AdapterChange::Readdressed:
        e.kind = WatchEvent::AdapterAddress;
        break;
    }
    count({e});
    return {e};
}

void CameraWatch::compareConflicts(const QDateTime &when, QList<WatchEvent> &out) {
    QList<SeenCamera> cameras;
    for (const QString &k : qAsConst(order_))
        cameras << states_.value(k).last.seen;
    QHash<QString, WatchEvent> current;
    QStringList currentOrder;
    for (const Finding &f : cameraFindings(facts_, cameras, datagramSize_)) {
        QStringList members;
        for (const CameraRef &who : f.cameras)
            members << key(cameraNamed(cameras, who)->info);
        std::sort(members.begin(), members.end());
        const QString id = f.code + QLatin1Char(' ') + members.join(QLatin1Char(' '));
        WatchEvent e = event(WatchEvent::ConflictRaised, when, *cameraNamed(cameras, f.cameras.first()));
        e.conflict = f;
        e.conflictCameras = cameras;
        current.insert(id, e);
        currentOrder << id;
        codesRaised_.insert(f.code, 0);
    }
    for (auto it = conflicts_.begin(); it != conflicts_.end();) {
        if (current.contains(it.key())) {
            ++it;
            continue;
        }
        WatchEvent e = it.value();
        e.kind = WatchEvent::ConflictCleared;
        e.when = when;
        out << e;
        it = conflicts_.erase(it);
    }
    for (const QString &id : qAsConst(currentOrder)) {
        if (conflicts_.contains(id)) continue;
        out << current.value(id);
        conflicts_.insert(id, current.value(id));
    }
}
