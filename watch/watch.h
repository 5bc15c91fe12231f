#pragma once

#include "doctor/diagnosis.h"
#include "report/expectedline.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMap>
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
    // The manager's verdict: false while a Standard camera leaves its status polls unanswered.
    bool responding = true;
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
        Lost,
        // A camera answers from another address (before and after it); an adapter followed by its name
        // went, came back or took another address (before and after: its address, 0 for none).
        Address,
        AdapterDown,
        AdapterUp,
        AdapterAddress,
        // The expected line: a camera of it not heard once the first discovery settled, or heard elsewhere.
        Missing,
        Moved,
    };
    Kind kind = Found;
    QDateTime when;
    SeenCamera camera;      // the camera; for a conflict, its first camera
    bool hadBefore = false; // name, status, options, clips: whether there was an earlier value
    qint64 before = 0;      // status, options, clip count before and after
    qint64 after = 0;
    QString nameBefore, nameAfter;
    Finding conflict; // conflicts: the finding, whose cameras are among `conflictCameras`
    QList<SeenCamera> conflictCameras;
    LineEntry line;  // missing, moved: the line's camera and, moved, where it was heard (`camera`)
    QString adapter; // adapter events: the adapter's name
};

QString watchEventName(WatchEvent::Kind kind);

// What the watch knows at one moment, for the monitoring file.
struct WatchSnapshot {
    struct Camera {
        WatchedCamera last; // everything its replies have told so far
        bool listed = true; // false once a completed discovery went without it
        bool silent = false;
        QString adapter; // the adapter it was last listed through ("" when none the watch knows)
    };
    QList<Camera> cameras;         // listed ones in order of first sight, then those lost
    QHash<QString, int> conflicts; // findings now, by code; a code once raised stays, at 0
    QHash<QString, qint64> events; // events so far, by name
    QDateTime lastDiscovery;       // when the last completed discovery was judged; invalid before
    // The expected line's cameras, each with whether it is listed where the line has it.
    QList<QPair<LineCamera, bool>> expected;
    QMap<QString, bool> adapters; // the adapters followed by name, and whether each is up
};

// Follows the cameras over time: compares what it is shown now with what it saw before and says what
// changed, which conflicts arose or went, and which cameras stopped answering their polls or answer again.
class CameraWatch {
public:
    CameraWatch(const NetworkFacts &facts, quint32 datagramSize);

    // The cameras listed now. With `complete`, the list is everything one whole discovery found, and
    // a camera seen before that is missing from it is lost.
    QList<WatchEvent> update(const QList<WatchedCamera> &now, const QDateTime &when, bool complete);

    WatchSnapshot snapshot() const;

    // The adapters as the system lists them now: the cameras are judged on these from now on.
    void setAdapters(const QList<NetAdapterInfo> &adapters);
    const NetworkFacts &facts() const { return facts_; }
    // The adapter called `name` as the system lists it now (null when it does not). The first look says
    // only when it is down; every later one what became of it since the one before.
    QList<WatchEvent> followAdapter(const QString &name, const NetAdapterInfo *now, const QDateTime &when);
    // The line as it should be: its cameras are judged whenever a camera comes or goes.
    void expect(const ExpectedLine &line);

private:
    struct State {
        WatchedCamera last;
        // Said not to respond; kept across a rediscovery, whose fresh channel knows nothing yet.
        bool silent = false;
        QString adapter;
    };
    static QString key(const UdpCamInfo &info);
    // Serial number and MAC: who a camera is, whatever address it has.
    static QString identity(const UdpCamInfo &info);
    static void compareResponding(const WatchedCamera &now, State &state, const QDateTime &when,
                                  QList<WatchEvent> &out);
    static void compareName(const WatchedCamera &now, const WatchedCamera &last, const QDateTime &when,
                            QList<WatchEvent> &out);
    static void compareValue(WatchEvent::Kind kind, const WatchedCamera &now, bool known, qint64 value,
                             bool knewBefore, qint64 before, const QDateTime &when, QList<WatchEvent> &out);
    static WatchedCamera carryOver(const WatchedCamera &now, const WatchedCamera &last);
    void compareCamera(const WatchedCamera &now, const QDateTime &when, QList<WatchEvent> &out);
    // A camera new at its address that is listed at another already waits in `moving_` for the end of the
    // discovery: moved when the other address went without it, another camera with its identity when
    // both answer two discoveries.
    bool holdIfMoving(const QString &key, const WatchedCamera &now);
    void judgeMoves(const QSet<QString> &present, const QDateTime &when, QList<WatchEvent> &out);
    void count(const QList<WatchEvent> &events);
    void loseMissing(const QSet<QString> &present, const QDateTime &when, QList<WatchEvent> &out);
    void compareConflicts(const QDateTime &when, QList<WatchEvent> &out);
    void judgeLine(const QDateTime &when, bool complete, QList<WatchEvent> &out);

    NetworkFacts facts_;
    quint32 datagramSize_;
    QHash<QString, State> states_;
    QList<QString> order_; // keys in order of first sight
    QHash<QString, WatchEvent> conflicts_;
    // Lost cameras by identity, until they are found again: the monitoring still shows them, as gone.
    QHash<QString, State> gone_;
    QList<QString> goneOrder_;
    QHash<QString, int> codesRaised_;
    QHash<QString, qint64> eventCounts_;
    QDateTime lastDiscovery_;

    enum class LineState { NotHeard, Present, Moved, Missing };
    ExpectedLine line_;
    QList<LineState> lineStates_; // by the line's cameras
    bool settledOnce_ = false;    // the first discovery was judged: a camera not heard then is missing
    QHash<QString, WatchedCamera> moving_; // by the key at the new address
    QHash<QString, QString> movingFrom_;   // that key -> the key at the address listed before
    QList<QString> movingOrder_;
    QSet<QString> bothAnswered_;              // held though both addresses answered the last discovery
    QHash<QString, NetAdapterInfo> adapters_; // followed by name: as last seen, an empty record when down
};
