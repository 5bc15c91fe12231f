#include "net/adapters.h"
#include "platform/adaptersource.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <cstring>

using platform::AdapterRecord;
using platform::MtuRecord;

namespace {

// Hands out whatever the test put in, even when told to fail, so that data from a failed call shows up.
class FakeAdapterSource : public platform::AdapterSource {
public:
    std::vector<AdapterRecord> records;
    std::vector<MtuRecord> mtuEntries;
    bool adaptersOk = true;
    bool mtusOk = true;
    int mtuCalls = 0;

    bool adapters(std::vector<AdapterRecord> &out) override {
        out = records;
        return adaptersOk;
    }
    bool mtus(std::vector<MtuRecord> &out) override {
        ++mtuCalls;
        out = mtuEntries;
        return mtusOk;
    }
};

QByteArray macBytes(const QString &text) {
    return QByteArray::fromHex(text.toLatin1().replace(':', ""));
}

AdapterRecord adapter(const std::string &name, const QString &mac = "00:1b:21:aa:bb:01",
                      const std::string &ip = "192.168.1.2", const std::string &mask = "255.255.255.0") {
    AdapterRecord r;
    r.name = name;
    r.description = "Adapter " + name;
    const QByteArray bytes = macBytes(mac);
    std::memcpy(r.mac, bytes.constData(), std::min<size_t>(6, size_t(bytes.size())));
    r.ipText = ip;
    r.maskText = mask;
    return r;
}

MtuRecord mtuEntry(const QString &mac, quint32 mtu) {
    MtuRecord e;
    const QByteArray bytes = macBytes(mac);
    e.macLength = unsigned(bytes.size());
    std::memcpy(e.mac, bytes.constData(), std::min<size_t>(sizeof e.mac, size_t(bytes.size())));
    e.mtu = mtu;
    return e;
}

QString readSys(const QString &name, const QString &file) {
    QFile f("/sys/class/net/" + name + "/" + file);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).trimmed() : QString();
}

} // namespace

class AdapterInventory : public QObject {
    Q_OBJECT

private slots:
    void init() { setAdapterSource(&fake_); }
    void cleanup() {
        setAdapterSource(nullptr);
        fake_ = FakeAdapterSource();
    }

    void adaptersKeepSystemOrderAndFields() {
        fake_.records = {adapter("{B1}", "00:1b:21:aa:bb:0c", "10.0.0.5", "255.0.0.0"),
                         adapter("{A2}", "a4:5e:60:de:ad:01", "192.168.1.10", "255.255.255.0"),
                         adapter("{C3}", "02:00:00:00:00:ff", "172.16.0.1", "255.255.0.0")};
        NetAdapterInfo list[8];
        QCOMPARE(listAdapters(list, 8), 3);
        QCOMPARE(list[0].name, "{B1}");
        QCOMPARE(list[1].name, "{A2}");
        QCOMPARE(list[2].name, "{C3}");
        QCOMPARE(list[1].description, "Adapter {A2}");
        QCOMPARE(list[1].macText, "A4:5E:60:DE:AD:01");
        QCOMPARE(list[0].ip, 0x0A000005u);
        QCOMPARE(list[0].mask, 0xFF000000u);
        QCOMPARE(list[1].ip, 0xC0A8010Au);
        QCOMPARE(list[2].mask, 0xFFFF0000u);
    }

    void descriptionIsCutBeforeFirstSpacedDash_data() {
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("want");
        QTest::newRow("service suffix dropped") << "Ethernet Adapter - Packet Scheduler Miniport"
                                                << "Ethernet Adapter";
        QTest::newRow("cut at the first of several") << "Card - Port 1 - Scheduler"
                                                     << "Card";
        QTest::newRow("no separator kept whole") << "Intel(R) Ethernet I219-LM"
                                                 << "Intel(R) Ethernet I219-LM";
        QTest::newRow("dash without blanks kept") << "Wi-Fi 6 AX201"
                                                  << "Wi-Fi 6 AX201";
        QTest::newRow("separator first leaves nothing") << " - Miniport"
                                                        << "";
    }
    void descriptionIsCutBeforeFirstSpacedDash() {
        QFETCH(QString, description);
        QFETCH(QString, want);
        AdapterRecord r = adapter("n");
        r.description = description.toStdString();
        fake_.records = {r};
        NetAdapterInfo list[1];
        QCOMPARE(listAdapters(list, 1), 1);
        QCOMPARE(QString(list[0].description), want);
    }

    void addressTextsBecomeNumbers_data() {
        QTest::addColumn<QString>("ipText");
        QTest::addColumn<QString>("maskText");
        QTest::addColumn<quint32>("ip");
        QTest::addColumn<quint32>("mask");
        QTest::newRow("usual") << "192.168.1.10"
                               << "255.255.255.0" << 0xC0A8010Au << 0xFFFFFF00u;
        QTest::newRow("adapter without IPv4 reads as 0") << "0.0.0.0"
                                                         << "0.0.0.0" << 0u << 0u;
        QTest::newRow("unparsable address, good mask") << "192.168.1"
                                                       << "255.255.0.0" << 0xFFFFFFFFu << 0xFFFF0000u;
        QTest::newRow("unparsable mask, good address") << "10.1.2.3"
                                                       << "" << 0x0A010203u << 0xFFFFFFFFu;
        QTest::newRow("out of range byte") << "10.0.0.256"
                                           << "x.y.z.w" << 0xFFFFFFFFu << 0xFFFFFFFFu;
    }
    void addressTextsBecomeNumbers() {
        QFETCH(QString, ipText);
        QFETCH(QString, maskText);
        QFETCH(quint32, ip);
        QFETCH(quint32, mask);
        fake_.records = {adapter("n", "00:1b:21:aa:bb:01", ipText.toStdString(), maskText.toStdString())};
        NetAdapterInfo list[1];
        QCOMPARE(listAdapters(list, 1), 1);
        QCOMPARE(list[0].ip, ip);
        QCOMPARE(list[0].mask, mask);
    }

    // adapters: blank-separated hardware addresses in system order; entries: "address=mtu" in the order
    // the system lists its MTUs; want: the MTU each adapter ends up with.
    void mtuFollowsHardwareAddress_data() {
        QTest::addColumn<QString>("adapters");
        QTest::addColumn<QString>("entries");
        QTest::addColumn<QString>("want");
        const QString a = "00:1b:21:aa:bb:0c", b = "a4:5e:60:de:ad:01";
        QTest::newRow("jumbo MTU kept") << a << a + "=9014"
                                        << "9014";
        QTest::newRow("MTU 0 means standard frames") << a << a + "=0"
                                                     << "1500";
        QTest::newRow("MTU all ones means standard frames") << a << a + "=4294967295"
                                                            << "1500";
        QTest::newRow("entries matched whatever their order") << a + " " + b << b + "=9000 " + a + "=1500"
                                                              << "1500 9000";
        QTest::newRow("adapter without entry keeps 0") << a + " " + b << b + "=1500"
                                                       << "0 1500";
        QTest::newRow("entry of an unknown adapter ignored") << a << b + "=9000"
                                                             << "0";
        QTest::newRow("shared address: first adapter gets it, last entry wins")
            << a + " " + a << a + "=1500 " + a + "=9000"
            << "9000 0";
        QTest::newRow("address shorter than six bytes ignored") << a << "00:1b:21:aa:bb=9000"
                                                                << "0";
        QTest::newRow("longer address matched on its first six bytes") << a << a + ":00:00=4000"
                                                                       << "4000";
    }
    void mtuFollowsHardwareAddress() {
        QFETCH(QString, adapters);
        QFETCH(QString, entries);
        QFETCH(QString, want);
        for (const QString &mac : adapters.split(' '))
            fake_.records.push_back(adapter("n", mac));
        for (const QString &entry : entries.split(' ')) {
            const QStringList parts = entry.split('=');
            fake_.mtuEntries.push_back(mtuEntry(parts[0], parts[1].toUInt()));
        }
        NetAdapterInfo list[4];
        const int count = listAdapters(list, 4);
        QStringList got;
        for (int i = 0; i < count; ++i)
            got << QString::number(list[i].mtu);
        QCOMPARE(got.join(' '), want);
    }

    void failedAdapterListGivesNothing() {
        fake_.records = {adapter("stale")};
        fake_.adaptersOk = false;
        NetAdapterInfo list[2];
        QCOMPARE(listAdapters(list, 2), 0);
        QCOMPARE(list[0].name, "");
        QCOMPARE(fake_.mtuCalls, 0);
    }

    void failedMtuListLeavesEveryMtuZero() {
        fake_.records = {adapter("a", "00:1b:21:aa:bb:01"), adapter("b", "00:1b:21:aa:bb:02")};
        fake_.mtuEntries = {mtuEntry("00:1b:21:aa:bb:01", 9000), mtuEntry("00:1b:21:aa:bb:02", 1500)};
        fake_.mtusOk = false;
        NetAdapterInfo list[2];
        QCOMPARE(listAdapters(list, 2), 2);
        QCOMPARE(list[0].mtu, 0u);
        QCOMPARE(list[1].mtu, 0u);
    }

    void maximumCountIsNeverExceeded() {
        for (int i = 0; i < 5; ++i)
            fake_.records.push_back(adapter("n" + std::to_string(i), QString("00:00:00:00:00:0%1").arg(i)));
        fake_.mtuEntries = {mtuEntry("00:00:00:00:00:04", 9000), mtuEntry("00:00:00:00:00:01", 1500)};
        NetAdapterInfo list[4];
        std::strcpy(list[3].name, "untouched");
        QCOMPARE(listAdapters(list, 3), 3);
        QCOMPARE(list[2].name, "n2");
        QCOMPARE(list[3].name, "untouched");
        QCOMPARE(list[1].mtu, 1500u);
        QCOMPARE(listAdapters(list, 0), 0);
        QCOMPARE(listAdapters(list, -1), 0);
        QCOMPARE(listAdapters(nullptr, 4), 0);
    }

    void overlongTextsAreCutAndTerminated() {
        AdapterRecord r = adapter(std::string(300, 'n'));
        r.description = std::string(600, 'd') + " - Miniport";
        r.ipText = std::string(400, '1');
        fake_.records = {r, adapter("second")};
        NetAdapterInfo list[2];
        std::memset(static_cast<void *>(list), 'x', sizeof list);
        QCOMPARE(listAdapters(list, 2), 2);
        QCOMPARE(std::strlen(list[0].name), size_t(255));
        QCOMPARE(QByteArray(list[0].name), QByteArray(255, 'n'));
        QCOMPARE(std::strlen(list[0].description), size_t(255));
        QCOMPARE(list[0].ip, 0xFFFFFFFFu);
        QCOMPARE(list[1].name, "second");
    }

    void mtuForAddress_data() {
        QTest::addColumn<int>("adapters");
        QTest::addColumn<quint32>("ip");
        QTest::addColumn<quint32>("want");
        // Adapter i has address 10.0.0.(i+1) and MTU 9000+i, except that adapter 1 shares adapter 0's
        // address and adapter 2 has no MTU entry.
        QTest::newRow("no adapters gives standard MTU") << 0 << 0x0A000001u << 1500u;
        QTest::newRow("first adapter with the address answers") << 3 << 0x0A000001u << 9000u;
        QTest::newRow("address of no adapter gives standard MTU") << 3 << 0x0A0000FEu << 1500u;
        QTest::newRow("adapter without MTU answers 0") << 3 << 0x0A000003u << 0u;
        QTest::newRow("adapter beyond the 32 looked at is unknown") << 40 << 0x0A000021u << 1500u;
        QTest::newRow("32nd adapter still found") << 40 << 0x0A000020u << 9031u;
    }
    void mtuForAddress() {
        QFETCH(int, adapters);
        QFETCH(quint32, ip);
        QFETCH(quint32, want);
        for (int i = 0; i < adapters; ++i) {
            const QString mac = QString("02:00:00:00:00:%1").arg(i, 2, 16, QChar('0'));
            const int host = i == 1 ? 1 : i + 1;
            fake_.records.push_back(adapter("n", mac, "10.0.0." + std::to_string(host)));
            if (i != 2) fake_.mtuEntries.push_back(mtuEntry(mac, quint32(9000 + i)));
        }
        QCOMPARE(::mtuForAddress(ip), want);
    }

    void nullSourceRestoresTheSystem() {
        fake_.records = {adapter("fake0")};
        setAdapterSource(nullptr);
        std::vector<AdapterRecord> system;
        QVERIFY(platform::systemAdapterSource().adapters(system));
        NetAdapterInfo list[64];
        const int count = listAdapters(list, 64);
        QCOMPARE(size_t(count), std::min<size_t>(system.size(), 64));
        for (int i = 0; i < count; ++i)
            QCOMPARE(list[i].name, system[size_t(i)].name.c_str());
    }

    void systemListSkipsLoopbackAndNamesRealInterfaces() {
        if (!QDir("/sys/class/net").exists()) QSKIP("the interface directory of Linux is not there");
        std::vector<AdapterRecord> records;
        QVERIFY(platform::systemAdapterSource().adapters(records));
        for (const AdapterRecord &r : records) {
            const QString name = QString::fromStdString(r.name);
            QVERIFY2(QDir("/sys/class/net/" + name).exists(), qPrintable(name));
            const uint flags = readSys(name, "flags").toUInt(nullptr, 16);
            QVERIFY2(!(flags & 0x8), qPrintable(name + " is a loopback interface"));
            QVERIFY2(QString::fromStdString(r.description).endsWith(" " + name), r.description.c_str());
        }
    }

    void systemMtuIsTheInterfaceMtu() {
        if (!QDir("/sys/class/net").exists()) QSKIP("the interface directory of Linux is not there");
        setAdapterSource(nullptr);
        NetAdapterInfo list[64];
        const int count = listAdapters(list, 64);
        for (int i = 0; i < count; ++i) {
            const QString address = readSys(list[i].name, "address").toUpper();
            if (address != QString(list[i].macText)) continue; // no hardware address of its own
            bool earlier = false;
            for (int j = 0; j < i; ++j)
                earlier = earlier || qstrcmp(list[j].macText, list[i].macText) == 0;
            if (!earlier) QCOMPARE(list[i].mtu, readSys(list[i].name, "mtu").toUInt());
        }
    }

private:
    FakeAdapterSource fake_;
};

QTEST_GUILESS_MAIN(AdapterInventory)
#include "tst_adapters.moc"
