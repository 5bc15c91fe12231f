#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QPair>
#include <QString>
#include <QVector>
#include <QtGlobal>

class QUdpSocket;

struct SimClip {
    quint16 clipNumber = 0;
    quint64 frameCount = 0;
    float frameRate = 0;
    quint16 width = 0;
    quint16 height = 0;
    quint32 firstFrame = 0;
    quint32 trimStart = 0;
    quint32 trimEnd = 0;
};

struct StatusStep {
    qint64 afterMs = 0;
    quint32 status = 0;
};

// One simulated camera: what it reports, and the datagrams it answers with.
struct SimCamera {
    // Configuration, as the camera would report it on the wire.
    QString label;             // for messages only
    bool advanced = false;     // native dialect
    bool answerBoth = false;   // also answers the other dialect's discovery and commands
    quint32 model = 0;         // as configured: the native dialect's model code
    quint32 variant = 0;       // Standard sensor code
    quint32 standardModel = 0; // u32 model code in a Standard discovery reply
    quint32 advancedModel = 0; // model number r in an Advanced discovery reply
    quint32 serial = 0;
    quint32 firmwareVersion = 0;
    quint32 firmwareRevision = 0;
    quint8 mac[6] = {};
    quint32 ip = 0; // 0xC0A8010A form
    quint32 mask = 0xFFFFFF00;
    QByteArray name;
    quint8 optionC1 = 0; // offset 15 of the option reply
    quint8 optionC2 = 0; // offset 14
    quint8 link = 0;
    quint32 status = 1;
    QVector<StatusStep> statusScript;
    qint64 statusPeriodMs = 0; // 0: the script runs once and its last step stays
    quint32 statusAux = 0;     // the second number of a status reply
    bool hasReadings = false;
    quint16 readings[2] = {};
    QVector<SimClip> clips;
    int clipEntrySize = 128;
    int clipsPerDatagram = 8;
    qint64 clipListEveryMs = 0; // resend the clip list to registered listeners; 0 = only on register
    quint16 commandPort = 1029;
    QVector<quint16> discoveryPorts{1028, 1029};
    bool discoveryOnly = false; // answers discovery, never a command sent to it
    qint64 silentFromMs = -1;   // answers nothing at all from then ...
    qint64 silentForMs = 0;     // ... for this long (0: for good)

    // Run-time state.
    QUdpSocket *out = nullptr;                  // bound to `ip`; replies go out from it only when bound
    QVector<QPair<quint32, quint16>> listeners; // registered clip-list receivers

    bool speaksStandard() const { return !advanced || answerBoth; }
    bool speaksAdvanced() const { return advanced || answerBoth; }
    quint32 macHigh() const { return quint32(mac[0]) << 8 | mac[1]; }
    quint32 macLow() const {
        return quint32(mac[2]) << 24 | quint32(mac[3]) << 16 | quint32(mac[4]) << 8 | mac[5];
    }
    quint32 statusAt(qint64 ms) const;
    bool silentAt(qint64 ms) const {
        return silentFromMs >= 0 && ms >= silentFromMs &&
               (silentForMs <= 0 || ms < silentFromMs + silentForMs);
    }

    // Replies, byte for byte.
    QByteArray standardDiscoverReply() const;
    QByteArray advancedDiscoverReply() const;
    QByteArray nameReply() const;
    QByteArray statusReply(qint64 ms) const;
    QByteArray readingsReply() const;
    QByteArray optionsReply() const;
    QByteArray advancedNameReply() const;
    QByteArray advancedAck(quint8 command) const;
    QVector<QByteArray> clipListDatagrams() const;

    // Builds a camera from one JSON object; false with `error` set when a field is unusable.
    static bool fromJson(const QJsonObject &o, SimCamera *cam, QString *error);
};

// The command port a Standard camera listens on, from the model code it reports.
quint16 standardCommandPort(quint32 reportedModel);
// Clip-list entry size an Advanced camera uses, from the model number it reports.
int advancedClipEntrySize(quint32 reportedModel);
