// The addresses asked by unicast beside the broadcast: which entries are refused and why, which
// addresses a range stands for, and how one round of requests to them is paced.
#include "net/addresses.h"
#include "net/targets.h"

#include <QtTest>

class Targets : public QObject {
    Q_OBJECT
private slots:
    void entriesGiveAddressesOrARefusal() {
        // VALUES=WANT;... VALUES are the values given, split at '|'; WANT the addresses (a long list as
        // "count first..last"), or the fault and the entry refused. This computer has 10.77.1.1/24,
        // 192.168.5.9/23 and 10.90.0.4/31: alone, x.y.z.0 and x.y.z.255 may be hosts of a subnet wider
        // than /24, and are refused only in its own subnets, where they are known not to be; ranges leave
        // out its addresses and its subnets' network and broadcast addresses.
        const QString table =
            "10.88.0.5=10.88.0.5; 10.88.0.5, 10.88.0.6,,10.88.0.5 ,=10.88.0.5 10.88.0.6;|  =;"
            "10.88.0.7|10.88.0.5,10.88.0.7=10.88.0.7 10.88.0.5;"
            "10.88.0.0/30|10.88.0.6/31|10.88.0.9/32|10.88.0.14/30=10.88.0.1 10.88.0.2 10.88.0.6 10.88.0.7 "
            "10.88.0.9 10.88.0.13 10.88.0.14;10.88.0.255,10.88.1.0,192.168.4.255,192.168.5.0,10.90.0.5="
            "10.88.0.255 10.88.1.0 192.168.4.255 192.168.5.0 10.90.0.5;10.77.1.255=BroadcastAddress "
            "10.77.1.255;"
            "10.77.1.0=NetworkAddress 10.77.1.0;192.168.5.255=BroadcastAddress 192.168.5.255;"
            "192.168.4.0=NetworkAddress 192.168.4.0;10.77.1.1/32=OwnAddress 10.77.1.1/32;"
            "10.77.1.0/30,10.77.1.254/31,192.168.5.8/30=10.77.1.2 10.77.1.254 192.168.5.10;"
            "10.88.0.0/22=1022 10.88.0.1..10.88.3.254;10.88.0.0/22,10.88.1.0/24,10.89.0.0/30=1024 "
            "10.88.0.1..10.89.0.2;10.88.0.0/22|10.89.0.0/30,10.89.0.9=TooManyAddresses 10.89.0.9;"
            "10.88.0.0/21=RangeTooLarge 10.88.0.0/21;10.88.0.0/0=RangeTooLarge 10.88.0.0/0;"
            "10.88.0.0/33=BadPrefix 10.88.0.0/33;10.88.0.0/=BadPrefix 10.88.0.0/;10.88.0.0/2a=BadPrefix "
            "10.88.0.0/2a;10.88.0.0/+4=BadPrefix 10.88.0.0/+4;10.88.0.0/024=BadPrefix 10.88.0.0/024;"
            "/24=Unreadable /24;10.88.0=Unreadable 10.88.0;10.88.0.256=Unreadable 10.88.0.256;"
            "10.88.0.1 /24=Unreadable 10.88.0.1 /24;10.88.0.1.2=Unreadable 10.88.0.1.2;10.88.0.-1=Unreadable "
            "10.88.0.-1;0.0.0.0=ThisNetwork 0.0.0.0;0.1.2.0/24=ThisNetwork "
            "0.1.2.0/24;255.255.255.255=AllOnes "
            "255.255.255.255;127.0.0.0/24=Loopback 127.0.0.0/24;10.88.0.5,224.0.0.1=Multicast 224.0.0.1;"
            "239.255.255.255=Multicast 239.255.255.255;240.0.0.1=Reserved "
            "240.0.0.1;255.255.255.0/24=Reserved "
            "255.255.255.0/24";
        static const char *const faults[] = {
            "",          "Unreadable", "BadPrefix", "RangeTooLarge", "TooManyAddresses", "ThisNetwork",
            "AllOnes",   "Loopback",   "Multicast", "Reserved",      "NetworkAddress",   "BroadcastAddress",
            "OwnAddress"};
        for (const QString &row : table.split(';')) {
            const TargetList list =
                parseTargets(row.section('=', 0, 0).split('|'),
                             {{0x0A4D0101, 0xFFFFFF00}, {0xC0A80509, 0xFFFFFE00}, {0x0A5A0004, ~1u}});
            QStringList got;
            for (const quint32 a : list.addresses)
                got << ipToText(a);
            if (got.size() > 9)
                got = QStringList{QString::number(got.size()), got.first() + ".." + got.last()};
            if (list.fault != TargetFault::None) got = QStringList{faults[int(list.fault)], list.entry} + got;
            QVERIFY2(got.join(' ') == row.section('=', 1), qPrintable(row + " gave " + got.join(' ')));
        }
        // Every refusal has its own reason.
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
