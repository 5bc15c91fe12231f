#include "cameralist.h"

#include "camerafields.h"
#include "cameras/conflicts.h"
#include "cameras/udpcammanager.h"
#include "doctor/diagnosis.h"

#include <QCoreApplication>

namespace {

using F = CameraField;
const F columns[] = {F::Index,          F::Name, F::Model,     F::Serial, F::Firmware,   F::Ip,
                     F::Mask,           F::Mac,  F::AdapterIp, F::Link,   F::StatusText, F::Protocol,
                     F::InAdapterSubnet};
// Not a field of the camera alone: the conflicts it is part of among the others.
const char *const conflictHeader = QT_TRANSLATE_NOOP("CameraList", "Conflict");

// A field a spreadsheet reads as a formula (or, after a tab or CR, as one) starts with a quote mark,
// which makes it text. Names come from the network: "=HYPERLINK(...)" must never become a live link.
QString asText(const QString &field) {
    static const QString formulaStarts = QStringLiteral("=+-@\t\r");
    return !field.isEmpty() && formulaStarts.contains(field.at(0)) ? QLatin1Char('\'') + field : field;
}

QString separated(const QList<QStringList> &rows, QChar separator, const QString &lineEnd) {
    QString out;
    for (const QStringList &row : rows) {
        QStringList fields;
        for (const QString &cell : row) {
            QString field = asText(cell);
            if (field.contains(separator) || field.contains(QLatin1Char('"')) ||
                field.contains(QLatin1Char('\r')) || field.contains(QLatin1Char('\n')))
                field = QLatin1Char('"') + field.replace(QLatin1Char('"'), QLatin1String("\"\"")) +
                        QLatin1Char('"');
            fields << field;
        }
        out += fields.join(separator) + lineEnd;
    }
    return out;
}

} // namespace

QList<QStringList> cameraListRows(const UdpCamManager &manager, quint32 datagramSize) {
    QStringList header;
    for (F field : columns)
        header << listLabel(field);
    header << QCoreApplication::translate("CameraList", conflictHeader);
    QList<QStringList> rows{header};
    const QList<CameraConflict> conflicts = findCameraConflicts(manager, datagramSize);
    for (const CameraSnapshot &camera : listedSnapshots(manager)) {
        QStringList codes;
        for (const CameraConflict &c : conflicts) {
            if (c.cameras.contains(camera.ref()) && !codes.contains(findingCode(c.kind)))
                codes << findingCode(c.kind);
        }
        QStringList row;
        for (F field : columns)
            row << fieldText(field, camera);
        rows << row + QStringList{codes.join(QLatin1Char(' '))};
    }
    return rows;
}

QByteArray csvText(const QList<QStringList> &rows) {
    return separated(rows, QLatin1Char(','), QStringLiteral("\r\n")).toUtf8();
}

QString tabSeparatedText(const QList<QStringList> &rows) {
    return separated(rows, QLatin1Char('\t'), QStringLiteral("\n"));
}
