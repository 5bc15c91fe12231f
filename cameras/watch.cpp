#include "watch.h"

#include "net/addresses.h"

#include <algorithm>

namespace {

WatchEvent event(WatchEvent::Kind kind, const QDateTime &when, const SeenCamera &camera) {
    WatchEvent e;
    e.kind = kind;
    e.when = when;
    e.camera = camera;
    return e;
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
    }
    return QString();
}

CameraWatch::CameraWatch(const NetworkFacts &facts, quint32 datagramSize)
    : facts_(facts), datagramSize_(datagramSize) {}

QString CameraWatch::key(const UdpCamInfo &info) {
    return ipToText(info.cameraIp) + QLatin1Char('/') + macToText(info.macLow, info.macHigh);
}

QList<WatchEvent> CameraWatch::update(const QList<WatchedCamera> &now, const QDateTime &when, bool complete) {
    QList<WatchEvent> out;
    QSet<QString> present;
    bool membersChanged = false;
    for (const WatchedCamera &c : now) {
        const QString k = key(c.seen.info);
        present.insert(k);
        if (!states_.contains(k)) {
            out << event(WatchEvent::Found, when, c.seen);
            states_.insert(k, State());
            order_.append(k);
            membersChanged = true;
        }
        State &st = states_[k];
        WatchedCamera &last = st.last;
        if (c.nameKnown && (!last.nameKnown || c.seen.name != last.seen.name)) {
            WatchEvent e = event(WatchEvent::Name, when, c.seen);
            e.hadBefore = last.nameKnown;
            e.nameBefore = last.seen.name;
            e.nameAfter = c.seen.name;
            out << e;
        }
        if (c.statusKnown && (!last.statusKnown || c.status != last.status)) {
            WatchEvent e = event(WatchEvent::Status, when, c.seen);
            e.hadBefore = last.statusKnown;
            e.before = last.status;
            e.after = c.status;
            out << e;
        }
        if (c.optionsKnown && (!last.optionsKnown || c.seen.info.options != last.seen.info.options)) {
            WatchEvent e = event(WatchEvent::Options, when, c.seen);
            e.hadBefore = last.optionsKnown;
            e.before = last.seen.info.options;
            e.after = c.seen.info.options;
            out << e;
        }
        if (c.clipsKnown && (!last.clipsKnown || c.clipCount != last.clipCount)) {
            WatchEvent e = event(WatchEvent::Clips, when, c.seen);
            e.hadBefore = last.clipsKnown;
            e.before = last.clipCount;
            e.after = c.clipCount;
            out << e;
        }
        // What this listing does not know yet is kept from before.
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
        last = merged;
    }
    if (complete) {
        for (auto it = order_.begin(); it != order_.end();) {
            if (present.contains(*it)) {
                ++it;
                continue;
            }
            out << event(WatchEvent::Lost, when, states_.value(*it).last.seen);
            states_.remove(*it);
            it = order_.erase(it);
            membersChanged = true;
        }
    }
    // Conflicts depend on who is there, not on names or states: with hundreds of cameras answering
    // every poll they are compared only when a camera comes or goes.
    if (membersChanged) compareConflicts(when, out);
    return out;
}

void CameraWatch::compareConflicts(const QDateTime &when, QList<WatchEvent> &out) {
    QList<SeenCamera> cameras;
    QStringList keys;
    for (const QString &k : qAsConst(order_)) {
        cameras << states_.value(k).last.seen;
        keys << k;
    }
    QHash<QString, WatchEvent> current;
    QStringList currentOrder;
    for (const Finding &f : cameraFindings(facts_, cameras, datagramSize_)) {
        QStringList members;
        for (int i : f.cameras)
            members << keys.at(i);
        std::sort(members.begin(), members.end());
        const QString id = f.code + QLatin1Char(' ') + members.join(QLatin1Char(' '));
        WatchEvent e = event(WatchEvent::ConflictRaised, when, cameras.at(f.cameras.first()));
        e.conflict = f;
        e.conflictCameras = cameras;
        current.insert(id, e);
        currentOrder << id;
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

QList<WatchEvent> CameraWatch::polled(const QList<WatchedCamera> &now, const QDateTime &when) {
    QList<WatchEvent> out;
    for (const WatchedCamera &c : now) {
        if (c.seen.info.protocol != 0) continue; // Advanced cameras are never polled
        auto it = states_.find(key(c.seen.info));
        if (it == states_.end()) continue;
        State &st = *it;
        if (st.pollPending && !st.answeredSincePoll && ++st.missed == MissedPollsForSilence) {
            st.silent = true;
            out << event(WatchEvent::NotResponding, when, c.seen);
        }
        st.pollPending = true;
        st.answeredSincePoll = false;
    }
    return out;
}

QList<WatchEvent> CameraWatch::answered(const UdpCamInfo &info, const QDateTime &when) {
    QList<WatchEvent> out;
    auto it = states_.find(key(info));
    if (it == states_.end()) return out;
    it->answeredSincePoll = true;
    it->missed = 0;
    if (it->silent) {
        it->silent = false;
        out << event(WatchEvent::Responding, when, it->last.seen);
    }
    return out;
}
