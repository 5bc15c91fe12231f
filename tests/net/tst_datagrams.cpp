#include "net/addresses.h"
#include "net/bytes.h"
#include "net/camrecord.h"
#include "net/datagrams.h"
#include "udptest.h"

#include <QtTest>

namespace {
// 52 bytes: model 10 variant 5, serial 12345, firmware 0x102 / 7, MAC 00:0c:9c:81:f2:a7, mask /24; the
// uninterpreted bytes are filled so that reading them would show.
const QByteArray StdReply = bytes("00 00 08 01 34 00 00 00 0A 00 00 00 FF FF FF FF 39 30 00 00 02 01 00 00"
                                  "07 00 00 00 EE EE 05 00 DD DD DD DD 0C 00 00 00 A7 F2 81 9C CC CC CC CC"
                                  "00 FF FF FF");
// 55 bytes: firmware 0x01020304, serial 777, model 3, MAC 00:0c:9c:81:f2:a7, link byte 0x1F at 54.
const QByteArray AdvReply = bytes("06 00 CD AB 11 11 11 11 11 11 11 11 11 11 11 11 04 03 02 01 09 03 00 00"
                                  "22 22 22 22 03 00 33 33 33 33 33 33 00 0C 9C 81 F2 A7 44 44 44 44 44 44"
                                  "44 44 44 44 44 44 1F");
const ReceivingAdapter At{0xC0A80102, 0xFFFFFF00, 9000};

// The record's nineteen fields in declaration order: protocol, cameraType, sensorType, options, serial,
// firmware version, revision, cameraIp, cameraMask, macLow, macHigh, cameraPort, adapterIp, adapterMask,
// reserved, adapterMtu, link10G, modelQualifier, routedVia.
QList<quint32> fields(const UdpCamInfo &c) {
    const auto *p = reinterpret_cast<const quint32 *>(&c);
    return QList<quint32>(p, p + sizeof c / sizeof *p);
}
} // namespace

class Datagrams : public QObject {
    Q_OBJECT
private slots:
    // Each request's bytes name its row.
    void requestsAreSentByteForByte_data() {
        QTest::addColumn<QByteArray>("request");
        QTest::newRow("01 00 08 01 08 00 00 00") << opDiscover();
        QTest::newRow("01 00 08 02 0C 00 00 00 32 00 00 00") << opName();
        QTest::newRow("01 00 08 0E 08 00 00 00") << opStatus();
        QTest::newRow("01 00 08 D2 08 00 00 00") << opOptions();
        QTest::newRow("01 00 08 17 18 00 00 00 03 02 01 0A 00 FF FF FF A7 F2 81 9C 0C 00 00 00")
            << opSetAddress(0x0A010203, 0xFFFFFF00, 0x9C81F2A7, 0x0000000C);
        QTest::newRow("07 00 CD AB 00 B0 00 00") << advDiscover(45056);
        QTest::newRow("04 00 CD AB 00 02 02 00 50 C3 00 00") << advRegister(50000);
        QTest::newRow("04 00 CD AB 0B 01 02 00 00 00 00 00") << advNameQuery();
    }
    void requestsAreSentByteForByte() {
        QFETCH(QByteArray, request);
        QCOMPARE(request.toHex(' ').toUpper(), QByteArray(QTest::currentDataTag()));
    }

    void decodingTables() {
        // Standard: reported code/variant=internal code/variant.
        table("10/4=10/4 10/5=9/1 10/6=9/2 10/7=22/1 10/9=22/3 10/10=24/1 19/3=19/3 19/4=18/3 19/5=23/1 "
              "19/7=23/3 19/8=25/1 19/10=25/3 19/11=18/4 19/12=25/4 19/13=25/6 27/3=27/3 27/4=38/0 27/5=42/0 "
              "27/6=43/0 27/7=45/0 27/8=27/8 28/3=28/3 28/4=32/1 28/7=32/4 28/8=33/0 28/9=40/1 28/11=40/3 "
              "28/12=32/9 30/5=30/5 30/6=36/0 30/7=30/7 31/4=31/4 31/5=34/0 31/6=35/0 31/7=37/0 31/8=41/0 "
              "31/9=44/0 31/10=59/0 31/11=31/11 12/9=12/9 0/0=0/0",
              [](QList<quint32> &v) { normaliseModelCode(v[0], v[1]); });
        // Advanced: reported model number/variant before=internal code/variant.
        table("0/99=46/0 1/99=47/0 2/99=55/0 3/99=51/10 4/99=48/0 5/99=49/0 6/99=50/0 7/99=52/0 8/99=53/0 "
              "9/99=54/0 10/99=57/0 11/99=11/0",
              [](QList<quint32> &v) { advancedModelCode(v[0], v[0], v[1]); });
        // Standard command port by internal code.
        table("8=1029 9=1028 11=1028 12=1027 17=1027 18=1029 21=1028 22=1028 24=1028 26=1028 27=1029",
              [](QList<quint32> &v) { v = {standardCameraPort(v[0])}; });
        // Bytes 15/14 of an option reply=the option bits they add.
        table("W/K=8 W/R=2 W/A=0 S/q=16384 L/q=512 G/X=2048 G/x=0 w/K=0 Z/K=0",
              [](QList<quint32> &v) { v = {optionBits(quint8(v[0]), quint8(v[1]))}; });
        // Datagram size/adapter MTU=0 fits, 1 jumbo adapter for standard datagrams, 2 MTU too small.
        UdpCamInfo c;
        table("1499/9000=1 1500/9000=0 1448/1551=1 1448/1550=0 1448/1400=2 2920/1500=2 8680/8680=0 "
              "8680/8679=2 1448/0=2",
              [&c](QList<quint32> &v) {
                  c.adapterMtu = v[1];
                  v = {quint32(jumboMismatch(c, v[0]))};
              });
    }

    void discoveryRepliesBecomeRecords() {
        UdpCamInfo r;
        QCOMPARE(fields(r).count(0u), 19); // what a channel holds before it is given its camera
        QVERIFY(standardRecordFromReply(StdReply, 0xC0A8010A, At, &r));
        QCOMPARE(fields(r), fields({0, 9, 1, 0, 12345, 0x102, 7, 0xC0A8010A, 0xFFFFFF00, 0x9C81F2A7, 0xC,
                                    1028, 0xC0A80102, 0xFFFFFF00, 0, 9000, 0, 0}));

        QVERIFY(advancedRecordFromReply(AdvReply, 0xC0A8010B, At, &r));
        QCOMPARE(fields(r), fields({1, 51, 10, 0, 777, 0x01020304, 0x01020304, 0xC0A8010B, 0xFFFFFF00,
                                    0x9C81F2A7, 0xC, 9000, 0xC0A80102, 0xFFFFFF00, 0, 9000, 1, 0}));
        QByteArray reply = AdvReply;
        reply.replace(36, 6, bytes("FE DC BA 98 76 54")); // high bytes are taken unsigned
        // The link byte: whether the camera is on a 10 Gb link.
        table("31=1 144=1 16=1 48=0 80=0 0=0 127=0", [&](QList<quint32> &v) {
            reply[54] = char(v[0]);
            v = {advancedRecordFromReply(reply, 1, At, &r) ? r.link10G : 9};
        });
        QCOMPARE((QList<quint32>{r.macHigh, r.macLow}), (QList<quint32>{0xFEDC, 0xBA987654}));
        QVERIFY(sameMac(r, r) && !sameMac(r, UdpCamInfo{0, 0, 0, 0, 0, 0, 0, 0, 0, r.macLow, 0xFEDD}));
        // The text form of a MAC ignores the unused upper bits of its high part; every bit of a byte shows.
        QCOMPARE(macToText(0x9D81F3A7, 0xFFFFFF0D), QStringLiteral("ff:0d:9d:81:f3:a7"));
        QVERIFY(!advancedRecordFromReply(bytes("07") + AdvReply.mid(1), 1, At, &r)); // another magic
    }

    void bytesAreReadAndWrittenOnlyInside() {
        // Text runs to the first NUL or the end, from an offset inside the datagram only.
        const ByteReader r(QByteArray("ab\0cd", 5));
        QByteArray texts; // from -1, 0, 1, 2, 3 and 5
        for (int at : {-1, 0, 1, 2, 3, 5})
            texts += r.cString(at) + '|';
        QCOMPARE(texts, QByteArray("|ab|b||cd||"));
        // Empty at a NUL; at most that many bytes.
        QCOMPARE(ByteReader(QByteArray("\0x", 2)).cString(0) + r.cString(0, 0) + r.cString(0, 1),
                 QByteArray("a"));
        // A view of a longer buffer ends at its own size.
        QCOMPARE(ByteReader(QByteArray::fromRawData("\1\2\3\4", 2)).u32(0), 0x0201u);
    }

    void impossibleSendersAreNoCameras_data() {
        // sender: whether it can be a camera heard on 10.99.3.1/24
        QTest::addColumn<bool>("can");
        const QPair<const char *, bool> rows[] = {
            {"10.99.3.20", true}, {"10.99.4.7", true},  {"192.168.0.255", true}, {"10.99.3.255", false},
            {"10.99.3.0", false}, {"10.99.3.1", false}, {"0.0.0.0", false},      {"255.255.255.255", false},
            {"127.0.0.1", false}, {"224.0.0.1", false}, {"240.0.0.1", false},    {"223.1.1.1", true}};
        for (const auto &[sender, can] : rows)
            QTest::newRow(sender) << can;
    }
    void impossibleSendersAreNoCameras() {
        QFETCH(bool, can);
        QCOMPARE(canBeCameraSource(ipFromText(QTest::currentDataTag()), 0x0A630301, 0xFFFFFF00), can);
        QVERIFY(canBeCameraSource(0x0A000000, 0x0A000001, 0xFFFFFFFE));  // a /31 has no network address
        QVERIFY(!canBeCameraSource(0x0A000002, 0x7F000001, 0xFF000000)); // loopback hears only itself
    }

    void cameraTextIsShownVisibly_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("terminal escape") << QString("a\x1b[31mb") << QString("a\\x1b[31mb");
        QTest::newRow("line breaks, tab") << QString("one\ntwo\r\t") << QString("one\\ntwo\\r\\t");
        QTest::newRow("C0, DEL, C1, a letter")
            << QString("\a\x7f") + QChar(0x9b) + QChar(0xe9) << QString("\\x07\\x7f\\x9b\u00e9");
        QTest::newRow("NUL") << QString(QChar(0)) << QString("\\x00");
    }
    void cameraTextIsShownVisibly() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(visibleText(text), shown);
    }

    void addressTextParses() {
        // text=address[!fault the window's field names]; "-": does not parse, and ipFromText gives
        // 255.255.255.255. The command line's reading takes only the rows marked "strict".
        QStringList wrong; // every row read otherwise
        for (const QString row :
             {" 192. 168.\t1.10=192.168.1.10", "192.168.1.10]:80=192.168.1.10", "1.2.3.4.5=1.2.3.4!fifth",
              "10.99.1.50 . 7=10.99.1.50!fifth", "1.2.3.4.5]:80=1.2.3.4!fifth", "1.2.3.4.=1.2.3.4",
              "1.2.3.4x=1.2.3.4", "+1.2.3.4=1.2.3.4!sign", "-0.2.3.4=0.2.3.4!sign", "10.1.-0.1=10.1.0.1!sign",
              "255.255.255.255=255.255.255.255 strict", "010.1.2.3=10.1.2.3 strict", "1.2.3=-",
              "192.168.1.256=-", "1.2.3.2550=-", "99999999999.1.1.1=-", "192.168.-1.1=-", "1..3.4=-",
              "1.2]3.4=-"}) {
            const QString text = row.section('=', 0, 0);
            quint32 ip = 0, strictIp = 0;
            const bool parses = parseIp(text, &ip);
            const IpTextFault fault = ipTextFault(text);
            const QString seen = text + '=' + (parses ? ipToText(ip) : "-") +
                                 (fault == IpTextFault::Sign          ? "!sign"
                                  : fault == IpTextFault::FifthNumber ? "!fifth"
                                                                      : "") +
                                 (parseStrictIp(text, &strictIp) && strictIp == ip ? " strict" : "");
            if (seen != row || ipFromText(text) != (parses ? ip : 0xFFFFFFFFu) ||
                (fault == IpTextFault::Unreadable) == parses || (!parses && parseStrictIp(text, nullptr)))
                wrong << seen;
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(" | ")));
        QVERIFY(!parseStrictIp(QString::fromUtf8("1.2.3.\u0664"), nullptr)); // a digit of another script
        QVERIFY(parseIp("1.2.3.4" + QString(247, 'x'), nullptr));            // 254 bytes
        QVERIFY(!parseIp("1.2.3.4" + QString(248, 'x'), nullptr));
    }

    void cameraAddressRule() {
        using V = AddressVerdict; // verdict: address/mask ...
        const QPair<V, QString> rows[] = {
            {V::Usable, "192.168.1.10/255.255.255.0 10.1.1.0/255.255.0.0 10.0.0.0/255.255.255.255"},
            {V::Usable, "10.0.0.1/255.255.255.254"}, // a /31 has no broadcast
            {V::MaskZero, "192.168.1.10/0.0.0.0"},
            {V::MaskNotContiguous, "192.168.1.10/255.0.255.0 192.168.1.10/255.255.255.1"},
            {V::MaskNotContiguous, "255.255.255.255/255.0.255.0"}, // the mask is judged first
            {V::AddressZero, "0.0.0.0/255.255.255.0"},
            {V::AddressAllOnes, "255.255.255.255/255.255.255.0"},
            {V::AddressLoopback, "127.0.0.9/255.0.0.0"},
            {V::AddressMulticast, "224.0.0.1/255.255.255.0 239.255.0.1/255.255.255.0"},
            {V::AddressReserved, "240.0.0.1/255.255.255.0"},
            {V::NetworkAddress, "192.168.1.0/255.255.255.0"},
            {V::BroadcastAddress, "192.168.1.255/255.255.255.0 10.0.0.7/255.255.255.252"},
            {V::AdapterAddress, "192.168.1.5/255.255.255.0"}}; // the adapter is 192.168.1.5
        QStringList wrong;                                     // every row judged otherwise
        for (const auto &[verdict, list] : rows) {
            for (const QString &row : list.split(' '))
                if (judgeCameraAddress(ipFromText(row.section('/', 0, 0)), ipFromText(row.section('/', 1)),
                                       0xC0A80105) != verdict)
                    wrong << row;
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(' ')));
        // Cautions warn without refusing, a bit each: adapter 192.168.1.5/24, other cameras at .11 and
        // 10.0.0.3.
        QList<int> cautions;
        for (const char *ip : {"192.168.1.20", "192.168.2.20", "192.168.1.11", "10.0.0.3"})
            cautions << addressCautions(ipFromText(ip), 0xC0A80105, 0xFFFFFF00, {0xC0A8010B, 0x0A000003});
        QCOMPARE(cautions, (QList<int>{0, OutsideAdapterSubnet, UsedByOtherCamera, 3}));
        // Neighbours on the adapter's subnet: camera, adapter, mask. No address or the adapter's own is none.
        const QList<quint32> subnet[] = {{0x0A000002, 0x0A000001, 0xFF000000, 1},
                                         {0x0B000002, 0x0A000001, 0xFF000000, 0},
                                         {0, 0x0A000001, 0, 0},
                                         {0x0A000001, 0x0A000001, 0, 0},
                                         {0x0A000002, 0, 0, 0}};
        for (const QList<quint32> &s : subnet) {
            UdpCamInfo c;
            c.cameraIp = s[0], c.adapterIp = s[1], c.adapterMask = s[2];
            QVERIFY2(inAdapterSubnet(c) == bool(s[3]), qPrintable(ipToText(s[0])));
        }
    }

    // Who a camera is: serial number and MAC where both records know them, its address aside.
    void oneCameraWhateverItsAddress_data() {
        using L = QList<quint32>;
        QTest::addColumn<L>("a"); // serial, MAC low, address
        QTest::addColumn<L>("b");
        QTest::addColumn<bool>("same");
        QTest::newRow("both known, equal") << L{7, 0x9C0001, 1} << L{7, 0x9C0001, 2} << true;
        QTest::newRow("serial differs") << L{7, 0x9C0001, 1} << L{8, 0x9C0001, 1} << false;
        QTest::newRow("MAC differs") << L{7, 0x9C0001, 1} << L{7, 0x9C0002, 1} << false;
        QTest::newRow("serial unknown") << L{0, 0x9C0001, 1} << L{7, 0x9C0001, 1} << true;
        QTest::newRow("MAC unknown") << L{7, 0, 1} << L{7, 0x9C0001, 1} << true;
        QTest::newRow("nothing known") << L{0, 0, 1} << L{0, 0, 1} << false;
    }
    void oneCameraWhateverItsAddress() {
        QFETCH(QList<quint32>, a);
        QFETCH(QList<quint32>, b);
        QFETCH(bool, same);
        const UdpCamInfo x{0, 0, 0, 0, a[0], 0, 0, a[2], 0, a[1]}, y{0, 0, 0, 0, b[0], 0, 0, b[2], 0, b[1]};
        QCOMPARE(sameCamera(x, y), same);
        QCOMPARE(sameCamera(y, x), same);
        QCOMPARE(sameCameraAt(x, y), same && a[2] == b[2]);
        if (same && a[0] && b[0] && a[1] && b[1]) QCOMPARE(cameraIdentity(x), cameraIdentity(y));
    }
};

QTEST_GUILESS_MAIN(Datagrams)
#include "tst_datagrams.moc"
