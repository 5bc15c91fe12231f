// varnix-scan, above all --doctor and --watch, against simulated cameras in one namespace lab
// (tools/lab/netlab.sh): a clean link; strict reverse-path filtering with a camera outside the subnet; a
// camera answering discovery only, three sharing a serial number, two sharing an address and one outside
// the subnet; a link that is down; two adapters on one subnet; a tun link; cameras that change state, fall
// silent and come back; a bridge on the way that drops jumbo frames; and last a packet filter that drops
// the replies. Each fix the doctor proposes is applied and the doctor run again.

#include "labtest.h"

#include <QtTest>

namespace {
struct Link {
    const char *name, *cidr, *cameras;
    int mtu = 1500;
    const char *bridge = nullptr; // the MTU of a bridge port on the way to the camera
    bool tun = false;             // a link without hardware address
};
const Link links[] = {
    {"lab0", "10.10.1.1/24", R"([{"model":19,"serial":42,"mac":"00:0c:9c:00:00:01","ip":"10.10.1.20"}])"},
    {"lab1", "10.10.2.1/24", R"([{"model":19,"serial":43,"mac":"00:0c:9c:00:00:11","ip":"10.20.0.7"}])"},
    {"lab2", "10.10.3.1/24", R"([
  {"model":19,"serial":50,"mac":"00:0c:9c:00:00:21","ip":"10.10.3.20","name":"Mute","discoveryOnly":true},
  {"model":19,"serial":4242,"mac":"00:0c:9c:00:00:22","ip":"10.10.3.21","name":"Twin-1"},
  {"model":19,"serial":4242,"mac":"00:0c:9c:00:00:23","ip":"10.10.3.22","name":"Twin-2"},
  {"dialect":"advanced","model":4,"serial":4242,"mac":"00:0c:9c:00:00:24","ip":"10.10.3.23","name":"Twin-3"},
  {"model":19,"serial":61,"mac":"00:0c:9c:00:00:25","ip":"10.10.3.30","name":"Same-1"},
  {"model":19,"serial":62,"mac":"00:0c:9c:00:00:26","ip":"10.10.3.30","name":"Same-2"},
  {"model":19,"serial":60,"mac":"00:0c:9c:00:00:27","ip":"10.30.0.9","name":"Outside"}])"},
    {"lab3", "10.10.4.1/24", R"([{"model":19,"serial":44,"mac":"00:0c:9c:00:00:31","ip":"10.10.4.30"}])"},
    {"lab4", "10.10.5.1/24",
     R"([{"model":19,"serial":45,"status":3,"mac":"00:0c:9c:00:00:41","ip":"10.10.5.40",
      "name":"Left"}])"},
    {"lab5", "10.10.5.2/24", R"([
  {"model":19,"serial":46,"status":2,"mac":"00:0c:9c:00:00:51","ip":"10.10.5.50","name":"Right"},
  {"dialect":"advanced","model":4,"serial":47,"mac":"00:0c:9c:00:00:52","ip":"10.10.5.60","name":"RightAdv"}])"},
    {"tun0", "10.90.1.1/24",
     R"([{"model":19,"serial":90,"status":2,"mac":"00:0c:9c:00:00:91","ip":"10.90.1.20",
      "name":"Tunnelled"}])",
     4000, nullptr, true},
    // W1 changes its status at 5 s; W2 (sharing W1's serial number) is silent from 2 s to 13 s.
    {"lab6", "10.10.6.1/24", R"([
      {"model": 19, "serial": 7, "options": "WK", "mac": "00:0c:9c:00:01:01", "ip": "10.10.6.21", "name": "W1",
       "statusScript": [{"afterMs": 0, "status": 1}, {"afterMs": 5000, "status": 2}]},
      {"model": 19, "serial": 7, "mac": "00:0c:9c:00:01:02", "ip": "10.10.6.22", "name": "W2",
       "silentFromMs": 2000, "silentForMs": 11000},
      {"dialect": "advanced", "model": 4, "serial": 9, "mac": "00:0c:9c:00:01:03", "ip": "10.10.6.23", "name": "W3",
       "clips": [{"clipNumber": 0, "frameCount": 100, "frameRate": 1000, "width": 640, "height": 480}]},
      {"model": 19, "serial": 10, "mac": "00:0c:9c:00:01:04", "ip": "10.10.6.24", "discoveryOnly": true}])"},
    {"lab7", "10.10.7.1/24", R"([{"model":19,"serial":70,"mac":"00:0c:9c:00:00:71","ip":"10.10.7.20"}])",
     9000, "1500"},
    {"lab8", "10.10.8.1/24", R"([{"model":19,"serial":80,"mac":"00:0c:9c:00:00:81","ip":"10.10.8.20"}])",
     9000, "9000"},
};

// `fix TAG CODE` prints the first line of the first fix of finding CODE in TAG.out, without sudo (we are
// root in the lab).
const char *const driver =
    R"sh(fix() { python3 -c 'import json,sys; f=[f for f in json.load(open(sys.argv[1]))["findings"] if f["code"]==sys.argv[2]]; print(f[0]["fix"][0].replace("sudo ","",1).replace("varnix-scan ",""))' "$1.out" "$2"; }
# A loaded machine may answer late: a run that finds fewer cameras than it should is repeated with a
# longer wait, which costs time only then.
found() { python3 -c 'import json,sys; sys.exit(len(json.load(open(sys.argv[1]))["cameras"]) < int(sys.argv[2]))' "$1.out" "$2"; }
again() { local tag=$1 n=$2; shift 2; run $tag "$@" --wait ${WAIT:-1500}; found $tag $n 2>/dev/null || { echo "again: $tag" >&2; run $tag "$@" --wait 6000; }; }
"$SCAN" --watch --adapter lab6 --duration 17000 --json >watch.out 2>watch.err & wa=$!
"$SCAN" --watch --adapter lab6 --rescan 8000 --json >rescan.out 2>rescan.err & wb=$!
"$SCAN" --watch --adapter lab6 >interrupted.out 2>interrupted.err & wc=$!
# A workstation's default route leaves through its office network, not through a camera adapter.
ip link add office type veth peer name office-peer && ip addr add 10.99.0.1/24 dev office &&
  ip link set office up && ip link set office-peer up && ip route add default via 10.99.0.254 dev office
sysctl -qw net.ipv4.conf.lab1.rp_filter=1
ip link set lab3 down
# The camera behind lab0 answers no echo: its path is not probed.
ip netns exec "$(camns lab0)" sysctl -qw net.ipv4.icmp_echo_ignore_all=1
run narrow --doctor --adapter lab7 --datagram-size 8680 --json --wait 1500
# The wide path is probed by a user without privileges, through an ICMP datagram socket.
sysctl -qw net.ipv4.ping_group_range='0 2147483647'
setpriv --reuid=65534 --regid=65534 --clear-groups $SCAN --doctor --adapter lab8 --datagram-size 8680 --json \
  --wait 1500 >wide.out 2>wide.err; echo $? >wide.rc
again clean 1 --doctor --adapter lab0 --datagram-size 1448 --json
run cleantext --doctor --adapter lab0 --datagram-size 1448 --wait 1500
grep -q "1 camera(s) found" cleantext.out || run cleantext --doctor --adapter lab0 --datagram-size 1448 --wait 6000
run strict --doctor --adapter lab1 --json --wait 1500
sysctl -qw "$(fix strict rp-filter | sed 's/^sysctl -w //')"
again loose 1 --doctor --adapter lab1 --json
again many 6 --doctor --adapter lab2 --datagram-size 2920 --json
run moved $(fix many outside-subnet) --wait 1500
run down --doctor --adapter lab3 --json --wait 1500
WAIT=3500 again shared 10 --doctor --adapter '*ALL*' --json
run sharedmove --set-address 10.10.5.50 10.10.5.51 255.255.255.0 --adapter '*ALL*' --json
run tun --adapter tun0 --datagram-size 2920 --json
kill -INT $wc; wait $wc; echo $? >interrupted.rc
wait $wa; echo $? >watch.rc
sleep 4; kill -TERM $wb; wait $wb; echo $? >rescan.rc
nft add table inet filter && nft add chain inet filter input '{ type filter hook input priority 0; policy drop; }' &&
  nft add rule inet filter input iif lo accept &&
  nft add rule inet filter input ct state established,related accept
run blocked --doctor --adapter lab0 --json --wait 1500
eval "$(fix blocked firewall)"
again unblocked 1 --doctor --adapter lab0 --json
nft delete table inet filter
# ufw works on a copy of its files that only this mount namespace sees: nothing outside the lab changes.
command -v ufw >/dev/null || exit 0
export -f run fix && export UFWDIR=$(mktemp -d) && cp -a /etc/ufw/. "$UFWDIR" && : >"$UFWDIR/sysctl.conf"
unshare --mount --propagation private bash -c 'mount --bind "$UFWDIR" /etc/ufw && ufw --force enable >/dev/null &&
  run ufwblocked --doctor --adapter lab0 --json --wait 1500 && eval "$(fix ufwblocked firewall)" >/dev/null &&
  run ufwunblocked --doctor --adapter lab0 --json --wait 1500'; echo $? >ufw.rc; rm -rf "$UFWDIR")sh";

} // namespace

class DoctorNetns : public QObject {
    Q_OBJECT
    Lab lab;
    // "code:severity" of every finding of a run, in order.
    QStringList codes(const QString &tag) const {
        QStringList list;
        for (const QJsonValue &f : lab.json(tag)["findings"].toArray())
            list << f["code"].toString() + ':' + f["severity"].toString();
        return list;
    }
    QList<QJsonObject> events(const QString &tag) const {
        QList<QJsonObject> list;
        for (const QByteArray &line : lab.read(tag + ".out").split('\n'))
            if (!line.isEmpty()) list << QJsonDocument::fromJson(line).object();
        return list;
    }
    // "event ip" (and old>new for a status, state code for a conflict) of every event, in order.
    QStringList eventList(const QString &tag) const {
        QStringList list;
        for (const QJsonObject &e : events(tag)) {
            QString s = e["event"].toString() + ' ' + e["camera"]["ip"].toString();
            if (e["event"] == "status") s += QString(" %1>%2").arg(e["old"].toInt(-1)).arg(e["new"].toInt());
            if (e["event"] == "conflict") s += ' ' + e["state"].toString() + ' ' + e["code"].toString();
            list << s;
        }
        return list;
    }

private slots:
    void initTestCase() {
        QStringList args;
        for (const Link &l : links) {
            args << (l.tun ? "--tun-link" : "--link") << lab.link(l.name, l.mtu, l.cidr, l.cameras);
            if (l.bridge) args << "--bridge" << QString("%1:%2").arg(l.name, l.bridge);
        }
        args << QString("--unrouted lab1 --extra-ip lab2:10.10.3.2/24 --extra-ip lab5:10.10.5.51/24")
                    .split(' ');
        RUN_LAB(lab, args, driver, 180000);
        QString runs =
            "clean:0 cleantext:0 narrow:1 wide:0 strict:1 many:1 moved:0 down:1 sharedmove:0 tun:0 "
            "interrupted:0 watch:0 rescan:0 blocked:1 unblocked:0";
        if (QFile::exists(lab.file("ufw.rc"))) runs += " ufwblocked:1 ufwunblocked:0";
        for (const QString &run : runs.split(' ')) {
            const QString tag = run.section(':', 0, 0);
            QVERIFY2(lab.read(tag + ".rc").trimmed() == run.section(':', 1).toLatin1(),
                     qPrintable(tag + " exited " + lab.read(tag + ".rc") + lab.read(tag + ".err")));
        }
    }

    void cleanNetworkHasNoFinding() {
        QFile rmem("/proc/sys/net/core/rmem_max");
        const bool capped = rmem.open(QIODevice::ReadOnly) && rmem.readAll().trimmed().toLongLong() < 4194304;
        QCOMPARE(codes("clean"), capped ? QStringList{"receive-buffer:warning"} : QStringList());
        QVERIFY(lab.read("cleantext.out").startsWith("Adapter: lab0, 1 camera(s) found\n"));
        QCOMPARE(lab.json("clean")["cameras"][0]["path"].toString(), QString("not probed"));
        QVERIFY(lab.read("cleantext.out").contains("Path not probed: camera #0 10.10.1.20 "));
    }

    void pathNarrowerThanTheAdapters() {
        // Adapter, camera and the bridge's port towards the app are at 9000: discovery works and the
        // adapter's MTU fits, but lab7's bridge port towards the camera passes 1500 only.
        for (const auto &[tag, rc, passed] : {std::tuple("narrow", 1, 1500), std::tuple("wide", 0, 8680)}) {
            QStringList found = codes(tag);
            found.removeAll("receive-buffer:warning");
            QCOMPARE(found, rc ? QStringList{"path-mtu:problem"} : QStringList());
            QCOMPARE(lab.json(tag)["cameras"][0]["path"].toObject(),
                     QJsonObject({{"needed", 8680}, {"largestPassed", passed}}));
        }
    }

    void strictReversePathFilter() {
        QCOMPARE(codes("strict"), QStringList({"rp-filter:problem", "no-cameras:warning"}));
        // lab0's filter is off, which is known, not null.
        QVERIFY(find(lab.json("strict")["adapters"], "name", "lab1")["rpFilter"] == 1 &&
                find(lab.json("strict")["adapters"], "name", "lab0")["rpFilter"] == 0);
        // With the proposed loose filtering the camera shows up, outside its adapter's subnet.
        QVERIFY2(!codes("loose").contains("rp-filter:problem") &&
                     codes("loose").contains("outside-subnet:problem"),
                 qPrintable(codes("loose").join(' ')));
    }

    void everyConflictOfOneAdapter() {
        const QJsonValue findings = lab.json("many")["findings"];
        QCOMPARE(codes("many"),
                 QStringList({"duplicate-ip:problem", "duplicate-serial:problem", "datagram-size:problem",
                              "outside-subnet:problem", "silent-channel:problem"}));
        // The second camera at 10.10.3.30 never gets a row, but it is named by its MAC address.
        const QJsonArray same = find(findings, "code", "duplicate-ip")["cameras"].toArray();
        QVERIFY(same.size() == 2 && same[1]["index"].isNull() && same[0]["mac"] != same[1]["mac"]);
        // The proposed command moves the camera to the free address of the adapter's subnet.
        QVERIFY(lab.read("moved.out").contains("It answers at 10.10.3.2."));
    }

    void adapterDownAndSharedSubnet() {
        QCOMPARE(codes("down"), QStringList({"link:problem"}));
        // lab4 and lab5 share 10.10.5.0/24: one finding names both. Every camera behind them is still
        // named and polled through its own link, and the one behind the second is moved through that link.
        QCOMPARE(codes("shared").filter("shared-subnet").size(), 1);
        const QString text = find(lab.json("shared")["findings"], "code", "shared-subnet")["text"].toString();
        QVERIFY2(text.contains("lab4 (10.10.5.1/24) and lab5"), qPrintable(text));
        QStringList got;
        for (const char *ip : {"10.10.5.40", "10.10.5.50", "10.10.5.60"}) {
            const QJsonObject c = find(lab.json("shared")["cameras"], "ip", ip);
            got << c["name"].toString() + ' ' + c["adapterIp"].toString() + ' ' + c["statusText"].toString();
        }
        QCOMPARE(got, QStringList({"Left 10.10.5.1 Waiting for trigger", "Right 10.10.5.2 Live",
                                   "RightAdv 10.10.5.2 Idle"}));
        QVERIFY(lab.json("sharedmove")["answered"].toBool() &&
                lab.json("sharedmove")["camera"]["name"] == "Right");
        const QByteArray setAddress = "\"hex\":\"0100081718000000";
        QVERIFY(lab.read("lab5.camlog.jsonl").contains(setAddress) &&
                !lab.read("lab4.camlog.jsonl").contains(setAddress));
    }

    void linkWithoutHardwareAddress() {
        // Its camera is named and polled through it, and carries its MTU.
        const QJsonObject tunnelled = find(lab.json("tun")["cameras"], "ip", "10.90.1.20");
        QVERIFY2(tunnelled["name"] == "Tunnelled" && tunnelled["statusText"] == "Live" &&
                     tunnelled["adapterMtu"] == 4000,
                 lab.read("tun.out").constData());
    }

    void watchEvents() {
        const QStringList got = eventList("watch");
        for (const char *want : {"found 10.10.6.21", "found 10.10.6.22", "found 10.10.6.23",
                                 "name 10.10.6.21", "status 10.10.6.21 -1>1", "status 10.10.6.21 1>2",
                                 "conflict 10.10.6.21 raised duplicate-serial", "not-responding 10.10.6.22",
                                 "responding 10.10.6.22", "found 10.10.6.24"})
            QVERIFY2(got.contains(want), qPrintable(QString(want) + " missing from\n" + got.join('\n')));
        // Options are a Standard camera's, clip lists an Advanced one's: neither is told as the other. A
        // camera that never told its name has none told.
        QCOMPARE(got.filter(QRegularExpression("^(options|clips) 10.10.6.2[13]|^name 10.10.6.24")),
                 QStringList({"options 10.10.6.21", "clips 10.10.6.23"}));
        const QJsonObject change = events("watch")[got.indexOf("status 10.10.6.21 1>2")];
        QVERIFY(change["oldText"] == "Idle" && change["newText"] == "Live" &&
                change["camera"]["name"] == "W1");

        // Rediscovery every 8 s: only W2, silent at the second discovery, is lost, and its conflict goes;
        // it is found again at the third. SIGTERM ends the watch cleanly.
        const QStringList again = eventList("rescan");
        const int lost = again.indexOf("lost 10.10.6.22");
        QCOMPARE(again.filter(QRegularExpression("^lost ")), QStringList({"lost 10.10.6.22"}));
        QCOMPARE(again.mid(lost, 2).last(), QString("conflict 10.10.6.21 cleared duplicate-serial"));
        QVERIFY(again.lastIndexOf("found 10.10.6.22") > lost);

        // SIGINT: every line already out.
        const QByteArray text = lab.read("interrupted.out");
        QVERIFY2(text.contains(" found #0 10.10.6.21 00:0c:9c:00:01:01 00-0000-0007") && text.endsWith('\n'),
                 text.constData());
    }

    void firewallDropsTheReplies() {
        QVERIFY(lab.json("blocked")["firewall"] == "blocks");
        // nft, then ufw where it is installed: the proposed rule lets the replies in.
        for (const QString by : {"", "ufw"}) {
            if (by == "ufw" && !QFile::exists(lab.file("ufw.rc"))) QSKIP("ufw is not installed");
            QCOMPARE(codes(by + "blocked"), QStringList({"firewall:problem", "no-cameras:warning"}));
            QVERIFY(lab.json(by + "unblocked")["cameras"].toArray().size() == 1 &&
                    lab.json(by + "unblocked")["firewall"] == "open");
        }
        QCOMPARE(lab.json("ufwblocked")["findings"][0]["fix"][0].toString(),
                 QString("sudo ufw allow in on lab0 proto udp to any port 45056:45255"));
    }
};

QTEST_GUILESS_MAIN(DoctorNetns)
#include "tst_doctor_netns.moc"
