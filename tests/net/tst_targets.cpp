// The addresses asked by unicast beside the broadcast: which entries are refused and why, which
// addresses a range stands for, and how one round of requests to them is paced.
#include "net/addresses.h"
#include "net/targets.h"

#include <QtTest>

class Targets : public QObject {
    Q_OBJECT
private slots:
    void entriesGiveAddressesOrARefusal_data() {
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>(
            "want"); // the addresses (a long list as "count first..last"), or fault entry
        const auto row = [](const char *values, const char *want) {
            QTest::newRow(values) << QString(values).split('|') << QString(want);
        };
        row("10.88.0.5", "10.88.0.5");
        row(" 10.88.0.5, 10.88.0.6,,10.88.0.5 ,", "10.88.0.5 10.88.0.6");
        row("10.88.0.7|10.88.0.5,10.88.0.7", "10.88.0.7 10.88.0.5");
        row("|  ", "");
        row("10.88.0.0/30|10.88.0.6/31|10.88.0.9/32|10.88.0.14/30",
            "10.88.0.1 10.88.0.2 10.88.0.6 10.88.0.7 10.88.0.9 10.88.0.13 10.88.0.14");
        // Alone, x.y.z.0 and x.y.z.255 may be hosts of a subnet wider than /24: refused only in this
        // computer's own subnets (10.77.1.1/24 and 192.168.5.9/23), where they are known not to be.
        row("10.88.0.255,10.88.1.0,192.168.4.255,192.168.5.0",
            "10.88.0.255 10.88.1.0 192.168.4.255 192.168.5.0");
        row("10.77.1.255", "BroadcastAddress 10.77.1.255");
        row("10.77.1.0", "NetworkAddress 10.77.1.0");
        row("192.168.5.255", "BroadcastAddress 192.168.5.255");
        row("192.168.4.0", "NetworkAddress 192.168.4.0");
        row("10.77.1.1/32", "OwnAddress 10.77.1.1/32");
        row("10.90.0.5", "10.90.0.5"); // the peer on a /31 of this computer
        // Ranges leave out this computer's addresses and its subnets' network and broadcast addresses.
        row("10.77.1.0/30,10.77.1.254/31,192.168.5.8/30", "10.77.1.2 10.77.1.254 192.168.5.10");
        row("10.88.0.0/22", "1022 10.88.0.1..10.88.3.254");
        row("10.88.0.0/22,10.88.1.0/24,10.89.0.0/30", "1024 10.88.0.1..10.89.0.2");
        row("10.88.0.0/22|10.89.0.0/30,10.89.0.9", "TooManyAddresses 10.89.0.9");
        row("10.88.0.0/21", "RangeTooLarge 10.88.0.0/21");
        row("10.88.0.0/0", "RangeTooLarge 10.88.0.0/0");
        for (const char *bad :
             {"10.88.0.0/33", "10.88.0.0/", "10.88.0.0/2a", "10.88.0.0/+4", "10.88.0.0/024"})
            row(bad, qPrintable(QString("BadPrefix ") + bad));
        for (const char *bad :
             {"/24", "10.88.0", "10.88.0.256", "10.88.0.1 /24", "10.88.0.1.2", "10.88.0.-1"})
            row(bad, qPrintable(QString("Unreadable ") + bad));
        row("0.0.0.0", "ThisNetwork 0.0.0.0");
        row("0.1.2.0/24", "ThisNetwork 0.1.2.0/24");
        row("255.255.255.255", "AllOnes 255.255.255.255");
        row("127.0.0.0/24", "Loopback 127.0.0.0/24");
        row("10.88.0.5,224.0.0.1", "Multicast 224.0.0.1");
        row("239.255.255.255", "Multicast 239.255.255.255");
        row("240.0.0.1", "Reserved 240.0.0.1");
        row("255.255.255.0/24", "Reserved 255.255.255.0/24");
    }
    void entriesGiveAddressesOrARefusal() {
        QFETCH(QStringList, values);
        QFETCH(QString, want);
        static const char *const faults[] = {
            "",          "Unreadable", "BadPrefix", "RangeTooLarge", "TooManyAddresses", "ThisNetwork",
            "AllOnes",   "Loopback",   "Multicast", "Reserved",      "NetworkAddress",   "BroadcastAddress",
            "OwnAddress"};
        const TargetList list = parseTargets(
            values, {{0x0A4D0101, 0xFFFFFF00}, {0xC0A80509, 0xFFFFFE00}, {0x0A5A0004, 0xFFFFFFFE}});
        QStringList got;
        for (const quint32 a : list.addresses)
            got << ipToText(a);
        if (got.size() > 9) got = QStringList{QString::number(got.size()), got.first() + ".." + got.last()};
        if (list.fault != TargetFault::None) got = QStringList{faults[int(list.fault)], list.entry} + got;
        QCOMPARE(got.join(' '), want);
    }

    void everyRefusalHasItsOwnReason() {
        QSet<QString> reasons;
        for (int f = int(TargetFault::Unreadable); f <= int(TargetFault::OwnAddress); ++f)
            reasons.insert(targetRefusalText(TargetFault(f)));
        QVERIFY(!targetRefusalText(TargetFault::None) && reasons.size() == 12 &&
                !reasons.contains(QString()));
    }

    void aRoundIsPacedInBatches() {
        // Each address once, in order, in batches of at most 32 every 5 ms: 1024 addresses within 250 ms.
        for (const auto &[count, want] :
             {std::pair{0, ""}, {1, "0:0+1"}, {32, "0:0+32"}, {33, "0:0+32 5:32+1"}}) {
            QStringList got;
            for (const TargetBatch &b : targetRoundSchedule(count))
                got << QString("%1:%2+%3").arg(b.atMs).arg(b.first).arg(b.count);
            QCOMPARE(got.join(' '), QString(want));
        }
        const QList<TargetBatch> full = targetRoundSchedule(MaxTargets);
        int next = 0;
        for (int i = 0; i < full.size(); next += full[i++].count)
            QVERIFY(full[i].first == next && full[i].count == 32 && full[i].atMs == 5 * i);
        QVERIFY(next == MaxTargets && full.last().atMs <= 250);
    }
};

QTEST_GUILESS_MAIN(Targets)
#include "tst_targets.moc"
