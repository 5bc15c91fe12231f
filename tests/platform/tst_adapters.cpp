#include "net/adapters.h"
#include "platform/adaptersource.h"
#include "platform/networkcategory.h"

#include <QtTest>

#include <algorithm>
#include <cstring>

using platform::AdapterRecord;
using platform::MtuRecord;

namespace {
// Hands out whatever the test put in, even when told to fail, so that data from a failed call shows up.
struct FakeSource : platform::AdapterSource {
    std::vector<AdapterRecord> records;
    std::vector<MtuRecord> entries;
    bool adaptersOk = true, mtusOk = true;
    bool adapters(std::vector<AdapterRecord> &out) override { return (out = records), adaptersOk; }
    bool mtus(std::vector<MtuRecord> &out) override { return (out = entries), mtusOk; }
};

AdapterRecord record(const std::string &name, const std::string &description, std::vector<unsigned char> mac,
                     const std::string &ip, const std::string &mask, std::vector<std::string> more = {},
                     std::uint32_t mtu = 0) {
    // Without an MTU given, the record keeps what a source that knows none leaves: the MTU entries decide.
    AdapterRecord r{name, description, {}, ip, mask, std::move(more)};
    std::copy(mac.begin(), mac.end(), r.mac);
    if (mtu) r.mtu = mtu;
    return r;
}

// "name|description|MAC|ip|mask|mtu" for each adapter listed into a buffer of `maximum` records that
// starts out filled with 'x', so that a missing terminator or a record past the maximum shows. The record
// past the maximum carries the hardware address of adapter C, whose MTU must not land there.
QStringList listed(int maximum) {
    std::vector<NetAdapterInfo> list(size_t(maximum) + 1);
    std::memset(static_cast<void *>(list.data()), 'x', list.size() * sizeof(NetAdapterInfo));
    std::strcpy(list[size_t(maximum)].macText, "02:00:00:00:00:03");
    QStringList out;
    for (int i = 0, n = listAdapters(list.data(), maximum); i < n; ++i)
        out << QString::asprintf("%s|%s|%s|%08x|%08x|%u", list[i].name, list[i].description, list[i].macText,
                                 list[i].ip, list[i].mask, list[i].mtu);
    if (list[size_t(maximum)].name[0] != 'x' || list[size_t(maximum)].mtu != 0x78787878u)
        out << "written past the maximum";
    return out;
}
} // namespace

class AdapterInventory : public QObject {
    Q_OBJECT
    FakeSource fake;

private slots:
    void init() { setAdapterSource(&(fake = FakeSource())); }
    void cleanup() { setAdapterSource(nullptr); }

    void adaptersAreListedThroughTheSource() {
        fake.records = {
            record("A", "Card - Port 1 - Scheduler", {0xa4, 0x5e, 0x60, 0xde, 0xad, 1}, "10.0.0.5",
                   "255.0.0.0"),
            record("B", "Wi-Fi 6 AX201", {2, 0, 0, 0, 0, 2}, "192.168.1.10", "255.255.255.0"),
            record("C", "NIC - Packet Scheduler Miniport", {2, 0, 0, 0, 0, 3}, "0.0.0.0", "0.0.0.0"),
            record("D", " - Miniport", {2, 0, 0, 0, 4, 0}, "192.168.1", ""),
            record("E", "", {0xa4, 0x5e, 0x60, 0xde, 0xad, 1}, "10.0.0.6", "255.0.0.0"),
            record("F", "", {2, 0, 0, 0, 0, 6}, "10.0.0.7", "255.0.0.0"),
            // A source that knows an adapter's own MTU: an entry for its hardware address must not
            // replace it.
            record("I", "", {2, 0, 0, 0, 0, 9}, "10.0.0.10", "255.0.0.0", {}, 1280)};
        // Matched by hardware address whatever their order, to the first adapter with it; no MTU at all
        // (0 or all ones) means standard frames; an entry shorter than six bytes is ignored, a longer one
        // matched on its first six.
        fake.entries = {{6, {2, 0, 0, 0, 0, 2}, 0},          {6, {0xa4, 0x5e, 0x60, 0xde, 0xad, 1}, 9000},
                        {6, {2, 0, 0, 0, 0, 3}, 0xFFFFFFFF}, {5, {2, 0, 0, 0, 4, 0}, 7000},
                        {8, {2, 0, 0, 0, 0, 6, 0, 0}, 4000}, {6, {2, 0, 0, 0, 0, 9}, 9000}};
        const QStringList all = {"A|Card|A4:5E:60:DE:AD:01|0a000005|ff000000|9000",
                                 "B|Wi-Fi 6 AX201|02:00:00:00:00:02|c0a8010a|ffffff00|1500",
                                 "C|NIC|02:00:00:00:00:03|00000000|00000000|1500",
                                 "D||02:00:00:00:04:00|ffffffff|ffffffff|0",
                                 "E||A4:5E:60:DE:AD:01|0a000006|ff000000|0",
                                 "F||02:00:00:00:00:06|0a000007|ff000000|4000",
                                 "I||02:00:00:00:00:09|0a00000a|ff000000|1280"};
        QCOMPARE(listed(10), all);
        QCOMPARE(listed(2), all.mid(0, 2));
        QCOMPARE(listAdapters(std::vector<NetAdapterInfo>(1).data(), -1) + listAdapters(nullptr, 4), 0);

        fake.mtusOk = false; // every MTU stays unknown but the adapters' own
        QCOMPARE(listed(10).filter("|0a000005|") + listed(10).filter("|0a00000a|"),
                 QStringList({"A|Card|A4:5E:60:DE:AD:01|0a000005|ff000000|0", all[6]}));
        fake.adaptersOk = false;
        QCOMPARE(listed(8), QStringList());

        // Texts longer than a record's fields are cut and terminated; such an address does not parse.
        fake = FakeSource();
        fake.records = {
            record(std::string(300, 'n'), std::string(600, 'd') + " - M", {}, std::string(400, '1'), "")};
        QCOMPARE(listed(1), QStringList{QString(255, 'n') + '|' + QString(255, 'd') +
                                        "|00:00:00:00:00:00|ffffffff|ffffffff|0"});
    }

    void mtuForAddress() {
        // Adapter i has address 10.0.0.(i+1) and MTU 9000+i; adapter 1 shares adapter 0's address.
        for (unsigned char i = 0; i < 70; ++i) {
            const std::string host = std::to_string(i == 1 ? 1 : i + 1);
            fake.records.push_back(record("n", "", {2, 0, 0, 0, 0, i}, "10.0.0." + host, "255.0.0.0"));
            fake.entries.push_back({6, {2, 0, 0, 0, 0, i}, 9000u + i});
        }
        QCOMPARE(::mtuForAddress(0x0A000001), 9000u); // the first adapter with the address
        QCOMPARE(::mtuForAddress(0x0A00003F), 9062u); // the last adapter an inventory lists
        QCOMPARE(::mtuForAddress(0x0A000040), 1500u); // past those

        // Further addresses (secondary, labelled) belong to their adapter; a first address wins over them.
        fake.records[3].moreIpTexts = {"10.66.4.1", "10.0.0.1"};
        fake.records[0].moreIpTexts = {"10.66.0.1"};
        QVERIFY(::mtuForAddress(0x0A420001) == 9000u && ::mtuForAddress(0x0A420401) == 9003u);
        QCOMPARE(::mtuForAddress(0x0A000001), 9000u);
    }

    // The Network List Manager's answer as recorded on a workstation (ids shortened): the camera link on an
    // unidentified (Public) network, office links Private and one also on the Domain, a network whose
    // category was refused, and a link on both a refused and a Public network.
    void networkCategory_data() {
        QTest::addColumn<QString>("adapter");
        QTest::addColumn<int>("category");
        QTest::addColumn<bool>("up");
        QTest::addColumn<bool>("unread");
        QTest::newRow("public, the id in other letters") << "{6f1c-a001}" << 0 << true << false;
        QTest::newRow("private") << "{0D4E-A002}" << 1 << true << false;
        QTest::newRow("private and domain: the least trusted") << "{9B7A-A003}" << 1 << true << false;
        QTest::newRow("one of its networks refused") << "{1A2B-A004}" << -1 << true << true;
        QTest::newRow("public whatever else is refused") << "{2B3C-A005}" << 0 << true << false;
        QTest::newRow("in no network, the link down") << "{3C4D-A006}" << -1 << false << false;
        QTest::newRow("in no network, the link up") << "{3C4D-A006}" << -1 << true << true;
        QTest::newRow("part of an id") << "{6F1C-A0" << -1 << false << false;
        QTest::newRow("a category Windows does not have") << "{4D5E-A007}" << -1 << true << true;
    }
    void networkCategory() {
        const std::vector<platform::ConnectedNetwork> recorded = {
            {0, {"{6F1C-A001}"}}, {1, {"{0D4E-A002}", "{9B7A-A003}"}},
            {2, {"{9B7A-A003}"}}, {-1, {"{1A2B-A004}", "{2B3C-A005}"}},
            {1, {"{1A2B-A004}"}}, {0, {"{2B3C-A005}"}},
            {3, {"{4D5E-A007}"}}};
        QFETCH(QString, adapter);
        QFETCH(int, category);
        QFETCH(bool, up);
        QFETCH(bool, unread);
        bool refused = !unread; // the call sets it either way
        QCOMPARE(platform::adapterNetworkCategory(recorded, adapter.toStdString(), up, refused), category);
        QCOMPARE(refused, unread);
    }
};

QTEST_GUILESS_MAIN(AdapterInventory)
#include "tst_adapters.moc"
