// varnix-scan on namespace networks shaped like real lab PCs (tools/lab/netlab.sh): a labelled address on a
// factory subnet, two adapters sharing one hardware address, two adapters on one subnet, a lossy link.

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {
QJsonObject find(const QJsonValue &array, const QString &key, const QString &value) {
    for (const QJsonValue &v : array.toArray()) {
        if (v[key].toString() == value) return v.toObject();
    }
    return {};
}

// A camera of the simulator's configuration: Standard unless `advanced`.
QString camera(const char *name, const char *ip, int serial, int status, bool advanced = false) {
    return QString::asprintf(R"({"model":%d,"serial":%d,"status":%d,"ip":"%s","name":"%s",)"
                             R"("mac":"00:0c:9c:00:%02x:%02x"%s})",
                             advanced ? 4 : 19, serial, status, ip, name, serial / 256 % 256, serial % 256,
                             advanced ? R"(,"dialect":"advanced")" : "");
}

// Every run of the driver's `run TAG ARGS...` leaves TAG.out, TAG.err and TAG.rc in $OUT.
const char *const runner = R"(cd "$OUT" || exit 3
run() { local tag=$1; shift; "$SCAN" "$@" >"$tag.out" 2>"$tag.err"; echo $? >"$tag.rc"; }
camns() { for l in $VARNIX_LAB_CAMNS; do [[ ${l%%=*} == "$1" ]] && echo "${l#*=}"; done; }
)";
} // namespace

class RealNetworks : public QObject {
    Q_OBJECT
    QTemporaryDir *out = nullptr;

    QString file(const QString &name) const { return QDir(out->path()).filePath(name); }
    QByteArray read(const QString &name) const {
        QFile f(file(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QJsonObject json(const QString &tag) const {
        return QJsonDocument::fromJson(read(tag + ".out")).object();
    }
    int rc(const QString &tag) const { return read(tag + ".rc").trimmed().toInt(); }

    // Builds the lab with `labArgs` (links named after the camera files written beforehand) and runs
    // `driver` in its app namespace, with a fresh output directory.
    void runLab(const QStringList &labArgs, const QString &driver, int timeoutMs = 120000) {
        QProcess lab;
        QStringList environment = QProcess::systemEnvironment();
        environment << "XDG_CONFIG_HOME=" + file("config") << "OUT=" + out->path()
                    << "SCAN=" VARNIX_SCAN_PATH;
        lab.setEnvironment(environment);
        lab.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        lab.start("bash", QStringList{NETLAB_PATH, "--camsim", VARNIX_CAMSIM_PATH, "--logdir", out->path()} +
                              labArgs + QStringList{"--", "bash", "-c", runner + driver});
        QVERIFY(lab.waitForFinished(timeoutMs));
        if (lab.exitCode() == 77) QSKIP("network namespaces are not available");
        QCOMPARE(lab.exitCode(), 0);
    }
    void writeCameras(const QString &name, const QStringList &cameras) {
        QFile f(file(name + ".json"));
        const QByteArray text = "[" + cameras.join(",\n").toUtf8() + "]";
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text) == text.size());
    }
    QString link(const QString &name, int mtu, const QString &cidr) const {
        return QString("%1:%2:%3:%4").arg(name).arg(mtu).arg(cidr, file(name + ".json"));
    }

private slots:
    void init() {
        if (geteuid() != 0) QSKIP("needs root for network namespaces");
        delete out;
        out = new QTemporaryDir;
        QVERIFY(out->isValid());
    }
    void cleanupTestCase() { delete out; }

    void labelledAddressAndSharedHardwareAddress() {
        // lab0 (MTU 9000) reaches a camera that still sits on its factory subnet through a labelled
        // address; lab1 (MTU 4000) has lab0's hardware address. The factory camera has no way back to
        // lab0's first address, so it is found through the labelled one only.
        writeCameras("lab0", {camera("Factory", "10.66.4.20", 1, 3)});
        writeCameras("lab1", {camera("Shared", "10.50.2.20", 2, 3)});
        runLab({"--link", link("lab0", 9000, "10.50.1.1/24"), "--link", link("lab1", 4000, "10.50.2.1/24"),
                "--app-ip", "lab0:10.66.4.1/24:7", "--mac", "lab0:02:00:00:00:50:01", "--mac",
                "lab1:02:00:00:00:50:01"},
               R"(ip -n $(camns lab0) route del 10.50.1.0/24 || exit 4
run list --list-adapters --json
run all --adapter '*ALL*' --json --wait 1500)");
        QVERIFY(rc("list") == 0 && rc("all") == 0);
        QStringList adapters;
        for (const QJsonValue &a : json("list")["adapters"].toArray())
            adapters
                << QString("%1 %2 %3").arg(a["name"].toString(), a["ip"].toString()).arg(a["mtu"].toInt());
        adapters.sort();
        QCOMPARE(adapters, QStringList({"lab0 10.50.1.1 9000", "lab1 10.50.2.1 4000"}));
        const QJsonValue cameras = json("all")["cameras"];
        const QJsonObject factory = find(cameras, "name", "Factory"),
                          shared = find(cameras, "name", "Shared");
        QCOMPARE(factory["adapterIp"].toString(), QString("10.66.4.1"));
        QCOMPARE(factory["adapterMtu"].toInt(), 9000);
        QCOMPARE(shared["adapterMtu"].toInt(), 4000);
    }

    void twoAdaptersOnOneSubnet() {
        // Both adapters are on 10.77.1.0/24, each with cameras behind it. Every camera is named and polled
        // through its own link, and the camera behind the second link can be moved.
        writeCameras("lab0", {camera("Left", "10.77.1.20", 3, 3)});
        writeCameras("lab1",
                     {camera("Right", "10.77.1.30", 4, 2), camera("RightAdv", "10.77.1.40", 5, 0, true)});
        runLab({"--link", link("lab0", 1500, "10.77.1.1/24"), "--link", link("lab1", 1500, "10.77.1.2/24"),
                "--extra-ip", "lab1:10.77.1.31/24"},
               R"(run all --adapter '*ALL*' --json
run move --set-address 10.77.1.30 10.77.1.31 255.255.255.0 --adapter '*ALL*' --json)");
        QVERIFY(rc("all") == 0);
        const QJsonValue cameras = json("all")["cameras"];
        QCOMPARE(cameras.toArray().size(), 3);
        const QStringList want = {"10.77.1.20 Left 10.77.1.1 Waiting for trigger",
                                  "10.77.1.30 Right 10.77.1.2 Live", "10.77.1.40 RightAdv 10.77.1.2 Idle"};
        for (const QString &row : want) {
            const QJsonObject c = find(cameras, "ip", row.section(' ', 0, 0));
            QCOMPARE(QString("%1 %2 %3 %4")
                         .arg(c["ip"].toString(), c["name"].toString(), c["adapterIp"].toString(),
                              c["statusText"].toString()),
                     row);
        }
        // The set-address broadcast left through the second link only, and the camera answers there.
        QCOMPARE(rc("move"), 0);
        const QJsonObject move = json("move");
        QVERIFY(move["answered"].toBool() && move["camera"]["name"] == "Right");
        QVERIFY(move["answer"]["name"] == "Right" && move["answer"]["statusText"] == "Live");
        const QByteArray setAddress = "\"hex\":\"0100081718000000";
        QVERIFY(read("lab1.camlog.jsonl").contains(setAddress));
        QVERIFY(!read("lab0.camlog.jsonl").contains(setAddress));
    }

    void linkWithoutHardwareAddress() {
        // A tun link (no hardware address) with MTU 4000: its camera carries that MTU and is named and
        // polled through it.
        writeCameras("tun0", {camera("Tunnelled", "10.90.1.20", 6, 2)});
        runLab({"--tun-link", link("tun0", 4000, "10.90.1.1/24")}, R"(run list --list-adapters --json
run tun --adapter tun0 --datagram-size 2920 --json)");
        QVERIFY(rc("list") == 0 && rc("tun") == 0);
        const QJsonObject adapter = find(json("list")["adapters"], "name", "tun0");
        QVERIFY(adapter["mtu"] == 4000 && adapter["mac"] == "00:00:00:00:00:00");
        const QJsonObject tunnelled = find(json("tun")["cameras"], "ip", "10.90.1.20");
        QVERIFY(tunnelled["name"] == "Tunnelled" && tunnelled["statusText"] == "Live");
        QCOMPARE(tunnelled["adapterMtu"].toInt(), 4000);
        QVERIFY(json("tun")["conflict"].isNull()); // 2920-byte datagrams fit
    }

    void lossyLinkLeavesNoCameraUnnamed() {
        // Every namespace drops 5 % of the datagrams it receives. A camera whose name query or answer is
        // lost is asked again with the next polls, so every camera found ends up named.
        QStringList cameras;
        for (int i = 0; i < 30; ++i)
            cameras << camera(qPrintable(QString("Cam%1").arg(i)),
                              qPrintable(QString("10.88.1.%1").arg(10 + i)), 100 + i, 2, i % 5 == 4);
        writeCameras("lab0", cameras);
        runLab({"--link", link("lab0", 1500, "10.88.1.1/24"), "--loss", "5"},
               "run all --adapter lab0 --json --wait 16000");
        QCOMPARE(rc("all"), 0);
        const QJsonArray found = json("all")["cameras"].toArray();
        QVERIFY2(found.size() >= 24, qPrintable(QString::number(found.size())));
        QStringList unnamed;
        for (const QJsonValue &c : found) {
            if (c["name"].toString() !=
                "Cam" + QString::number(c["ip"].toString().section('.', 3).toInt() - 10))
                unnamed << c["ip"].toString();
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(' ')));
    }
};

QTEST_GUILESS_MAIN(RealNetworks)
#include "tst_realnet_netns.moc"
