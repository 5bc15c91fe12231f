#pragma once

// The expected line: a saved camera list (what varnix-scan --json prints and the window saves) taken as
// the line as it should be, and how the cameras heard stand against it. Reading a line needs only each
// camera's MAC address, so that a list written by hand from a purchase list works too.
#include "net/addresses.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QtGlobal>

// One camera as the line and the comparison see it; what is not known is empty, or NoIp.
struct LineCamera {
    quint64 mac = 0; // 48 bits, the first byte highest
    QString serial;  // as the reports write it ("00-0000-0042"); empty when not known
    QString name;
    quint32 ip = NoIp;
    quint32 adapterIp = NoIp; // the adapter the camera answers through
};

struct ExpectedLine {
    QList<LineCamera> cameras; // in the file's order, each MAC address once
};

// Why a file is no expected line; `entry` and `otherEntry` count the entries of "cameras" from 1.
struct LineProblem {
    enum Fault {
        None,
        NotFound,
        NotAFile,      // a directory, a device, a FIFO
        TooLarge,      // more than MaxLineBytes
        CannotRead,    // detail: the system's reason
        NotJson,       // detail: the parser's reason, at line and column
        NoCameraArray, // the top level is not an object with a "cameras" array
        NoCameras,     // the array is empty
        NotACamera,    // an entry is not an object
        NoMac,
        BadField, // detail: the field's key; value: what it holds
        SameMac,  // two entries; value: the MAC address
    };
    Fault fault = None;
    int entry = 0, otherEntry = 0;
    int line = 0, column = 0;
    QString detail, value;
};
constexpr qint64 MaxLineBytes = 16 * 1024 * 1024;

LineProblem readExpectedLine(const QByteArray &json, ExpectedLine *out);
LineProblem loadExpectedLine(const QString &path, ExpectedLine *out);
// Why, in English, translated in the context "ExpectedLine"; the caller names the file before it.
QString lineProblemText(const LineProblem &problem);

// "00:0c:9c:81:f2:a7", also "00-0C-9C-81-F2-A7" and "000c9c81f2a7"; false for anything else and for
// an address no camera has (all zeros, a group address).
bool parseCameraMac(const QString &text, quint64 *out);

enum LineMove { MovedAddress = 0x1, MovedAdapter = 0x2 };

// A camera of the comparison. A camera is the line's camera when its MAC address matches and the
// serial numbers, where both are known, do too. One with the line's MAC address but another serial
// number is a different camera with a copied MAC address: it is unexpected and the line's camera
// missing, both entries flagged `copiedMac` and each naming the other camera.
struct LineEntry {
    LineCamera expected; // the line's camera (for an unexpected one: only where copiedMac)
    LineCamera heard;    // the camera heard (for a missing one: only where copiedMac)
    int moves = 0;       // LineMove bits of a moved camera
    bool copiedMac = false;
};

struct LineStanding {
    QList<LineEntry> present, missing, moved, unexpected; // line order; unexpected in the order heard
    bool asExpected() const { return missing.isEmpty() && moved.isEmpty() && unexpected.isEmpty(); }
};

// A camera heard more than once (through two adapters) is one camera: present where any of its
// replies came from where the line has it, else moved to where it was heard first.
LineStanding compareLine(const ExpectedLine &line, const QList<LineCamera> &heard);

// {"present", "missing", "moved", "unexpected"}: each entry {"mac", "serial", "name", "ip"}, a moved
// one also "expectedIp" and, moved through another adapter, "adapter" and "expectedAdapter" (adapter
// addresses); a flagged one "copiedMac": true. What was heard goes before what the line says.
QJsonObject expectedLineJson(const LineStanding &standing);
