#include "net/bytes.h"
#include "net/camrecord.h"
#include "net/datagrams.h"
#include "net/udpinterface.h"
#include "udptest.h"

#include <QSignalSpy>
#include <QtTest>

namespace {
const quint32 Camera = 0x0A000010;

// An AdvClipList datagram: the camera's clip total, the entry count, then one entry per clip number, cut
// to the camera's entry size: 1280x720 at 1000 frames/s, with frames, first frame, trim start and trim end.
QByteArray clipList(int total, const QList<int> &numbers, int size = 128, QList<quint64> f = {100, 0, 0, 0}) {
    QByteArray d =
        ByteWriter().u32(0xABCD0002).u32(0).u16(quint16(total)).u16(quint16(numbers.size())).u32(0).data();
    for (int n : numbers) {
        ByteWriter e; // frames and trim positions are narrowed where the layout wants 32 bits
        e.u32(0).u32(0).u32(quint32(f[0])).u32(f[0] >> 32).u32(0).u32(0).u32(0).u32(0x447A0000).u32(0).u32(0);
        e.u16(1280).u16(720).u16(quint16(n)).u16(0).u32(f[1]).u32(f[2]).u32(f[3]);
        d += e.data().leftJustified(128, '\0').left(size);
    }
    return d;
}

} // namespace

class Channel : public QObject {
    Q_OBJECT
private slots:
    void clipListsMerge_data() {
        QTest::addColumn<quint32>("type");
        QTest::addColumn<QByteArrayList>("datagrams");
        QTest::addColumn<QList<int>>("clips");
        QTest::addColumn<int>("announced");
        const QByteArray two = clipList(2, {0, 1});
        QList<int> low; // 65535 clip numbers from 0; the same list from 1 overlaps all but one of them
        for (int n = 0; n < 65535; ++n)
            low << n;
        // (camera type, datagrams to its channel, the clip numbers it stores, how often it announces them)
        const std::tuple<quint32, QByteArrayList, QList<int>, int> rows[] = {
            {0, {clipList(3, {0, 1}), clipList(3, {1, 2})}, {0, 1, 2}, 1}, // partial, then complete
            {0, {clipList(2, {5, 9}), clipList(2, {5, 9})}, {5, 9}, 1},
            {0, {clipList(3, {4, 4, 5})}, {4, 5}, 0},                  // a number twice in one datagram
            {0, {clipList(3, {0, 1, 2}), clipList(2, {})}, {0, 1}, 2}, // a smaller total
            {0, {clipList(3, {0, 1, 2}), clipList(0, {7}), clipList(0, {})}, {}, 2},
            {0, {two.chopped(1), two.left(15), two, clipList(0, {0}).chopped(1)}, {0, 1}, 1}, // too short
            {46, {clipList(3, {4, 6, 8}, 48)}, {4, 6, 8}, 1},
            {55, {clipList(2, {1, 2}, 48), clipList(2, {1, 2}, 64)}, {1, 2}, 1}, // 64-byte entries wanted
            {46,
             {clipList(65535, low, 48), clipList(65535, low.mid(1) << 65535, 48), clipList(65535, low, 48)},
             low,
             2}};
        int row = 0;
        for (const auto &[type, datagrams, clips, announced] : rows)
            QTest::addRow("%d", row++) << type << datagrams << clips << announced;
    }
    void clipListsMerge() {
        QFETCH(quint32, type);
        QFETCH(QByteArrayList, datagrams);
        QFETCH(QList<int>, clips);
        QFETCH(int, announced);
        UdpInterface ch;
        ch.setCamera(UdpCamInfo{1, type, 0, 0, 0, 0, 0, Camera}, 2);
        QSignalSpy spy(&ch, &UdpInterface::cameraStatusChanged);
        for (const QByteArray &d : datagrams)
            ch.handleDatagram(d, Camera);
        QList<int> numbers;
        for (const ClipInfo *c : ch.clips)
            numbers << c->clipNumber;
        QCOMPARE(numbers, clips);
        QCOMPARE(int(spy.count()), announced);
        QVERIFY(!ch.clip(-1) && !ch.clip(clips.size()));
    }

    void trimPositionsBecomeRelative() {
        // type/entry size/frames/first frame/trim start/trim end=frames/first frame/trim start/trim end
        table<quint64>(
            "0/128/1000/0/10/10=1000/0/10/999 0/128/0/5/5/9=1/5/0/0 55/64/1000/900/100/50=1000/900/200/150 "
            "46/48/500/7/8/9=500/0/0/499 47/48/4294967312/0/0/0=4294967312/0/0/15",
            [](QList<quint64> &v) {
                UdpInterface ch;
                ch.setCamera(UdpCamInfo{1, quint32(v[0]), 0, 0, 0, 0, 0, Camera}, 0);
                const QByteArray d = clipList(1, {3}, int(v[1]), v.mid(2, 4));
                ch.handleDatagram(d, Camera);
                QCOMPARE(ch.clips.size(), 1);
                const ClipInfo *c = ch.clip(0);
                QCOMPARE(c->raw, d.mid(16).leftJustified(128, '\0'));
                v = {c->frameCount, c->firstFrame, c->trimStart, c->trimEnd};
            });
    }

    // A camera on loopback: requests reach it, its replies reach the channel, others' do not.
    void talksToACameraOverLoopback() {
        QUdpSocket peer, impostor, subnet;
        // 127.0.255.255 is an ordinary loopback address: the subnet broadcast of 127.0.0.1/16 stays local.
        QVERIFY(peer.bind(QHostAddress("127.0.0.1"), 0) && impostor.bind(QHostAddress("127.0.0.2"), 0) &&
                subnet.bind(QHostAddress("127.0.255.255"), peer.localPort()));
        const quint32 lo = 0x7F000001;
        UdpInterface ch;
        ch.setCamera(UdpCamInfo{1, 0, 0, 0, 0, 0, 0, lo, 0, 0, 0, peer.localPort(), lo, 0xFFFF0000}, 5);
        QSignalSpy spy(&ch, &UdpInterface::cameraStatusChanged);
        // Replies wait in 4 MiB as far as net.core.rmem_max allows; the kernel reports twice what it grants.
        QFile cap("/proc/sys/net/core/rmem_max");
        if (cap.open(QIODevice::ReadOnly))
            QCOMPARE(ch.port->receiveBufferBytes(),
                     2 * qMin(cap.readAll().trimmed().toLongLong(), 4LL << 20));

        quint16 back = 0;
        ch.send(opStatus(), false);
        QCOMPARE(next(peer, &back), opStatus());
        QCOMPARE(back, ch.localPort()); // where replies come back to
        ch.send(opName(), true);
        QCOMPARE(next(subnet), opName());

        // An Advanced camera's replies: a clip list, then its name.
        const auto reply = [&](const QByteArray &d) { peer.writeDatagram(d, QHostAddress::LocalHost, back); };
        reply(clipList(1, {0}));
        reply(bytes("04 00 CD AB 0C 00 00 00") + QByteArray(60, 'x') + "Rig C"); // other command: dropped
        reply(bytes("00 00 08 0E 10 00 00 00 00 00 00 00 03 00 00 00"));         // Standard status: dropped
        reply(bytes("04 00 CD AB 0B 00 00 00") + QByteArray(60, 'x') + QByteArray("Rig A\0zz", 8));
        QTRY_COMPARE(ch.cameraName, QStringLiteral("Rig A"));

        ch.camInfo.protocol = 0; // the same channel talking to a Standard camera
        reply(bytes("00 00 08 02 12 00 00 00") + QByteArray("North\0junk", 10)); // name up to the NUL
        reply(bytes("00 00 08 0E 0F 00 00 00 AA BB CC DD 03 00 00"));            // short status: dropped
        reply(bytes("00 00 08 0E 10 00 00 00 AA BB CC DD 0B 00 01 00"));         // status 0x1000B
        reply(bytes("00 00 08 D2 0F 00 00 00 00 00 00 00 00 00 52"));            // short options: dropped
        reply(bytes("00 00 08 D2 10 00 00 00 00 00 00 00 00 00 52 57"));         // options 'W' 'R'
        reply(bytes("00 00 08 D2 10 00 00 00 00 00 00 00 00 00 00 53"));         // options 'S' add up
        reply(bytes("00 00 08 17 10 00 00 00 00 00 00 00 05 00 00 00"));         // other opcode: dropped
        reply(bytes("00 00 08"));                                                // too short: dropped
        reply(clipList(2, {1}));                                                 // Advanced: dropped
        // Readings from another address: dropped.
        impostor.writeDatagram(bytes("00 00 08 27 08 00 00 00"), QHostAddress::LocalHost, back);
        reply(bytes("00 00 08 27 0C 00 00 00 01 02 03 04")); // readings
        // Each would read the long datagram's bytes if decoded from the whole receive buffer.
        // A name without its NUL ends where no camera's name field reaches.
        reply(bytes("00 00 08 02 00 00 00 00") + QByteArray(5000, 'A'));
        QTRY_COMPARE(ch.cameraName, QString(64, 'A'));
        reply(bytes("00 00 08 02 09 00 00 00 F6")); // a Latin-1 name
        reply(bytes("00 00 08 0E 0E 00 00 00 00 00 00 00 09 00"));
        reply(bytes("00 00 08 27 08 00 00 00"));
        QTRY_COMPARE(spy.count(), 10);
        QList<int> changes; // all from channel 5
        for (const QVariantList &args : spy)
            changes << (args[0].toInt() == 5 ? args[1].toInt() : -1);
        using C = UdpInterface;
        QCOMPARE(changes, (QList<int>{C::ClipsChanged, C::NameChanged, C::NameChanged, C::StatusChanged,
                                      C::OptionsChanged, C::OptionsChanged, C::ReadingsArrived,
                                      C::NameChanged, C::NameChanged, C::ReadingsArrived}));
        QCOMPARE(QString("%1 %2 %3").arg(ch.cameraName).arg(ch.status, 0, 16).arg(ch.camInfo.options, 0, 16),
                 QString::fromLatin1("\xF6 1000b 4002"));
    }

    // Hundreds of cameras are opened at once; each channel's replies must come to a port of its own.
    void channelsNeverShareAPort() {
        UdpInterface channels[500];
        QSet<quint16> ports;
        for (UdpInterface &c : channels) {
            c.setCamera(UdpCamInfo{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x7F000001, 0xFF000000}, 0);
            ports.insert(c.localPort());
        }
        QCOMPARE(ports.size(), 500);
    }
};

QTEST_GUILESS_MAIN(Channel)
#include "tst_channel.moc"
