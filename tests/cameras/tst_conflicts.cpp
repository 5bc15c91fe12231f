#include "cameras/conflicts.h"
#include "cameras/udpcammanager.h"
#include "net/udpinterface.h"

#include <QtTest>

namespace {
// Record fields in order: protocol, model, variant, options, serial, firmware (2), IP, mask, MAC low, ...
// adapter MTU (the 16th).
UdpCamInfo cam(quint32 protocol, quint32 ip, quint32 mac, quint32 serial, quint32 mtu) {
    return {protocol, 0, 0, 0, serial, 0, 0, ip, 0, mac, 0, 0, 0, 0, 0, mtu};
}
const quint32 A = 0xC0A80114, B = 0xC0A80115;
// The first conflict in the window's order: camera 0 is checked whole (its datagram size, then its
// pairs) before camera 1's size; Advanced cameras choose their own size; "Optimal" (0) checks none.
const std::tuple<quint32, int, QList<UdpCamInfo>> rows[] = {
    {1448, 0, {cam(0, A, 1, 10, 1500), cam(0, B, 2, 11, 1500)}},
    {1448, 0, {}},
    {0, 0, {cam(0, A, 1, 10, 9000), cam(0, B, 2, 11, 600)}},
    {1448, 1, {cam(0, A, 1, 10, 9000)}},
    {8680, 2, {cam(0, A, 1, 10, 1500)}},
    {1448, 0, {cam(1, A, 1, 10, 9000)}},
    {0, 3, {cam(0, A, 1, 10, 1500), cam(0, A, 1, 11, 1500)}}, // same IP and MAC: an IP conflict
    {0, 4, {cam(0, A, 1, 10, 1500), cam(0, B, 1, 11, 1500)}},
    {0, 5, {cam(1, A, 1, 10, 1500), cam(0, B, 2, 10, 1500)}},
    {1448, 1, {cam(0, A, 1, 10, 9000), cam(0, B, 2, 10, 1500)}},
    {1448, 5, {cam(1, A, 1, 10, 1500), cam(0, B, 2, 10, 9000)}},
    {0, 3, {cam(0, B, 3, 12, 1500), cam(0, A, 1, 10, 1500), cam(0, A, 2, 11, 1500)}}, // from the later side
};
} // namespace

class Conflicts : public QObject {
    Q_OBJECT
private slots:
    void datagramSizesAndTexts() {
        const quint32 sizes[] = {0, 0, 1448, 2920, 4360, 5800, 7240, 8680, 0}; // settings -2 .. 6
        for (int setting = -2; setting <= 6; ++setting)
            QCOMPARE(datagramSizeFor(setting), sizes[setting + 2]);
        for (int code = 0; code <= 6; ++code)
            QCOMPARE(conflictText(code).isEmpty(), code < 1 || code > 5);
    }

    void firstConflict() {
        for (const auto &[size, code, cams] : rows) {
            UdpCamManager manager; // channels put in by hand: nothing is bound or sent
            fill(manager, cams);
            QVERIFY2(
                findCameraConflict(manager, size) == code,
                qPrintable(QString("want %1 from %2 cameras, size %3").arg(code).arg(cams.size()).arg(size)));
        }
    }

    // Every conflict once, with all the cameras in it, keyed by what they share.
    void allConflictsWithTheirCameras() {
        UdpCamManager manager;
        fill(manager, {cam(0, A, 1, 10, 9000), cam(0, B, 2, 10, 1500), cam(1, 0xC0A80116, 3, 10, 1500),
                       cam(0, 0xC0A80117, 4, 20, 1500), cam(0, 0xC0A80117, 5, 21, 1500)});
        QStringList got;
        for (const CameraConflict &c : findCameraConflicts(manager, 1448)) {
            QStringList indices;
            for (int i : c.cameras)
                indices << QString::number(i);
            got << QString("%1 [%2] %3").arg(c.code).arg(indices.join(',')).arg(c.key);
        }
        QCOMPARE(got, QStringList({"1 [0] 1 192.168.1.20", "5 [0,1,2] 5 10", "3 [3,4] 3 192.168.1.23"}));
        QCOMPARE(findCameraConflicts(manager, 0).size(), 2); // "Optimal": no datagram-size conflict
    }

private:
    static void fill(UdpCamManager &manager, const QList<UdpCamInfo> &cams) {
        manager.pollTimer.stop();
        for (const UdpCamInfo &info : cams) {
            manager.cameras.append(new UdpInterface(&manager));
            manager.cameras.last()->camInfo = info;
        }
    }
};

QTEST_GUILESS_MAIN(Conflicts)
#include "tst_conflicts.moc"
