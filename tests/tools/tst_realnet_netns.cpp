// varnix-scan on namespace networks shaped like real lab PCs (tools/lab/netlab.sh): two adapters on one
// subnet, a tun link.

#include "labtest.h"

#include <QtTest>

namespace {
// A camera of the simulator's configuration: Standard unless `advanced`.
QString camera(const char *name, const char *ip, int serial, int status, bool advanced = false) {
    return QString::asprintf(R"({"model":%d,"serial":%d,"status":%d,"ip":"%s","name":"%s",)"
                             R"("mac":"00:0c:9c:00:%02x:%02x"%s})",
                             advanced ? 4 : 19, serial, status, ip, name, serial / 256 % 256, serial % 256,
                             advanced ? R"(,"dialect":"advanced")" : "");
}

// The simulator's configuration of a list of cameras.
QByteArray list(const QStringList &cameras) {
    return "[" + cameras.join(",\n").toUtf8() + "]";
}
} // namespace

class RealNetworks : public QObject {
    Q_OBJECT
    std::unique_ptr<Lab> lab;

private slots:
    void init() { lab = std::make_unique<Lab>(); } // a fresh output directory for each lab

    void twoAdaptersOnOneSubnet() {
        // Both adapters are on 10.77.1.0/24, each with cameras behind it. Every camera is named and polled
        // through its own link, and the camera behind the second link can be moved.
        RUN_LAB(
            *lab,
            {"--link", lab->link("lab0", 1500, "10.77.1.1/24", list({camera("Left", "10.77.1.20", 3, 3)})),
             "--link",
             lab->link(
                 "lab1", 1500, "10.77.1.2/24",
                 list({camera("Right", "10.77.1.30", 4, 2), camera("RightAdv", "10.77.1.40", 5, 0, true)})),
             "--extra-ip", "lab1:10.77.1.31/24"},
            R"(run all --adapter '*ALL*' --json
run move --set-address 10.77.1.30 10.77.1.31 255.255.255.0 --adapter '*ALL*' --json)");
        QCOMPARE(lab->rc("all"), 0);
        QStringList got;
        for (const QJsonValue &c : lab->json("all")["cameras"].toArray())
            got << QString("%1 %2 %3 %4")
                       .arg(c["ip"].toString(), c["name"].toString(), c["adapterIp"].toString(),
                            c["statusText"].toString());
        got.sort();
        QCOMPARE(got, QStringList({"10.77.1.20 Left 10.77.1.1 Waiting for trigger",
                                   "10.77.1.30 Right 10.77.1.2 Live", "10.77.1.40 RightAdv 10.77.1.2 Idle"}));
        // The set-address broadcast left through the second link only, and the camera answers there.
        QCOMPARE(lab->rc("move"), 0);
        const QJsonObject move = lab->json("move");
        QVERIFY(move["answered"].toBool() && move["camera"]["name"] == "Right");
        const QByteArray setAddress = "\"hex\":\"0100081718000000";
        QVERIFY(lab->read("lab1.camlog.jsonl").contains(setAddress));
        QVERIFY(!lab->read("lab0.camlog.jsonl").contains(setAddress));
    }

    void linkWithoutHardwareAddress() {
        // A tun link (no hardware address) with MTU 4000: its camera carries that MTU and is named and
        // polled through it.
        RUN_LAB(*lab,
                {"--tun-link",
                 lab->link("tun0", 4000, "10.90.1.1/24", list({camera("Tunnelled", "10.90.1.20", 6, 2)}))},
                "run tun --adapter tun0 --datagram-size 2920 --json");
        QCOMPARE(lab->rc("tun"), 0);
        const QJsonObject tunnelled = find(lab->json("tun")["cameras"], "ip", "10.90.1.20");
        QVERIFY(tunnelled["name"] == "Tunnelled" && tunnelled["statusText"] == "Live");
        QCOMPARE(tunnelled["adapterMtu"].toInt(), 4000);
        QVERIFY(lab->json("tun")["conflict"].isNull()); // 2920-byte datagrams fit
    }
};

QTEST_GUILESS_MAIN(RealNetworks)
#include "tst_realnet_netns.moc"
