#include "net/addresses.h"
#include "net/camrecord.h"
#include "net/datagrams.h"

#include <QtTest>

namespace {
QByteArray hex(const char *text) {
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

// 52 bytes: model 10 variant 5, serial 12345, firmware 0x102 / 7, MAC 00:0c:9c:81:f2:a7,
// mask 255.255.255.0; the uninterpreted bytes are filled so that reading them would show.
const char *const StdReply = "00 00 08 01 34 00 00 00  0A 00 00 00  FF FF FF FF  39 30 00 00  02 01 00 00"
                             "07 00 00 00  EE EE  05 00  DD DD DD DD  0C 00 00 00  A7 F2 81 9C"
                             "CC CC CC CC  00 FF FF FF";

// 55 bytes: firmware 0x01020304, serial 777, model 3, MAC 00:0c:9c:81:f2:a7, link byte at 54.
QByteArray advReply(quint8 linkByte = 0x1F) {
    QByteArray d = hex("06 00 CD AB  11 11 11 11 11 11 11 11 11 11 11 11  04 03 02 01  09 03 00 00"
                       "22 22 22 22  03 00  33 33 33 33 33 33  00 0C 9C 81 F2 A7"
                       "44 44 44 44 44 44 44 44 44 44 44 44");
    d.append(char(linkByte));
    return d;
}

const ReceivingAdapter Adapter{0xC0A80102, 0xFFFFFF00, 9000};
} // namespace

class Datagrams : public QObject {
    Q_OBJECT
private slots:
    void requestsAreSentByteForByte_data();
    void requestsAreSentByteForByte();
    void standardModelCodesAreNormalised_data();
    void standardModelCodesAreNormalised();
    void advancedModelNumbersAreTranslated_data();
    void advancedModelNumbersAreTranslated();
    void standardCommandPortFollowsModel_data();
    void standardCommandPortFollowsModel();
    void optionRepliesAddBits_data();
    void optionRepliesAddBits();
    void recordComparisons();
    void cameraInAdapterSubnet_data();
    void cameraInAdapterSubnet();
    void standardReplyBecomesRecord();
    void advancedReplyBecomesRecord();
    void advancedLinkByteMarks10G_data();
    void advancedLinkByteMarks10G();
    void malformedDiscoveryRepliesMakeNoRecord_data();
    void malformedDiscoveryRepliesMakeNoRecord();
    void addressTextParses_data();
    void addressTextParses();
    void addressNumberToText();
    void macAddressText();
    void mtuMismatch_data();
    void mtuMismatch();
};

void Datagrams::requestsAreSentByteForByte_data() {
    QTest::addColumn<QByteArray>("built");
    QTest::addColumn<QByteArray>("image");
    QTest::newRow("discover") << opDiscover() << hex("01 00 08 01 08 00 00 00");
    QTest::newRow("name") << opName() << hex("01 00 08 02 0C 00 00 00 32 00 00 00");
    QTest::newRow("status") << opStatus() << hex("01 00 08 0E 08 00 00 00");
    QTest::newRow("options") << opOptions() << hex("01 00 08 D2 08 00 00 00");
    QTest::newRow("set address 10.1.2.3/24")
        << opSetAddress(0x0A010203, 0xFFFFFF00, 0x9C81F2A7, 0x0000000C)
        << hex("01 00 08 17 18 00 00 00 03 02 01 0A 00 FF FF FF A7 F2 81 9C 0C 00 00 00");
    QTest::newRow("advanced discover from 45056") << advDiscover(45056) << hex("07 00 CD AB 00 B0 00 00");
    QTest::newRow("register from 50000") << advRegister(50000) << hex("04 00 CD AB 00 02 02 00 50 C3 00 00");
    QTest::newRow("register from 65535") << advRegister(65535) << hex("04 00 CD AB 00 02 02 00 FF FF 00 00");
    QTest::newRow("advanced name query") << advNameQuery() << hex("04 00 CD AB 0B 01 02 00 00 00 00 00");
}

void Datagrams::requestsAreSentByteForByte() {
    QFETCH(QByteArray, built);
    QFETCH(QByteArray, image);
    QCOMPARE(built.toHex(' '), image.toHex(' '));
}

void Datagrams::standardModelCodesAreNormalised_data() {
    QTest::addColumn<quint32>("code");
    QTest::addColumn<quint32>("variant");
    QTest::addColumn<quint32>("wantCode");
    QTest::addColumn<quint32>("wantVariant");
    const struct {
        quint32 c, v, wc, wv;
    } rows[] = {
        {10, 0, 10, 0},  {10, 4, 10, 4},  {10, 5, 9, 1},   {10, 6, 9, 2},   {10, 7, 22, 1},  {10, 9, 22, 3},
        {10, 10, 24, 1}, {10, 14, 24, 5}, {19, 0, 19, 0},  {19, 3, 19, 3},  {19, 4, 18, 3},  {19, 5, 23, 1},
        {19, 7, 23, 3},  {19, 8, 25, 1},  {19, 10, 25, 3}, {19, 11, 18, 4}, {19, 12, 25, 4}, {19, 13, 25, 6},
        {27, 3, 27, 3},  {27, 4, 38, 0},  {27, 5, 42, 0},  {27, 6, 43, 0},  {27, 7, 45, 0},  {27, 8, 27, 8},
        {28, 3, 28, 3},  {28, 4, 32, 1},  {28, 7, 32, 4},  {28, 8, 33, 0},  {28, 9, 40, 1},  {28, 11, 40, 3},
        {28, 12, 32, 9}, {30, 5, 30, 5},  {30, 6, 36, 0},  {30, 7, 30, 7},  {31, 4, 31, 4},  {31, 5, 34, 0},
        {31, 6, 35, 0},  {31, 7, 37, 0},  {31, 8, 41, 0},  {31, 9, 44, 0},  {31, 10, 59, 0}, {31, 11, 31, 11},
        {12, 9, 12, 9},  {0, 0, 0, 0},
    };
    for (const auto &r : rows)
        QTest::addRow("%u/%u", r.c, r.v) << r.c << r.v << r.wc << r.wv;
}

void Datagrams::standardModelCodesAreNormalised() {
    QFETCH(quint32, code);
    QFETCH(quint32, variant);
    QFETCH(quint32, wantCode);
    QFETCH(quint32, wantVariant);
    normaliseModelCode(code, variant);
    QCOMPARE(code, wantCode);
    QCOMPARE(variant, wantVariant);
}

void Datagrams::advancedModelNumbersAreTranslated_data() {
    QTest::addColumn<quint32>("reported");
    QTest::addColumn<quint32>("wantCode");
    QTest::addColumn<quint32>("wantVariant");
    const quint32 codes[] = {46, 47, 55, 51, 48, 49, 50, 52, 53, 54, 57};
    for (quint32 r = 0; r <= 10; ++r)
        QTest::addRow("%u", r) << r << codes[r] << (r == 3 ? 10u : 0u);
    QTest::newRow("11 kept") << 11u << 11u << 0u;
    QTest::newRow("12 kept") << 12u << 12u << 0u;
}

void Datagrams::advancedModelNumbersAreTranslated() {
    QFETCH(quint32, reported);
    QFETCH(quint32, wantCode);
    QFETCH(quint32, wantVariant);
    quint32 code = 999, variant = 999; // the reported variant plays no part
    advancedModelCode(reported, code, variant);
    QCOMPARE(code, wantCode);
    QCOMPARE(variant, wantVariant);
}

void Datagrams::standardCommandPortFollowsModel_data() {
    QTest::addColumn<quint32>("type");
    QTest::addColumn<quint32>("port");
    for (quint32 t : {12u, 15u, 17u})
        QTest::addRow("%u", t) << t << 1027u;
    for (quint32 t : {9u, 10u, 11u, 21u, 22u, 24u, 26u})
        QTest::addRow("%u", t) << t << 1028u;
    for (quint32 t : {0u, 8u, 18u, 19u, 20u, 23u, 25u, 27u, 61u})
        QTest::addRow("%u", t) << t << 1029u;
}

void Datagrams::standardCommandPortFollowsModel() {
    QFETCH(quint32, type);
    QFETCH(quint32, port);
    QCOMPARE(standardCameraPort(type), port);
}

void Datagrams::optionRepliesAddBits_data() {
    QTest::addColumn<char>("c1");
    QTest::addColumn<char>("c2");
    QTest::addColumn<quint32>("bits");
    QTest::newRow("WK") << 'W' << 'K' << 0x8u;
    QTest::newRow("WR") << 'W' << 'R' << 0x2u;
    QTest::newRow("WA") << 'W' << 'A' << 0x0u;
    QTest::newRow("S?") << 'S' << 'q' << 0x4000u;
    QTest::newRow("L?") << 'L' << '\0' << 0x200u;
    QTest::newRow("GX upper") << 'G' << 'X' << 0x800u;
    QTest::newRow("Gx lower") << 'G' << 'x' << 0x0u;
    QTest::newRow("w lower") << 'w' << 'K' << 0x0u;
    QTest::newRow("other") << 'Z' << 'K' << 0x0u;
}

void Datagrams::optionRepliesAddBits() {
    QFETCH(char, c1);
    QFETCH(char, c2);
    QFETCH(quint32, bits);
    QCOMPARE(optionBits(quint8(c1), quint8(c2)), bits);
}

void Datagrams::recordComparisons() {
    UdpCamInfo a, b;
    a.cameraIp = b.cameraIp = 0x0A000001;
    a.macLow = b.macLow = 0x11223344;
    a.macHigh = 0x5566;
    b.macHigh = 0x5567;
    a.serialNumber = 7;
    b.serialNumber = 8;
    QVERIFY(sameIp(a, b));
    QVERIFY(!sameMac(a, b)); // the high part counts too
    QVERIFY(!sameSerial(a, b));
    b.macHigh = a.macHigh;
    b.serialNumber = a.serialNumber;
    b.cameraIp = 0x0A000002;
    QVERIFY(!sameIp(a, b));
    QVERIFY(sameMac(a, b));
    QVERIFY(sameSerial(a, b));
}

void Datagrams::cameraInAdapterSubnet_data() {
    QTest::addColumn<quint32>("camera");
    QTest::addColumn<quint32>("adapter");
    QTest::addColumn<quint32>("mask");
    QTest::addColumn<bool>("inside");
    QTest::newRow("same /24") << 0xC0A8010Au << 0xC0A80102u << 0xFFFFFF00u << true;
    QTest::newRow("other /24") << 0xC0A8020Au << 0xC0A80102u << 0xFFFFFF00u << false;
    QTest::newRow("adapter's own address") << 0xC0A80102u << 0xC0A80102u << 0xFFFFFF00u << false;
    QTest::newRow("camera 0") << 0u << 0xC0A80102u << 0u << false;
    QTest::newRow("adapter 0") << 0xC0A8010Au << 0u << 0u << false;
    QTest::newRow("mask 0 matches all") << 0x0A000001u << 0xC0A80102u << 0u << true;
}

void Datagrams::cameraInAdapterSubnet() {
    QFETCH(quint32, camera);
    QFETCH(quint32, adapter);
    QFETCH(quint32, mask);
    QFETCH(bool, inside);
    UdpCamInfo c;
    c.cameraIp = camera;
    c.adapterIp = adapter;
    c.adapterMask = mask;
    QCOMPARE(inAdapterSubnet(c), inside);
}

void Datagrams::standardReplyBecomesRecord() {
    const QByteArray reply = hex(StdReply);
    QCOMPARE(reply.size(), 52);
    UdpCamInfo r;
    QVERIFY(standardRecordFromReply(reply, 0xC0A8010A, Adapter, &r));
    QCOMPARE(r.protocol, 0u);
    QCOMPARE(r.cameraType, 9u); // 10/5 normalised
    QCOMPARE(r.sensorType, 1u);
    QCOMPARE(r.options, 0u);
    QCOMPARE(r.serialNumber, 12345u);
    QCOMPARE(r.firmwareVersion, 0x102u);
    QCOMPARE(r.firmwareRevision, 7u);
    QCOMPARE(r.cameraIp, 0xC0A8010Au);
    QCOMPARE(r.cameraMask, 0xFFFFFF00u);
    QCOMPARE(r.macHigh, 0x000Cu);
    QCOMPARE(r.macLow, 0x9C81F2A7u);
    QCOMPARE(r.cameraPort, 1028u);
    QCOMPARE(r.adapterIp, 0xC0A80102u);
    QCOMPARE(r.adapterMask, 0xFFFFFF00u);
    QCOMPARE(r.adapterMtu, 9000u);
    QCOMPARE(r.reserved, 0u);
    QCOMPARE(r.link10G, 0u);
    QCOMPARE(r.modelQualifier, 0u);

    // Bytes past the layout are not interpreted.
    UdpCamInfo longer;
    QVERIFY(standardRecordFromReply(reply + QByteArray(100, '\xEE'), 0xC0A8010A, Adapter, &longer));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(&longer), sizeof longer),
             QByteArray(reinterpret_cast<const char *>(&r), sizeof r));
}

void Datagrams::advancedReplyBecomesRecord() {
    const QByteArray reply = advReply();
    QCOMPARE(reply.size(), 55);
    UdpCamInfo r;
    QVERIFY(advancedRecordFromReply(reply, 0xC0A8010B, Adapter, &r));
    QCOMPARE(r.protocol, 1u);
    QCOMPARE(r.cameraType, 51u);
    QCOMPARE(r.sensorType, 10u);
    QCOMPARE(r.serialNumber, 777u);
    QCOMPARE(r.firmwareVersion, 0x01020304u);
    QCOMPARE(r.firmwareRevision, 0x01020304u);
    QCOMPARE(r.cameraIp, 0xC0A8010Bu);
    QCOMPARE(r.cameraMask, 0xFFFFFF00u); // the adapter's: the reply carries none
    QCOMPARE(r.macHigh, 0x0000000Cu);
    QCOMPARE(r.macLow, 0x9C81F2A7u);
    QCOMPARE(r.cameraPort, 9000u);
    QCOMPARE(r.adapterIp, 0xC0A80102u);
    QCOMPARE(r.adapterMtu, 9000u);
    QCOMPARE(r.link10G, 1u);
    QCOMPARE(r.options, 0u);

    // High MAC bytes are taken unsigned.
    QByteArray highMac = reply;
    highMac.replace(36, 6, hex("FE DC BA 98 76 54"));
    QVERIFY(advancedRecordFromReply(highMac, 0xC0A8010B, Adapter, &r));
    QCOMPARE(r.macHigh, 0xFEDCu);
    QCOMPARE(r.macLow, 0xBA987654u);
}

void Datagrams::advancedLinkByteMarks10G_data() {
    QTest::addColumn<quint8>("link");
    QTest::addColumn<quint32>("tenGig");
    QTest::newRow("0x1F") << quint8(0x1F) << 1u;
    QTest::newRow("0x90") << quint8(0x90) << 1u;
    QTest::newRow("0x10") << quint8(0x10) << 1u;
    QTest::newRow("0x30") << quint8(0x30) << 0u;
    QTest::newRow("0x00") << quint8(0x00) << 0u;
    QTest::newRow("0x7F") << quint8(0x7F) << 0u;
}

void Datagrams::advancedLinkByteMarks10G() {
    QFETCH(quint8, link);
    QFETCH(quint32, tenGig);
    UdpCamInfo r;
    QVERIFY(advancedRecordFromReply(advReply(link), 1, Adapter, &r));
    QCOMPARE(r.link10G, tenGig);
}

void Datagrams::malformedDiscoveryRepliesMakeNoRecord_data() {
    QTest::addColumn<bool>("advanced");
    QTest::addColumn<QByteArray>("reply");
    QByteArray request = hex(StdReply);
    request[0] = 1;
    QByteArray wrongMagic = advReply();
    wrongMagic[0] = 0x07;
    QTest::newRow("standard 51 bytes") << false << hex(StdReply).left(51);
    QTest::newRow("standard empty") << false << QByteArray();
    QTest::newRow("standard byte 0 is 1") << false << request;
    QTest::newRow("advanced 54 bytes") << true << advReply().left(54);
    QTest::newRow("advanced 4 bytes") << true << advReply().left(4);
    QTest::newRow("advanced wrong magic") << true << wrongMagic;
    QTest::newRow("advanced discover request") << true << hex("07 00 CD AB 00 B0 00 00");
}

void Datagrams::malformedDiscoveryRepliesMakeNoRecord() {
    QFETCH(bool, advanced);
    QFETCH(QByteArray, reply);
    UdpCamInfo r;
    r.serialNumber = 4242;
    const bool made = advanced ? advancedRecordFromReply(reply, 1, Adapter, &r)
                               : standardRecordFromReply(reply, 1, Adapter, &r);
    QVERIFY(!made);
    QCOMPARE(r.serialNumber, 4242u); // left untouched
    QCOMPARE(r.cameraIp, 0u);
}

void Datagrams::addressTextParses_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("parses");
    QTest::addColumn<quint32>("ip");
    QTest::newRow("plain") << "192.168.1.10" << true << 0xC0A8010Au;
    QTest::newRow("leading blank") << " 192.168.1.10" << true << 0xC0A8010Au;
    QTest::newRow("blank in a field") << "192. 168.\t1.10" << true << 0xC0A8010Au;
    QTest::newRow("bracket and port") << "192.168.1.10]:80" << true << 0xC0A8010Au;
    QTest::newRow("fifth field ignored") << "1.2.3.4.5" << true << 0x01020304u;
    QTest::newRow("trailing junk in a field") << "1.2.3.4x" << true << 0x01020304u;
    QTest::newRow("plus sign") << "+1.2.3.4" << true << 0x01020304u;
    QTest::newRow("minus zero") << "-0.2.3.4" << true << 0x00020304u;
    QTest::newRow("broadcast") << "255.255.255.255" << true << 0xFFFFFFFFu;
    QTest::newRow("zero") << "0.0.0.0" << true << 0u;
    QTest::newRow("three fields") << "1.2.3" << false << 0xFFFFFFFFu;
    QTest::newRow("256") << "192.168.1.256" << false << 0xFFFFFFFFu;
    QTest::newRow("huge field") << "99999999999999999999.1.1.1" << false << 0xFFFFFFFFu;
    QTest::newRow("minus one") << "192.168.-1.1" << false << 0xFFFFFFFFu;
    QTest::newRow("letters") << "a.b.c.d" << false << 0xFFFFFFFFu;
    QTest::newRow("empty") << "" << false << 0xFFFFFFFFu;
    QTest::newRow("empty field") << "1..3.4" << false << 0xFFFFFFFFu;
    QTest::newRow("bracket too early") << "1.2]3.4" << false << 0xFFFFFFFFu;
    QTest::newRow("254 bytes") << QString("1.2.3.4") + QString(247, 'x') << true << 0x01020304u;
    QTest::newRow("255 bytes") << QString("1.2.3.4") + QString(248, 'x') << false << 0xFFFFFFFFu;
}

void Datagrams::addressTextParses() {
    QFETCH(QString, text);
    QFETCH(bool, parses);
    QFETCH(quint32, ip);
    QCOMPARE(ipFromText(text), ip);
    quint32 out = 0x12345678;
    QCOMPARE(parseIp(text, &out), parses);
    if (parses) QCOMPARE(out, ip);
}

void Datagrams::addressNumberToText() {
    QCOMPARE(ipToText(0xC0A8010A), QStringLiteral("192.168.1.10"));
    QCOMPARE(ipToText(0), QStringLiteral("0.0.0.0"));
    QCOMPARE(ipToText(0xFFFFFFFF), QStringLiteral("255.255.255.255"));
    QCOMPARE(ipFromText(ipToText(0x0A00FF01)), 0x0A00FF01u);
}

void Datagrams::macAddressText() {
    QCOMPARE(macToText(0x9C81F2A7, 0x000C), QStringLiteral("00:0c:9c:81:f2:a7"));
    QCOMPARE(macToText(0xFFFFFFFF, 0xFFFFFFFF), QStringLiteral("ff:ff:ff:ff:ff:ff")); // upper bits ignored
    QCOMPARE(macToText(0, 0), QStringLiteral("00:00:00:00:00:00"));
}

void Datagrams::mtuMismatch_data() {
    QTest::addColumn<quint32>("size");
    QTest::addColumn<quint32>("mtu");
    QTest::addColumn<int>("result");
    QTest::newRow("1448 on jumbo adapter") << 1448u << 9000u << 1;
    QTest::newRow("1448 on 1551") << 1448u << 1551u << 1;
    QTest::newRow("1448 on 1550") << 1448u << 1550u << 0;
    QTest::newRow("1448 on 1500") << 1448u << 1500u << 0;
    QTest::newRow("1448 on 1400") << 1448u << 1400u << 2;
    QTest::newRow("2920 on 1500") << 2920u << 1500u << 2;
    QTest::newRow("2920 on 9000") << 2920u << 9000u << 0;
    QTest::newRow("8680 on 8680") << 8680u << 8680u << 0;
    QTest::newRow("1448 on unknown 0") << 1448u << 0u << 2;
}

void Datagrams::mtuMismatch() {
    QFETCH(quint32, size);
    QFETCH(quint32, mtu);
    QFETCH(int, result);
    UdpCamInfo c;
    c.adapterMtu = mtu;
    QCOMPARE(jumboMismatch(c, size), result);
}

QTEST_GUILESS_MAIN(Datagrams)
#include "tst_datagrams.moc"
