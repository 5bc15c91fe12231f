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

int findCameraConflict(const UdpCamManager &manager, quint32 datagramSize) {
    const int n = manager.cameraCount();
    for (int i = 0; i < n; ++i) {
        const UdpInterface *a = manager.camera(i);
        if (!a) continue;
        // Advanced cameras choose their own datagram size; only Standard ones are compared.
        if (datagramSize >= 1 && a->camInfo.protocol == 0) {
            const int mismatch = jumboMismatch(a->camInfo, datagramSize);
            if (mismatch != 0) return mismatch;
        }
        for (int j = 0; j < n; ++j) {
            const UdpInterface *b = manager.camera(j);
            if (j == i || !b) continue;
            if (sameIp(b->camInfo, a->camInfo)) return 3;
            if (sameMac(b->camInfo, a->camInfo)) return 4;
            if (sameSerial(b->camInfo, a->camInfo)) return 5;
        }
    }
    return 0;
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
