#include "net/camrecord.h"
#include "net/datagrams.h"
#include "net/udpinterface.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QSignalSpy>
#include <QUdpSocket>
#include <QtTest>

namespace {
const quint32 Camera = 0x0A000010;
const quint32 Loopback = 0x7F000001;

QByteArray hex(const char *text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

void put16(QByteArray &d, int at, quint16 v) {
    d[at] = char(v);
    d[at + 1] = char(v >> 8);
}
void put32(QByteArray &d, int at, quint32 v) {
    put16(d, at, quint16(v));
    put16(d, at + 2, quint16(v >> 16));
}

struct Clip {
    quint16 number;
    quint64 frames = 100;
    quint32 first = 0, trimStart = 0, trimEnd = 0;
};

QByteArray entry(const Clip &c, int size) {
    QByteArray e(size, '\0');
    put32(e, 8, quint32(c.frames));
    put32(e, 12, quint32(c.frames >> 32));
    put32(e, 28, 0x447A0000); // 1000.0f
    put16(e, 40, 1280);
    put16(e, 42, 720);
    put16(e, 44, c.number);
    if (size >= 64) {
        put32(e, 48, c.first);
        put32(e, 52, c.trimStart);
        put32(e, 56, c.trimEnd);
    }
    return e;
}

QByteArray clipList(quint16 total, const QList<Clip> &clips, int entrySize = 128) {
    QByteArray d = hex("02 00 CD AB 00 00 00 00 00 00 00 00 00 00 00 00");
    put16(d, 8, total);
    put16(d, 10, quint16(clips.size()));
    for (const Clip &c : clips)
        d += entry(c, entrySize);
    return d;
}

QList<Clip> numbered(std::initializer_list<int> numbers) {
    QList<Clip> out;
    for (int n : numbers)
        out.append(Clip{quint16(n)});
    return out;
}

QList<int> storedNumbers(const UdpInterface &ch) {
    QList<int> out;
    for (const ClipInfo *c : ch.clips)
        out.append(c->clipNumber);
    return out;
}

// A Standard reply: header with byte 0 = 0 and the opcode at byte 3, then the payload.
QByteArray stdReply(quint8 opcode, const QByteArray &payload) {
    QByteArray d = hex("00 00 08 00 00 00 00 00") + payload;
    d[3] = char(opcode);
    put16(d, 4, quint16(d.size()));
    return d;
}

QByteArray advNameReply(const QByteArray &name, quint8 code = 11) {
    QByteArray d = hex("04 00 CD AB 00 00 00 00") + QByteArray(60, '\x55');
    d[4] = char(code);
    return d + name;
}

UdpCamInfo camera(quint32 protocol, quint32 type = 0) {
    UdpCamInfo c;
    c.protocol = protocol;
    c.cameraType = type;
    c.cameraIp = Camera;
    c.adapterIp = 0; // any address: these channels never send
    c.cameraPort = protocol ? 9000 : 1029;
    return c;
}

QList<int> codes(const QSignalSpy &spy) {
    QList<int> out;
    for (const QList<QVariant> &args : spy)
        out.append(args.at(1).toInt());
    return out;
}
} // namespace

class Channel : public QObject {
    Q_OBJECT
private slots:
    void partialClipListIsAnnouncedWhenComplete();
    void sameClipListTwiceIsAnnouncedOnce();
    void clipListShrinksToTotal();
    void emptyTotalClearsClips();
    void trimPositionsBecomeRelative_data();
    void trimPositionsBecomeRelative();
    void shortEntriesAreDecodedAtTheirStride();
    void truncatedClipListIsDropped();
    void clipListNeverExceedsDistinctNumbers();
    void clipIndexOutOfRangeGivesNoClip();

    void standardRepliesUpdateChannel_data();
    void standardRepliesUpdateChannel();
    void optionBitsAccumulate();
    void advancedRepliesUpdateChannel_data();
    void advancedRepliesUpdateChannel();
    void replyFromAnotherAddressIsDropped();
    void inactiveChannelTakesNothing();

    void requestsReachCameraByteForByte();
    void setAddressGoesToSubnetBroadcast();
    void repliesOverLoopbackNotify();
    void shortReplyAfterLongOneShowsNoStaleBytes();
    void busyWaitBlocksForTheGivenTime();
};

void Channel::partialClipListIsAnnouncedWhenComplete() {
    UdpInterface ch;
    ch.setCamera(camera(1), 2);
    QSignalSpy spy(&ch, &UdpInterface::cameraStatusChanged);
    ch.handleDatagram(clipList(3, numbered({0, 1})), Camera);
    QCOMPARE(storedNumbers(ch), QList<int>({0, 1}));
    QCOMPARE(spy.count(), 0);
    ch.handleDatagram(clipList(3, numbered({1, 2})), Camera);
    QCOMPARE(storedNumbers(ch), QList<int>({0, 1, 2}));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 2);
    QCOMPARE(spy.at(0).at(1).toInt(), 4);
}

void Channel::sameClipListTwiceIsAnnouncedOnce() {
    UdpInterface ch;
    ch.setCamera(camera(1), 0);
    QSignalSpy spy(&ch, &UdpInterface::cameraStatusChanged);
    ch.handleDatagram(clipList(2, numbered({5, 9})), Camera);
    ch.handleDatagram(clipList(2, numbered({5, 9})), Camera);
    QCOMPARE(storedNumbers(ch), QList<int>({5, 9}));
    QCOMPARE(codes(spy), QList<int>({4}));
}

void Channel::clipListShrinksToTotal() {
    UdpInterface ch;
    ch.setCamera(camera(1), 0);
    ch.handleDatagram(clipList(3, numbered({0, 1, 2})), Camera);
    QSignalSpy spy(&ch, &UdpInterface::cameraStatusChanged);
    ch.handleDatagram(clipList(2, numbered({})), Camera);
    QCOMPARE(storedNumbers(ch), QList<int>({0, 1}));
    QCOMPARE(codes(spy), QList<int>({4}));
}

void Channel::emptyTotalClearsClips() {
    UdpInterface ch;
    ch.setCamera(camera(1), 0);
    ch.handleDatagram(clipList(3, numbered({0, 1, 2})), Camera);
    QSignalSpy spy(&ch, &UdpInterface::cameraStatusChanged);
    ch.handleDatagram(clipList(0, numbered({7})), Camera);
    QVERIFY(ch.clips.isEmpty());
    QCOMPARE(codes(spy), QList<int>({4}));
    ch.handleDatagram(clipList(0, numbered({})), Camera);
    QCOMPARE(spy.count(), 1); // nothing left to remove, nothing to announce
}

void Channel::trimPositionsBecomeRelative_data() {
    QTest::addColumn<quint32>("cameraType");
    QTest::addColumn<int>("entrySize");
    QTest::addColumn<quint64>("frames");
    QTest::addColumn<quint32>("first");
    QTest::addColumn<quint32>("start");
    QTest::addColumn<quint32>("end");
    QTest::addColumn<quint64>("wantFrames");
    QTest::addColumn<quint32>("wantFirst");
    QTest::addColumn<quint32>("wantStart");
    QTest::addColumn<quint32>("wantEnd");
    QTest::newRow("128: wrapped range")
        << 0u << 128 << quint64(1000) << 900u << 950u << 100u << quint64(1000) << 900u << 50u << 200u;
    QTest::newRow("128: equal ends take the whole clip")
        << 0u << 128 << quint64(1000) << 0u << 10u << 10u << quint64(1000) << 0u << 10u << 999u;
    QTest::newRow("128: start past end of clip")
        << 0u << 128 << quint64(1000) << 0u << 1500u << 1700u << quint64(1000) << 0u << 500u << 700u;
    QTest::newRow("128: no frames counts as one")
        << 0u << 128 << quint64(0) << 5u << 5u << 9u << quint64(1) << 5u << 0u << 0u;
    QTest::newRow("64 for type 55") << 55u << 64 << quint64(1000) << 900u << 950u << 100u << quint64(1000)
                                    << 900u << 50u << 200u;
    QTest::newRow("48 for type 46") << 46u << 48 << quint64(500) << 0u << 0u << 0u << quint64(500) << 0u << 0u
                                    << 499u;
    QTest::newRow("48 for type 47") << 47u << 48 << quint64(1) << 0u << 0u << 0u << quint64(1) << 0u << 0u
                                    << 0u;
}

void Channel::trimPositionsBecomeRelative() {
    QFETCH(quint32, cameraType);
    QFETCH(int, entrySize);
    QFETCH(quint64, frames);
    QFETCH(quint32, first);
    QFETCH(quint32, start);
    QFETCH(quint32, end);
    UdpInterface ch;
    ch.setCamera(camera(1, cameraType), 0);
    QSignalSpy spy(&ch, &UdpInterface::cameraStatusChanged);
    ch.handleDatagram(clipList(1, {Clip{3, frames, first, start, end}}, entrySize), Camera);
    QCOMPARE(codes(spy), QList<int>({4}));
    const ClipInfo *c = ch.clip(0);
    QVERIFY(c);
    QTEST(c->frameCount, "wantFrames");
    QTEST(c->firstFrame, "wantFirst");
    QTEST(c->trimStart, "wantStart");
    QTEST(c->trimEnd, "wantEnd");
    QCOMPARE(c->clipNumber, quint16(3));
    QCOMPARE(c->width, quint16(1280));
    QCOMPARE(c->height, quint16(720));
    QCOMPARE(c->frameRate, 1000.0f);
    QCOMPARE(c->raw.size(), 128);
    QCOMPARE(c->raw.left(entrySize), entry(Clip{3, frames, first, start, end}, entrySize));
    QCOMPARE(c->raw.mid(entrySize), QByteArray(128 - entrySize, '\0'));
}

void Channel::shortEntriesAreDecodedAtTheirStride() {
    UdpInterface ch;
    ch.setCamera(camera(1, 46), 0);
    QList<Clip> clips = numbered({4, 6, 8});
    clips[2].frames = 0x1'0000'0010ull; // 64-bit count: trimEnd comes from its low 32 bits
    ch.handleDatagram(clipList(3, clips, 48), Camera);
    QCOMPARE(storedNumbers(ch), QList<int>({4, 6, 8}));
    QCOMPARE(ch.clip(2)->frameCount, 0x1'0000'0010ull);
    QCOMPARE(ch.clip(2)->trimEnd, 0xFu);

    // A 64-byte camera's list read as 128-byte entries would be too short: wrong stride, no clips.
    UdpInterface wide;
    wide.setCamera(camera(1, 55), 0);
    wide.handleDatagram(clipList(2, numbered({1, 2}), 48), Camera);
    QVERIFY(wide.clips.isEmpty());
}

void Channel::truncatedClipListIsDropped() {
    UdpInterface ch;
    ch.setCamera(camera(1), 0);
    QSignalSpy spy(&ch, &UdpInterface::cameraStatusChanged);
    const QByteArray full = clipList(2, numbered({0, 1}));
    ch.handleDatagram(full.left(full.size() - 1), Camera);
    ch.handleDatagram(full.left(15), Camera);
    QVERIFY(ch.clips.isEmpty());
    QCOMPARE(spy.count(), 0);
    // A truncated "clear" must not wipe the list either.
    ch.handleDatagram(full, Camera);
    QByteArray clear = clipList(0, numbered({0}));
    ch.handleDatagram(clear.left(clear.size() - 1), Camera);
    QCOMPARE(storedNumbers(ch), QList<int>({0, 1}));
}

void Channel::clipListNeverExceedsDistinctNumbers() {
    UdpInterface ch;
    ch.setCamera(camera(1, 46), 0);
    QList<Clip> low, high;
    for (int n = 0; n < 65535; ++n) {
        low.append(Clip{quint16(n)});
        high.append(Clip{quint16(n + 1)});
    }
    const QByteArray a = clipList(65535, low, 48);
    const QByteArray b = clipList(65535, high, 48);
    ch.handleDatagram(a, Camera);
    QCOMPARE(ch.clips.size(), 65535);
    for (int round = 0; round < 3; ++round) {
        ch.handleDatagram(b, Camera);
        QVERIFY(ch.clips.size() <= 65536);
        ch.handleDatagram(a, Camera);
        QVERIFY(ch.clips.size() <= 65536);
    }
    // A camera repeating a short list does not grow it.
    UdpInterface small;
    small.setCamera(camera(1), 0);
    for (int i = 0; i < 100; ++i)
        small.handleDatagram(clipList(50, numbered({1, 2, 3})), Camera);
    QCOMPARE(small.clips.size(), 3);
}

void Channel::clipIndexOutOfRangeGivesNoClip() {
    UdpInterface ch;
    QVERIFY(!ch.clip(0));
    ch.setCamera(camera(1), 0);
    ch.handleDatagram(clipList(2, numbered({0, 1})), Camera);
    QCOMPARE(ch.clip(1), ch.clips.at(1));
    QVERIFY(!ch.clip(2));
    QVERIFY(!ch.clip(-1));
}

void Channel::standardRepliesUpdateChannel_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("code"); // -1: dropped
    QTest::addColumn<QString>("name");
    QTest::addColumn<quint32>("status");
    QTest::addColumn<quint32>("options");
    QTest::newRow("name up to NUL") << stdReply(2, QByteArray("Bay 3\0junk", 10)) << 0 << "Bay 3" << 0u << 0u;
    QTest::newRow("name to the end") << stdReply(2, "Bay 4") << 0 << "Bay 4" << 0u << 0u;
    QTest::newRow("empty name") << stdReply(2, {}) << 0 << "" << 0u << 0u;
    QTest::newRow("latin-1 name") << stdReply(2, "K\xF6ln") << 0 << QString::fromLatin1("K\xF6ln") << 0u
                                  << 0u;
    QTest::newRow("status 3") << stdReply(14, hex("AA BB CC DD 03 00 00 00")) << 1 << "" << 3u << 0u;
    QTest::newRow("status high bytes")
        << stdReply(14, hex("00 00 00 00 0B 00 01 00")) << 1 << "" << 0x1000Bu << 0u;
    QTest::newRow("status 15 bytes") << stdReply(14, hex("00 00 00 00 03 00 00")) << -1 << "" << 0u << 0u;
    QTest::newRow("readings") << stdReply(39, hex("01 02 03 04")) << 2 << "" << 0u << 0u;
    QTest::newRow("options WK") << stdReply(210, hex("00 00 00 00 00 00 4B 57")) << 3 << "" << 0u << 0x8u;
    QTest::newRow("options Gx adds nothing")
        << stdReply(210, hex("00 00 00 00 00 00 78 47")) << 3 << "" << 0u << 0u;
    QTest::newRow("options 15 bytes") << stdReply(210, hex("00 00 00 00 00 00 4B")) << -1 << "" << 0u << 0u;
    QTest::newRow("unknown opcode") << stdReply(23, hex("00 00 00 00 03 00 00 00")) << -1 << "" << 0u << 0u;
    QTest::newRow("three bytes") << hex("00 00 08") << -1 << "" << 0u << 0u;
    QTest::newRow("advanced clip list") << clipList(1, numbered({0})) << -1 << "" << 0u << 0u;
}

void Channel::standardRepliesUpdateChannel() {
    QFETCH(QByteArray, reply);
    QFETCH(int, code);
    UdpInterface ch;
    ch.setCamera(camera(0), 7);
    QSignalSpy spy(&ch, &UdpInterface::cameraStatusChanged);
    ch.handleDatagram(reply, Camera);
    ch.handleDatagram(reply, Camera); // the same reply notifies again
    QCOMPARE(codes(spy), code < 0 ? QList<int>() : QList<int>({code, code}));
    if (code >= 0) QCOMPARE(spy.at(0).at(0).toInt(), 7);
    QTEST(ch.cameraName, "name");
    QTEST(ch.status, "status");
    QTEST(ch.camInfo.options, "options");
    QVERIFY(ch.clips.isEmpty());
}

void Channel::optionBitsAccumulate() {
    UdpInterface ch;
    ch.setCamera(camera(0), 0);
    ch.handleDatagram(stdReply(210, hex("00 00 00 00 00 00 00 53")), Camera); // 'S'
    ch.handleDatagram(stdReply(210, hex("00 00 00 00 00 00 52 57")), Camera); // 'W' 'R'
    ch.handleDatagram(stdReply(210, hex("00 00 00 00 00 00 00 5A")), Camera); // adds nothing, clears nothing
    QCOMPARE(ch.camInfo.options, 0x4002u);
}

void Channel::advancedRepliesUpdateChannel_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("name") << advNameReply(QByteArray("Rig A\0zz", 8)) << 0 << "Rig A";
    QTest::newRow("name to the end") << advNameReply("Rig B") << 0 << "Rig B";
    QTest::newRow("68 bytes gives empty name") << advNameReply({}) << 0 << "";
    QTest::newRow("other command code") << advNameReply("Rig C", 12) << -1 << "";
    QTest::newRow("command of 4 bytes") << hex("04 00 CD AB") << -1 << "";
    QTest::newRow("standard status") << stdReply(14, hex("00 00 00 00 03 00 00 00")) << -1 << "";
    QTest::newRow("standard name") << stdReply(2, "Std") << -1 << "";
    QTest::newRow("discover reply magic") << hex("06 00 CD AB 0B 00 00 00") + QByteArray(70, 'a') << -1 << "";
}

void Channel::advancedRepliesUpdateChannel() {
    QFETCH(QByteArray, reply);
    QFETCH(int, code);
    UdpInterface ch;
    ch.setCamera(camera(1), 1);
    QSignalSpy spy(&ch, &UdpInterface::cameraStatusChanged);
    ch.handleDatagram(reply, Camera);
    QCOMPARE(codes(spy), code < 0 ? QList<int>() : QList<int>({code}));
    QTEST(ch.cameraName, "name");
    QCOMPARE(ch.status, 0u);
}

void Channel::replyFromAnotherAddressIsDropped() {
    UdpInterface ch;
    ch.setCamera(camera(0), 0);
    QSignalSpy spy(&ch, &UdpInterface::cameraStatusChanged);
    ch.handleDatagram(stdReply(14, hex("00 00 00 00 05 00 00 00")), Camera + 1);
    ch.handleDatagram(stdReply(2, "Impostor"), 0);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(ch.status, 0u);
    QVERIFY(ch.cameraName.isEmpty());
}

void Channel::inactiveChannelTakesNothing() {
    UdpInterface ch;
    ch.camInfo = camera(0);
    QSignalSpy spy(&ch, &UdpInterface::cameraStatusChanged);
    ch.handleDatagram(stdReply(14, hex("00 00 00 00 05 00 00 00")), Camera);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(ch.status, 0u);
}

namespace {
// A scripted camera on loopback that the channel talks to.
struct Peer {
    QUdpSocket socket;
    UdpCamInfo info(quint32 protocol) {
        UdpCamInfo c;
        c.protocol = protocol;
        c.cameraIp = Loopback;
        c.adapterIp = Loopback;
        c.adapterMask = 0xFFFFFFFF;
        c.cameraPort = socket.localPort();
        return c;
    }
    QByteArray receive(QHostAddress *from = nullptr, quint16 *fromPort = nullptr) {
        QElapsedTimer t;
        t.start();
        while (!socket.hasPendingDatagrams() && t.elapsed() < 3000)
            socket.waitForReadyRead(100);
        if (!socket.hasPendingDatagrams()) return QByteArray("<nothing>");
        QByteArray d(int(socket.pendingDatagramSize()), '\0');
        socket.readDatagram(d.data(), d.size(), from, fromPort);
        return d;
    }
};
} // namespace

void Channel::requestsReachCameraByteForByte() {
    Peer peer;
    QVERIFY(peer.socket.bind(QHostAddress(QHostAddress::LocalHost), 0));
    UdpInterface ch;
    ch.setCamera(peer.info(1), 0);
    QVERIFY(ch.localPort() != 0);

    ch.send(opStatus(), false);
    QHostAddress from;
    quint16 fromPort = 0;
    QCOMPARE(peer.receive(&from, &fromPort).toHex(' '), hex("01 00 08 0E 08 00 00 00").toHex(' '));
    QCOMPARE(from, QHostAddress(QHostAddress::LocalHost));
    QCOMPARE(fromPort, ch.localPort()); // replies come back to the port the camera saw

    ch.send(advRegister(ch.localPort()), false);
    QByteArray image = hex("04 00 CD AB 00 02 02 00 00 00 00 00");
    put16(image, 8, ch.localPort());
    QCOMPARE(peer.receive().toHex(' '), image.toHex(' '));

    ch.send(advNameQuery(), false);
    QCOMPARE(peer.receive().toHex(' '), hex("04 00 CD AB 0B 01 02 00 00 00 00 00").toHex(' '));
}

void Channel::setAddressGoesToSubnetBroadcast() {
    // 127.0.0.255 is an ordinary local address on loopback: the "subnet broadcast" of
    // 127.0.0.1/24 is reached without anything leaving the machine.
    Peer peer;
    if (!peer.socket.bind(QHostAddress(QStringLiteral("127.0.0.255")), 0))
        QSKIP("cannot bind 127.0.0.255 on this system");
    UdpCamInfo info = peer.info(0);
    info.adapterMask = 0xFFFFFF00;
    info.cameraIp = 0x7F000005; // whatever the camera's own address
    info.macLow = 0x9C81F2A7;
    info.macHigh = 0x000C;
    UdpInterface ch;
    ch.setCamera(info, 0);
    ch.send(opSetAddress(0x0A010203, 0xFFFFFF00, info.macLow, info.macHigh), true);
    QCOMPARE(peer.receive().toHex(' '),
             hex("01 00 08 17 18 00 00 00 03 02 01 0A 00 FF FF FF A7 F2 81 9C 0C 00 00 00").toHex(' '));
}

void Channel::repliesOverLoopbackNotify() {
    Peer peer;
    QVERIFY(peer.socket.bind(QHostAddress(QHostAddress::LocalHost), 0));
    UdpInterface ch;
    ch.setCamera(peer.info(0), 5);
    QSignalSpy spy(&ch, &UdpInterface::cameraStatusChanged);
    const QHostAddress to(QHostAddress::LocalHost);
    peer.socket.writeDatagram(stdReply(2, QByteArray("North\0", 6)), to, ch.localPort());
    peer.socket.writeDatagram(stdReply(14, hex("00 00 00 00 04 00 00 00")), to, ch.localPort());
    peer.socket.writeDatagram(stdReply(210, hex("00 00 00 00 00 00 00 4C")), to, ch.localPort());
    peer.socket.writeDatagram(stdReply(39, hex("01 02 03 04")), to, ch.localPort());
    QTRY_COMPARE(spy.count(), 4);
    QCOMPARE(codes(spy), QList<int>({0, 1, 3, 2}));
    QCOMPARE(spy.at(3).at(0).toInt(), 5);
    QCOMPARE(ch.cameraName, QStringLiteral("North"));
    QCOMPARE(ch.status, 4u);
    QCOMPARE(ch.camInfo.options, 0x200u);
}

void Channel::shortReplyAfterLongOneShowsNoStaleBytes() {
    Peer peer;
    QVERIFY(peer.socket.bind(QHostAddress(QHostAddress::LocalHost), 0));
    UdpInterface ch;
    ch.setCamera(peer.info(0), 0);
    QSignalSpy spy(&ch, &UdpInterface::cameraStatusChanged);
    const QHostAddress to(QHostAddress::LocalHost);
    peer.socket.writeDatagram(stdReply(2, QByteArray(3000, 'A')), to, ch.localPort());
    peer.socket.writeDatagram(stdReply(14, hex("00 00 00 00 06 00 00 00")), to, ch.localPort());
    QTRY_COMPARE(spy.count(), 2);
    QCOMPARE(ch.cameraName.size(), 3000);

    // Each would read the earlier datagram's bytes if decoded from the whole receive buffer.
    peer.socket.writeDatagram(stdReply(2, "B"), to, ch.localPort());
    peer.socket.writeDatagram(stdReply(14, hex("00 00 00 00 09 00")), to, ch.localPort());
    peer.socket.writeDatagram(stdReply(39, {}), to, ch.localPort()); // marks the end
    QTRY_COMPARE(spy.count(), 4);
    QCOMPARE(codes(spy), QList<int>({0, 1, 0, 2}));
    QCOMPARE(ch.cameraName, QStringLiteral("B"));
    QCOMPARE(ch.status, 6u);
}

void Channel::busyWaitBlocksForTheGivenTime() {
    QElapsedTimer t;
    t.start();
    busyWait(120);
    QVERIFY(t.elapsed() >= 120);
    QVERIFY(t.elapsed() < 1000);
}

QTEST_GUILESS_MAIN(Channel)
#include "tst_channel.moc"
