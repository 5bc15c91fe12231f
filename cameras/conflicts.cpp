#include "conflicts.h"

#include "udpcammanager.h"

#include "net/addresses.h"
#include "net/udpinterface.h"

#include <QCoreApplication>

const quint32 datagramSizes[6] = {1448, 2920, 4360, 5800, 7240, 8680};

quint32 datagramSizeFor(int jumboPacket) {
    if (jumboPacket < 0 || jumboPacket > 5) return 0;
    return datagramSizes[jumboPacket];
}

QList<CameraConflict> findCameraConflicts(const UdpCamManager &manager, quint32 datagramSize) {
    QList<CameraConflict> found;
    const auto add = [&found](int code, const QString &key, int i) {
        for (CameraConflict &c : found) {
            if (c.key != key) continue;
            if (!c.cameras.contains(i)) c.cameras.append(i);
            return;
        }
        found.append({code, {i}, key});
    };
    const int n = manager.cameraCount();
    for (int i = 0; i < n; ++i) {
        const UdpInterface *a = manager.camera(i);
        if (!a) continue;
        const UdpCamInfo &info = a->camInfo;
        // Advanced cameras choose their own datagram size; only Standard ones are compared.
        if (datagramSize >= 1 && info.protocol == 0) {
            const int mismatch = jumboMismatch(info, datagramSize);
            if (mismatch != 0)
                add(mismatch, QStringLiteral("%1 %2").arg(mismatch).arg(ipToText(info.cameraIp)), i);
        }
        for (int j = 0; j < n; ++j) {
            const UdpInterface *b = manager.camera(j);
            if (j == i || !b) continue;
            // Only the first shared value of a pair counts, as in the single warning.
            QString key;
            if (sameIp(b->camInfo, info))
                key = QStringLiteral("3 ") + ipToText(info.cameraIp);
            else if (sameMac(b->camInfo, info))
                key = QStringLiteral("4 ") + macToText(info.macLow, info.macHigh);
            else if (sameSerial(b->camInfo, info))
                key = QStringLiteral("5 %1").arg(info.serialNumber);
            if (key.isEmpty()) continue;
            const int code = key.left(1).toInt();
            add(code, key, i);
            add(code, key, j);
        }
    }
    return found;
}

int findCameraConflict(const UdpCamManager &manager, quint32 datagramSize) {
    const QList<CameraConflict> all = findCameraConflicts(manager, datagramSize);
    return all.isEmpty() ? 0 : all.first().code;
}

QString conflictText(int code) {
    static const char *const texts[] = {
        QT_TRANSLATE_NOOP("MainWindow", "Jumbo datagram size is enabled on network adapter and "
                                        "disabled on cameras. Cameras may not work properly."),
        QT_TRANSLATE_NOOP("MainWindow", "Jumbo datagram size is disabled on network adapter and "
                                        "enabled on cameras. Cameras may not work properly."),
        QT_TRANSLATE_NOOP("MainWindow",
                          "More than one camera have the same IP address. Right click and select "
                          "'Edit IP Address...' to change IP address."),
        QT_TRANSLATE_NOOP("MainWindow", "More than one camera have the same MAC address."),
        QT_TRANSLATE_NOOP("MainWindow", "More than one camera have the same Serial Number."),
    };
    if (code < 1 || code > 5) return QString();
    return QCoreApplication::translate("MainWindow", texts[code - 1]);
}
