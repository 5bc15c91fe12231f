#include "cameras/conflicts.h"
#include "doctor/addressplan.h"
#include "net/addresses.h"
#include "tests/datarows.h"

#include <QtTest>

namespace {
// Record fields in order: protocol, model, variant, options, serial, firmware (2), IP, mask, MAC low and
// high, ..., adapter MTU (the 16th).
UdpCamInfo cam(quint32 protocol, quint32 ip, quint32 mac, quint32 serial, quint32 mtu) {
    return {protocol, 0, 0, 0, serial, 0, 0, ip, 0, mac, 0xC, 0, 0, 0, 0, mtu};
}
const quint32 A = 0xC0A80114, B = 0xC0A80115;
// The position of the camera a conflict or a move names among the records.
int positionOf(const QList<UdpCamInfo> &records, const CameraRef &who) {
    for (int i = 0; i < records.size(); ++i)
        if (cameraRef(records.at(i)) == who) return i;
    return -1;
}
using K = ConflictKind;
// The first conflict in the window's order: camera 0 is checked whole (its datagram size, then its
// pairs) before camera 1's size; "Optimal" (0) checks none.
const std::tuple<quint32, K, QList<UdpCamInfo>> rows[] = {
    {8680, K::DatagramOverMtu, {cam(0, A, 1, 10, 1500)}},
    {0, K::SameMac, {cam(0, A, 1, 10, 1500), cam(0, B, 1, 11, 1500), cam(0, A, 2, 12, 1500)}}, // 0-1 first
    {1448, K::SameSerial, {cam(1, A, 1, 10, 1500), cam(0, B, 2, 10, 9000)}},
    {0, K::SameIp, {cam(0, B, 3, 12, 1500), cam(0, A, 1, 10, 1500), cam(0, A, 2, 11, 1500)}}, // later side
};
// Cameras as "ip mac listed[/adapter/prefix]" (adapter 10.77.1.1/24 unless given), the first address to
// hand out, addresses that answer; moves as "camera>ip/prefix", "camera>-" when the subnet is full.
const struct {
    const char *name, *cameras, *first, *answering, *want;
} plans[] = {
    {"of three at one address the listed one keeps it", "10.77.1.50 1 0,10.77.1.50 2 1,10.77.1.50 3 0",
     "10.77.1.100", "", "0>10.77.1.100/24 2>10.77.1.101/24"},
    {"none listed: the first keeps it", "10.77.1.50 1 0,10.77.1.50 2 0", "10.77.1.100", "",
     "1>10.77.1.100/24"},
    {"outside ones take the adapter's mask and skip cameras",
     "10.88.0.7 1 1/10.77.1.1/24,10.77.1.100 2 1,10.77.1.1 3 1", "10.77.1.100", "",
     "0>10.77.1.101/24 2>10.77.1.102/24"},
    {"a first address outside the subnet starts at its first host", "10.88.0.7 1 1", "192.168.0.5", "",
     "0>10.77.1.2/24"},
    {"answering addresses skipped, then wrapped past broadcast and adapter", "10.88.0.7 1 1,10.88.0.8 2 0",
     "10.77.1.253", "10.77.1.253,10.77.1.2", "0>10.77.1.254/24 1>10.77.1.3/24"},
    {"each adapter its own subnet", "10.88.0.7 1 1/10.5.0.1/16,10.88.0.7 2 1", "10.77.1.9", "",
     "0>10.5.0.2/16 1>10.77.1.9/24"},
    {"full subnet: no address", "10.77.1.2 1 1/10.77.1.1/30,10.77.1.2 2 0/10.77.1.1/30", "10.77.1.2", "",
     "1>-"},
    {"nothing to move", "10.77.1.20 1 1,10.77.1.21 2 0", "10.77.1.20", "10.77.1.20", ""},
};
} // namespace

class Conflicts : public QObject {
    Q_OBJECT
private slots:
    // Each jumbo setting's size, the cameras' own, and none for a setting not known or past the last
    // one; a kind the window does not warn of has no text.
    void sizesAndTexts() {
        QList<quint32> sizes;
        for (int setting = -1; setting <= 6; ++setting)
            sizes << datagramSizeFor(setting);
        QCOMPARE(sizes, QList<quint32>({0, 1448, 2920, 4360, 5800, 7240, 8680, 0}));
        QVERIFY(conflictText(K::OutsideSubnet).isEmpty() && conflictText(K::None).isEmpty());
    }

    void firstConflict_data() { indexRows(std::size(rows)); }
    void firstConflict() {
        QFETCH(int, index);
        const auto &[size, kind, cams] = rows[index];
        QCOMPARE(int(findCameraConflicts(cams, size).value(0).kind), int(kind));
    }

    // Every conflict once, with all the cameras in it, keyed by what they share; only the first value a
    // pair shares counts (cameras 5 and 6 share both IP and MAC, 6 and 7 only the MAC).
    void allConflictsWithTheirCameras() {
        const QList<UdpCamInfo> cams = {cam(0, A, 1, 10, 9000),          cam(0, B, 2, 10, 1500),
                                        cam(1, 0xC0A80116, 3, 10, 1500), cam(0, 0xC0A80117, 4, 20, 1500),
                                        cam(0, 0xC0A80117, 5, 21, 1500), cam(0, 9, 6, 30, 1500),
                                        cam(0, 9, 6, 31, 1500),          cam(0, 8, 6, 32, 1500)};
        QStringList got;
        for (const CameraConflict &c : findCameraConflicts(cams, 1448)) {
            QStringList indices;
            for (const CameraRef &who : c.cameras)
                indices << QString::number(positionOf(cams, who));
            got << QString::asprintf("%d [%s] %d %llx", int(c.kind), qPrintable(indices.join(',')),
                                     int(c.key.kind), static_cast<unsigned long long>(c.key.value));
        }
        QCOMPARE(got, QStringList({"1 [0] 1 c0a80114", "5 [0,1,2] 5 a", "3 [3,4] 3 c0a80117", "3 [5,6] 3 9",
                                   "4 [5,7,6] 4 c00000006"}));
        QCOMPARE(findCameraConflicts(cams, 0).size(), 4); // "Optimal": no datagram-size conflict
        // A camera that reports its adapter's own address is not in that adapter's subnet; one without an
        // address, or found through no address of ours, is not judged, nor is one behind a router.
        const UdpCamInfo own{0, 0, 0, 0, 0, 0, 0, A, 0, 0, 0, 0, A, 0xFFFFFF00};
        UdpCamInfo unset = own, nowhere = own, routed = own;
        unset.cameraIp = nowhere.adapterIp = 0, routed.routedVia = A + 1;
        QCOMPARE(conflictGroups({own}, 0).value(0).kind, K::OutsideSubnet);
        QVERIFY(conflictGroups({unset}, 0).isEmpty() && conflictGroups({nowhere}, 0).isEmpty() &&
                conflictGroups({routed}, 0).isEmpty());
    }

    void addressPlan_data() {
        QTest::addColumn<int>("index");
        for (const auto &plan : plans)
            QTest::newRow(plan.name) << int(&plan - plans);
    }

    void addressPlan() {
        QFETCH(int, index);
        const auto &[name, cameras, first, answering, want] = plans[index];
        QList<CameraSnapshot> planned;
        QList<UdpCamInfo> records;
        for (const QString &text : QString(cameras).split(',')) {
            const QStringList f = text.split(QRegularExpression("[ /]"));
            CameraSnapshot c;
            c.info.cameraIp = ipFromText(f[0]);
            c.info.macLow = f[1].toUInt();
            c.row = f[2] == "1" ? planned.size() : -1;
            c.info.adapterIp = ipFromText(f.value(3, "10.77.1.1"));
            c.info.adapterMask = ~0u << (32 - f.value(4, "24").toInt());
            planned << c, records << c.info;
        }
        QList<quint32> answers, inUse;
        for (const QString &ip : QString(answering).split(',', Qt::SkipEmptyParts))
            answers << ipFromText(ip);
        QStringList got;
        for (const AddressMove &m :
             planAddressesProbed(planned, ipFromText(first), inUse,
                                 [&](quint32 ip, quint32) { return answers.contains(ip); }))
            got << QString("%1>%2")
                       .arg(positionOf(records, m.camera))
                       .arg(m.ip ? ipToText(m.ip) + '/' + QString::number(32 - qCountTrailingZeroBits(m.mask))
                                 : "-");
        QCOMPARE(got.join(' '), QString(want));
    }
};

QTEST_GUILESS_MAIN(Conflicts)
#include "tst_conflicts.moc"
