// A router between the adapter's segment and a camera subnet (tools/lab/netlab.sh --router): the
// broadcast stays on the segment, the route look-up sends the far cameras through the gateway, and a
// simulated camera answers the discovery requests sent to its own address, as a camera does.
#include "labtest.h"

#include <QtTest>

namespace {
const char *const near =
    R"([{"model": 19, "serial": 42, "mac": "00:0c:9c:00:01:20", "ip": "10.77.1.20", "name": "Near"}])";
const char *const far = R"([{"model": 19, "serial": 43, "mac": "00:0c:9c:00:02:05", "ip": "10.88.0.5", "name":
  "Far-5"}, {"dialect": "advanced", "model": 4, "serial": 44, "mac": "00:0c:9c:00:02:06", "ip": "10.88.0.6", "name":
  "Far-6"}])";
// Both Standard requests and the Advanced one to each address in turn; who answered, in which dialect.
const char *const ask = R"(import socket, struct, sys
s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("0.0.0.0", 0)); s.settimeout(0.5)
standard, advanced = bytes.fromhex("0100080108000000"), struct.pack("<IHH", 0xABCD0007, s.getsockname()[1], 0)
for to in sys.argv[1:]:
    [s.sendto(request, (to, port)) for request, port in ((standard, 1028), (standard, 1029), (advanced, 45611))]
    got = []
    try:
        while True: d, a = s.recvfrom(2048); got.append(a[0] + (" advanced" if d[:2] == b"\x06\x00" else " standard"))
    except socket.timeout: print(to + ": " + ", ".join(sorted(got)))
)";
} // namespace

class RouterNetns : public QObject {
    Q_OBJECT
    Lab lab;

private slots:
    void camerasBehindTheRouter() {
        QVERIFY(Lab::write(lab.file("ask.py"), ask) && Lab::write(lab.file("far.json"), far));
        RUN_LAB(
            lab,
            {"--link", lab.link("lab0", 1500, "10.77.1.1/24", near), "--router",
             "lab0:10.77.1.254/24:10.88.0.1/28:" + lab.file("far.json")},
            QString(
                "run plain --adapter lab0 --json\n%1 10.77.1.20 10.88.0.6 10.99.0.1 >route.out\n"
                "python3 ask.py 10.88.0.5 10.88.0.6 10.77.1.20 >ask.out\n"
                "s=$(date +%s%N); run far --adapter lab0 --target 10.88.0.0/28,10.77.1.20 --json\n"
                "echo $((($(date +%s%N) - s) / 1000000)) >far.ms\n"
                "run move --set-address 10.88.0.5 10.88.0.9 255.255.255.0 --adapter lab0 --target 10.88.0.5\n"
                "run noroute --adapter lab0 --target 10.88.0.5 --target 10.99.0.0/24")
                .arg(VARNIX_ROUTE_PATH));
        QVERIFY(lab.json("plain")["cameras"].toArray().size() == 1 &&
                find(lab.json("plain")["cameras"], "ip", "10.77.1.20")["serial"] == "00-0000-0042");
        QCOMPARE(lab.read("route.out"),
                 "10.77.1.20 dev lab0 src 10.77.1.1\n10.88.0.6 via 10.77.1.254 dev lab0 "
                 "src 10.77.1.1\n10.99.0.1 no route\n");
        QCOMPARE(lab.read("ask.out"),
                 "10.88.0.5: 10.88.0.5 standard, 10.88.0.5 standard\n10.88.0.6: 10.88.0.6 "
                 "advanced\n10.77.1.20: 10.77.1.20 standard, 10.77.1.20 standard\n");

        // Asked at their addresses, the far cameras are listed, named and with their state, as routed,
        // within the scan's deadline; the near one, asked both ways, is one camera and not routed.
        QStringList far;
        for (const QJsonValue &c : lab.json("far")["cameras"].toArray())
            far << QString("%1 %2 %3 %4")
                       .arg(c["ip"].toString(), c["name"].toString(), c["statusText"].toString())
                       .arg(c["routed"].toBool());
        far.sort(); // in the order their answers came
        QCOMPARE(far.join(", "),
                 QString("10.77.1.20 Near Idle 0, 10.88.0.5 Far-5 Idle 1, 10.88.0.6 Far-6 Idle 1"));
        QVERIFY2(qEnvironmentVariableIsSet("VARNIX_SCAN") || lab.read("far.ms").toInt() < 3500,
                 lab.read("far.ms"));
        // Behind the router each camera still gets its own requests the whole pause apart (the discovery
        // requests go three at a time, as the broadcast's do), and the routed one is given no address.
        QHash<QString, qint64> last;
        for (const QByteArray &line : lab.read("lab0far.camlog.jsonl").split('\n')) {
            const QJsonObject d = QJsonDocument::fromJson(line).object();
            const QString hex = d["hex"].toString();
            if (d.isEmpty() || hex.startsWith("01000801") || hex.startsWith("0700cdab"))
                continue; // discovery
            const qint64 t = qint64(d["t"].toDouble()), gap = t - last.value(d["dst"].toString(), -80);
            QVERIFY2(gap >= 80 && !hex.startsWith("01000817"), line.constData());
            last[d["dst"].toString()] = t;
        }
        QVERIFY(last.size() == 2 && lab.read("move.rc") == "2\n" &&
                lab.read("move.err").contains("through 10.77.1.254"));
        QVERIFY(lab.read("noroute.rc") == "2\n" && lab.read("noroute.err").contains("10.99.0.1: no route"));
    }
};

QTEST_GUILESS_MAIN(RouterNetns)
#include "tst_router_netns.moc"
