#include "expectedline.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>

namespace {

// A serial number's value from its digits ("00-0000-0042" and "42" are one number); 0 is not known.
quint64 serialValue(const QString &text) {
    quint64 value = 0;
    for (const QChar c : text) {
        if (c.isDigit()) value = value * 10 + quint64(c.digitValue());
    }
    return value;
}

// A serial number as a line may give it: digits, grouped by dashes or blanks, or a JSON number.
bool readSerial(const QJsonValue &v, QString *out) {
    if (v.isDouble()) {
        const double d = v.toDouble();
        if (d < 0 || d > 9007199254740992.0 || d != qint64(d)) return false;
        *out = QString::number(qint64(d));
        return true;
    }
    if (!v.isString()) return false;
    int digits = 0;
    for (const QChar c : v.toString()) {
        if (!c.isDigit() && c != QLatin1Char('-') && c != QLatin1Char(' ')) return false;
        digits += c.isDigit();
    }
    *out = v.toString();
    return digits <= 19; // more would not be a number
}

bool serialsDiffer(const LineCamera &a, const LineCamera &b) {
    const quint64 x = serialValue(a.serial), y = serialValue(b.serial);
    return x && y && x != y;
}

int moves(const LineCamera &expected, const LineCamera &heard) {
    int bits = 0;
    if (expected.ip != NoIp && heard.ip != expected.ip) bits |= MovedAddress;
    if (expected.adapterIp != NoIp && heard.adapterIp != NoIp && heard.adapterIp != expected.adapterIp)
        bits |= MovedAdapter;
    return bits;
}

LineProblem problem(LineProblem::Fault fault, int entry = 0, const QString &detail = QString(),
                    const QString &value = QString()) {
    LineProblem p;
    p.fault = fault;
    p.entry = entry;
    p.detail = detail;
    p.value = value;
    return p;
}

QString macText(quint64 mac) {
    return macToText(quint32(mac), quint32(mac >> 32));
}

QString ipText(quint32 ip) {
    return ip == NoIp ? QString() : ipToText(ip);
}

} // namespace

bool parseCameraMac(const QString &text, quint64 *out) {
    const bool separated = text.size() == 17;
    if (!separated && text.size() != 12) return false;
    quint64 mac = 0;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i].toLower();
        if (separated && i % 3 == 2) {
            if (c != QLatin1Char(':') && c != QLatin1Char('-')) return false;
            continue;
        }
        const int nibble = QStringLiteral("0123456789abcdef").indexOf(c);
        if (nibble < 0) return false;
        mac = mac << 4 | quint64(nibble);
    }
    // A camera's own address is never all zeros nor a group address (the lowest bit of its first byte).
    if (mac == 0 || (mac >> 40 & 1)) return false;
    *out = mac;
    return true;
}

LineProblem readExpectedLine(const QByteArray &json, ExpectedLine *out) {
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        LineProblem p = problem(LineProblem::NotJson, 0, error.errorString());
        const QByteArray before = json.left(error.offset);
        const int lineStart = before.lastIndexOf('\n') + 1;
        p.line = before.count('\n') + 1;
        p.column = QString::fromUtf8(before.mid(lineStart)).size() + 1;
        return p;
    }
    const QJsonValue cameras = doc.object().value(QLatin1String("cameras"));
    if (!cameras.isArray()) return problem(LineProblem::NoCameraArray);
    if (cameras.toArray().isEmpty()) return problem(LineProblem::NoCameras);
    ExpectedLine line;
    const QJsonArray list = cameras.toArray();
    for (int i = 0; i < list.size(); ++i) {
        const int entry = i + 1;
        if (!list[i].isObject()) return problem(LineProblem::NotACamera, entry);
        const QJsonObject o = list[i].toObject();
        // Null stands for a value not known, as a field left out does.
        const auto given = [&o](const char *key) {
            const QJsonValue v = o.value(QLatin1String(key));
            return !v.isUndefined() && !v.isNull();
        };
        const auto bad = [&o, entry](const char *key) {
            const QJsonValue v = o.value(QLatin1String(key));
            const QString shown =
                v.isString() ? v.toString()
                             : QString::fromUtf8(QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact))
                                   .mid(1)
                                   .chopped(1);
            return problem(LineProblem::BadField, entry, QLatin1String(key), shown);
        };
        LineCamera camera;
        if (!given("mac")) return problem(LineProblem::NoMac, entry);
        if (!parseCameraMac(o.value(QLatin1String("mac")).toString(), &camera.mac)) return bad("mac");
        if (given("serial") && !readSerial(o.value(QLatin1String("serial")), &camera.serial))
            return bad("serial");
        if (given("name") && !o.value(QLatin1String("name")).isString()) return bad("name");
        camera.name = o.value(QLatin1String("name")).toString();
        for (const auto &[key, ip] : {std::pair{"ip", &camera.ip}, {"adapterIp", &camera.adapterIp}}) {
            if (given(key) && !parseStrictIp(o.value(QLatin1String(key)).toString(), ip)) return bad(key);
        }
        for (int j = 0; j < line.cameras.size(); ++j) {
            if (line.cameras[j].mac != camera.mac) continue;
            LineProblem p = problem(LineProblem::SameMac, j + 1, QString(), macText(camera.mac));
            p.otherEntry = entry;
            return p;
        }
        line.cameras.append(camera);
    }
    *out = line;
    return LineProblem();
}

LineProblem loadExpectedLine(const QString &path, ExpectedLine *out) {
    const QFileInfo info(path);
    if (!info.exists()) return problem(LineProblem::NotFound);
    if (!info.isFile()) return problem(LineProblem::NotAFile);
    if (info.size() > MaxLineBytes) return problem(LineProblem::TooLarge);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return problem(LineProblem::CannotRead, 0, file.errorString());
    return readExpectedLine(file.read(MaxLineBytes + 1), out);
}

QString lineProblemText(const LineProblem &p) {
    const auto tr = [](const char *text) { return QCoreApplication::translate("ExpectedLine", text); };
    switch (p.fault) {
    case LineProblem::NotFound:
        return tr("there is no such file");
    case LineProblem::NotAFile:
        return tr("this is not a regular file");
    case LineProblem::TooLarge:
        return tr("the file is too large to be a camera list (more than 16 MiB)");
    case LineProblem::CannotRead:
        return tr("the file cannot be read: %1").arg(p.detail);
    case LineProblem::NotJson:
        return tr("this is not JSON: %1 at line %2, column %3").arg(p.detail).arg(p.line).arg(p.column);
    case LineProblem::NoCameraArray:
        return tr("this is not a camera list: it is no JSON object with a \"cameras\" array");
    case LineProblem::NoCameras:
        return tr("the camera list has no cameras");
    case LineProblem::NotACamera:
        return tr("entry %1 of \"cameras\" is not a camera (a JSON object)").arg(p.entry);
    case LineProblem::NoMac:
        return tr("entry %1 of \"cameras\" has no \"mac\"").arg(p.entry);
    case LineProblem::BadField:
        return tr("entry %1 of \"cameras\" has a malformed \"%2\": %3").arg(p.entry).arg(p.detail, p.value);
    case LineProblem::SameMac:
        return tr("entries %1 and %2 of \"cameras\" have the same MAC %3")
            .arg(p.entry)
            .arg(p.otherEntry)
            .arg(p.value);
    case LineProblem::None:
        break;
    }
    return QString();
}

LineStanding compareLine(const ExpectedLine &line, const QList<LineCamera> &heard) {
    LineStanding standing;
    QVector<bool> taken(heard.size());
    for (const LineCamera &expected : line.cameras) {
        LineEntry entry;
        entry.expected = expected;
        int best = -1, copy = -1;
        for (int i = 0; i < heard.size(); ++i) {
            if (heard[i].mac != expected.mac) continue;
            if (serialsDiffer(expected, heard[i])) {
                if (copy < 0) copy = i;
                continue;
            }
            taken[i] = true;
            if (best < 0 || (moves(expected, heard[i]) == 0 && moves(expected, heard[best]) != 0)) best = i;
        }
        if (best < 0) {
            entry.copiedMac = copy >= 0;
            if (entry.copiedMac) entry.heard = heard[copy];
            standing.missing.append(entry);
            continue;
        }
        entry.heard = heard[best];
        entry.moves = moves(expected, entry.heard);
        (entry.moves ? standing.moved : standing.present).append(entry);
    }
    for (int i = 0; i < heard.size(); ++i) {
        if (taken[i]) continue;
        LineEntry entry;
        entry.heard = heard[i];
        // The same stranger heard twice is one camera.
        for (int j = i + 1; j < heard.size(); ++j)
            taken[j] = taken[j] || (heard[j].mac == heard[i].mac && !serialsDiffer(heard[i], heard[j]));
        for (const LineCamera &expected : line.cameras) {
            if (expected.mac != entry.heard.mac) continue;
            entry.expected = expected;
            entry.copiedMac = true;
        }
        standing.unexpected.append(entry);
    }
    return standing;
}

QJsonObject expectedLineJson(const LineStanding &standing) {
    // The line's camera speaks for a missing one; one heard for itself; one heard as the line's camera
    // for itself, and the line tells what it did not.
    enum Source { Line, Heard, Both };
    const auto list = [](const QList<LineEntry> &entries, Source source) {
        QJsonArray array;
        for (const LineEntry &e : entries) {
            const LineCamera &main = source == Line ? e.expected : e.heard;
            const auto value = [&e, &main, source](QString LineCamera::*field) {
                return (main.*field).isEmpty() && source == Both ? e.expected.*field : main.*field;
            };
            QJsonObject o{{QStringLiteral("mac"), macText(main.mac)},
                          {QStringLiteral("serial"), value(&LineCamera::serial)},
                          {QStringLiteral("name"), value(&LineCamera::name)},
                          {QStringLiteral("ip"), ipText(main.ip)}};
            if (e.moves) o.insert(QStringLiteral("expectedIp"), ipText(e.expected.ip));
            if (e.moves & MovedAdapter) {
                o.insert(QStringLiteral("adapter"), ipText(e.heard.adapterIp));
                o.insert(QStringLiteral("expectedAdapter"), ipText(e.expected.adapterIp));
            }
            if (e.copiedMac) o.insert(QStringLiteral("copiedMac"), true);
            array.append(o);
        }
        return array;
    };
    return {{QStringLiteral("present"), list(standing.present, Both)},
            {QStringLiteral("missing"), list(standing.missing, Line)},
            {QStringLiteral("moved"), list(standing.moved, Both)},
            {QStringLiteral("unexpected"), list(standing.unexpected, Heard)}};
}
