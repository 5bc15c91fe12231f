#include "cameralist.h"

#include "cameras/conflicts.h"
#include "cameras/modelnames.h"
#include "cameras/udpcammanager.h"
#include "doctor/diagnosis.h"
#include "reportjson.h"

#include "net/addresses.h"
#include "net/udpinterface.h"

#include <QCoreApplication>

namespace {

const char *const headers[] = {
    QT_TRANSLATE_NOOP("CameraList", "Index"),     QT_TRANSLATE_NOOP("CameraList", "Name"),
    QT_TRANSLATE_NOOP("CameraList", "Model"),     QT_TRANSLATE_NOOP("CameraList", "Serial number"),
    QT_TRANSLATE_NOOP("CameraList", "Firmware"),  QT_TRANSLATE_NOOP("CameraList", "IP address"),
    QT_TRANSLATE_NOOP("CameraList", "Mask"),      QT_TRANSLATE_NOOP("CameraList", "MAC address"),
    QT_TRANSLATE_NOOP("CameraList", "Adapter"),   QT_TRANSLATE_NOOP("CameraList", "Link"),
    QT_TRANSLATE_NOOP("CameraList", "Status"),    QT_TRANSLATE_NOOP("CameraList", "Protocol"),
    QT_TRANSLATE_NOOP("CameraList", "In subnet"), QT_TRANSLATE_NOOP("CameraList", "Conflict"),
};

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
    for (const char *text : headers)
        header << QCoreApplication::translate("CameraList", text);
    QList<QStringList> rows{header};
    const QList<CameraConflict> conflicts = findCameraConflicts(manager, datagramSize);
    for (int i = 0; i < manager.cameraCount(); ++i) {
        const UdpInterface *channel = manager.camera(i);
        if (!channel) continue;
        const UdpCamInfo &info = channel->camInfo;
        QStringList codes;
        for (const CameraConflict &c : conflicts) {
            if (c.cameras.contains(i) && !codes.contains(findingCode(c.kind))) codes << findingCode(c.kind);
        }
        rows << QStringList{QString::number(i),
                            channel->cameraName,
                            modelName(info),
                            serialText(info),
                            firmwareText(info),
                            ipToText(info.cameraIp),
                            ipToText(info.cameraMask),
                            macToText(info.macLow, info.macHigh),
                            ipToText(info.adapterIp),
                            linkName(info),
                            statusText(*channel),
                            protocolName(info),
                            inAdapterSubnet(info) ? QCoreApplication::translate("CameraList", "yes")
                                                  : QCoreApplication::translate("CameraList", "no"),
                            codes.join(QLatin1Char(' '))};
    }
    return rows;
}

QByteArray csvText(const QList<QStringList> &rows) {
    return separated(rows, QLatin1Char(','), QStringLiteral("\r\n")).toUtf8();
}

QString tabSeparatedText(const QList<QStringList> &rows) {
    return separated(rows, QLatin1Char('\t'), QStringLiteral("\n"));
}
