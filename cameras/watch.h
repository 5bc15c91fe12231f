#pragma once

#include "diagnosis.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

// One listed camera at one moment. A field counts only once its reply has arrived since the camera
// was (re)discovered, so that a fresh channel's empty name or zero status is never taken for a change.
struct WatchedCamera {
    SeenCamera seen;
    quint32 status = 0;
    int clipCount = 0;
    bool nameKnown = false;
    bool statusKnown = false;
    bool optionsKnown = false;
    bool clipsKnown = false;
};

struct WatchEvent {
    enum Kind {
        Found,
        Name,
        Status,
        Options,
        Clips,
        ConflictRaised,
        ConflictCleared,
        NotResponding,
        Responding,
        Lost
    };
    Kind kind = Found;
    QDateTime when;
    SeenCamera camera;      // the camera; for a conflict, its first camera
    bool hadBefore = false; // name, status, options, clips: whether there was an earlier value
    qint64 before = 0;      // status, options, clip count before and after
    qint64 after = 0;
    QString nameBefore, nameAfter;
    Finding conflict; // conflicts: the finding (its camera positions index `conflictCameras`)
    QList<SeenCamera> conflictCameras;
};

QString watchEventName(WatchEvent::Kind kind);

// Follows the cameras over time: compares what it is shown now with what it saw before and says what
// changed, which conflicts arose or went, and which Standard cameras stopped answering their polls.
class CameraWatch {
public:
    static constexpr int MissedPollsForSilence = 3;

    CameraWatch(const NetworkFacts &facts, quint32 datagramSize);

    // The cameras listed now. With `complete`, the list is everything one whole discovery found, and
    // a camera seen before that is missing from it is lost.
    QList<WatchEvent> update(const QList<WatchedCamera> &now, const QDateTime &when, bool complete);
    // The status poll went out again to the Standard cameras among `now`; one that did not answer
    // since the poll before has missed that one.
    QList<WatchEvent> polled(const QList<WatchedCamera> &now, const QDateTime &when);
    // A camera answered (any reply counts).
    QList<WatchEvent> answered(const UdpCamInfo &info, const QDateTime &when);

private:
    struct State {
        WatchedCamera last;
        bool pollPending = false;
        bool answeredSincePoll = false;
        int missed = 0;
        bool silent = false;
    };
    static QString key(const UdpCamInfo &info);
    void compareConflicts(const QDateTime &when, QList<WatchEvent> &out);

    NetworkFacts facts_;
    quint32 datagramSize_;
    QHash<QString, State> states_;
    QList<QString> order_; // keys in order of first sight
    QHash<QString, WatchEvent> conflicts_;
};
