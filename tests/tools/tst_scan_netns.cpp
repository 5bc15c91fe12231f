// varnix-scan against simulated cameras in network namespaces (tools/lab/netlab.sh): both dialects on two
// links (MTU 1500 and 9000), a camera outside the adapter's subnet, a serial number shared across the
// links, an Advanced camera with a clip, and one camera moved by --set-address.

#include "labtest.h"

#include <QtTest>

namespace {
// lab0: 10.10.1.1/24, MTU 1500, with Std-B outside its subnet. lab1: 10.10.2.1/24, MTU 9000. Std-B and
// Std-D each listen on one of the two discovery ports only.
const char *const lab0Cameras = R"([{"model": 19, "options": "WK", "serial": 42, "firmware": [5, 2],
  "status": 3, "mac": "00:0c:9c:81:f2:a7", "ip": "10.10.1.20", "name": "Std-A"},
 {"model": 10, "variant": 2, "serial": 777, "firmware": [1, 0], "mac": "00:0c:9c:00:00:0b", "ip": "10.20.0.7",
  "name": "Std-B", "status": 8, "discoveryPorts": [1029]}])";
const char *const lab1Cameras = R"([{"dialect": "advanced", "model": 4, "serial": 777, "firmware": 66051,
  "link": 31, "mac": "00:0c:9c:00:00:0c", "ip": "10.10.2.30", "name": "Adv-C", "clipsPerDatagram": 2, "clips": [
  {"frameCount": 1000, "frameRate": 999.9, "width": 640, "height": 480, "firstFrame": 900, "trimStart": 950,
  "trimEnd": 100}, {"clipNumber": 1, "frameCount": 10, "frameRate": 10, "width": 64, "height": 48},
  {"clipNumber": 2, "frameCount": 10, "frameRate": 10, "width": 64, "height": 48}]},
 {"model": 5, "serial": 1234567890, "firmware": [3, 14], "mac": "00:0c:9c:00:00:0d", "ip": "10.10.2.40",
  "mask": "255.255.0.0", "name": "Std-D", "status": 2, "discoveryPorts": [1028]}])";
const char *const storedSettings = "[Settings]\nNetAdapter=lab1\nJumboPacket=0\n";

const char *const driver = R"(s=$(date +%s%N); run all --adapter '*ALL*' --datagram-size optimal --json
echo $((($(date +%s%N) - s) / 1000000)) >all.ms
run stored --json --wait 1500
run csv --adapter '*ALL*' --datagram-size optimal --csv
run text --adapter=lab0 --datagram-size 2920
run missing --set-address 10.10.1.21 10.10.1.51 255.255.255.0 --adapter lab0 --wait 1500
run move --set-address 10.10.1.20 10.10.1.50 255.255.255.0 --adapter lab0 --json
run lost --set-address 10.10.1.50 10.10.1.60 255.255.255.0 --adapter lab0 --wait 1500)";

// What the scan of all adapters reports, by camera address.
const char *const expected = R"({
  "10.10.1.20": {"name": "Std-A", "model": "Karvelo WKJet4", "serial": "00-0000-0042", "firmware": "5.2.0",
   "protocol": "Standard", "port": 1029, "adapterMtu": 1500, "link": "1G", "statusText": "Waiting for trigger",
   "cameraType": 19},
  "10.20.0.7": {"model": "Brisquet J4-S2", "adapterIp": "10.10.1.1", "inAdapterSubnet": false, "status": 8,
   "cameraType": 10, "sensorType": 2, "adapterMask": "255.255.255.0", "mac": "00:0c:9c:00:00:0b"},
  "10.10.2.30": {"name": "Adv-C", "model": "Tavolin Mini M-200", "firmware": "0001.02.03", "protocol": "Advanced",
   "port": 9000, "link": "10G", "statusText": "Idle", "statusKnown": true, "status": 0,
   "inAdapterSubnet": true},
  "10.10.2.40": {"model": "Brisquet E2", "firmware": "3.14", "serial": "12-3456-7890", "mask": "255.255.0.0",
   "adapterMtu": 9000, "statusText": "Live"}})";

// A link where something answers discovery from addresses no camera can have (the subnet's broadcast
// and network addresses, a reserved one) and from one plausible address that never answers anything
// else; the one camera there names itself with control characters and reports a status no camera
// defines. Replies are written whole, source address included, so any source can be had.
const char *const hostileCameras =
    R"([{"model": 5, "serial": 9, "mac": "00:0c:9c:00:00:99", "ip": "10.99.3.20",
  "name": "Bad\u001b[31m\n\r\u0007X", "status": 4294967295}])";
const char *const forger = R"(import socket, struct, sys, time
out = socket.socket(socket.AF_INET, socket.SOCK_RAW, socket.IPPROTO_RAW)
reply = bytes(52)  # a Standard discovery reply: byte 0 is 0
end = time.time() + 60  # the lab stops it long before; a slow Windows build under Wine needs more than 15 s
while time.time() < end:
    for src in ["10.99.3.255", "10.99.3.0", "240.0.0.1", "10.99.3.77"]:
        udp = struct.pack("!HHHH", 1029, 45056, 8 + len(reply), 0) + reply
        ip = struct.pack("!BBHHHBBH4s4s", 0x45, 0, 20 + len(udp), 0, 0, 64, 17, 0, socket.inet_aton(src),
                         socket.inet_aton("10.99.3.1"))
        out.sendto(ip + udp, ("10.99.3.1", 0))
    open("forging", "w").close()
    time.sleep(0.1)
)";
const char *const hostileDriver = R"sh(ip netns exec "$(camns lab0)" python3 forger.py & forger=$!
until [[ -e forging ]]; do sleep 0.05; done
run hostile --adapter lab0 --json --wait 2500
run hostiletext --adapter lab0 --wait 2500
run hostiledoctor --doctor --adapter lab0 --json --wait 2500
kill $forger; wait $forger
run own --set-address 10.99.3.20 10.99.3.1 255.255.255.0 --adapter lab0 --wait 500
mkfifo metrics.fifo && mknod metrics.dev c 1 3 && ln -s metrics.dev metrics.link && mkdir metrics.dir
for f in fifo dev link dir; do run $f --watch --adapter lab0 --duration 500 --metrics-file metrics.$f; done
[[ -p metrics.fifo && -c metrics.dev && -L metrics.link && -d metrics.dir ]] && echo kept >kept
run standard --adapter lab0 --datagram-size 1500 --json --wait 300
true)sh";

} // namespace

class ScanNetns : public QObject {
    Q_OBJECT
    Lab lab;

private slots:
    void initTestCase() {
        QVERIFY(QDir(lab.config.path()).mkpath("Halvorn"));
        QVERIFY(Lab::write(lab.config.path() + "/Halvorn/Tovek.conf", storedSettings));
        RUN_LAB(lab,
                {"--link", lab.link("lab0", 1500, "10.10.1.1/24", lab0Cameras), "--link",
                 lab.link("lab1", 9000, "10.10.2.1/24", lab1Cameras), "--extra-ip", "lab0:10.10.1.50/24"},
                driver);
        for (const QString &run : QString("all:0 stored:0 csv:0 text:0 missing:1 move:0 lost:1").split(' '))
            QCOMPARE(lab.read(run.section(':', 0, 0) + ".rc").trimmed(), run.section(':', 1).toLatin1());
    }

    void scan() {
        // Without --wait the scan ends once every camera has told all it shows, long before 3.5 s (the
        // Windows build's time under Wine is mostly Wine's own).
        if (!qEnvironmentVariableIsSet("VARNIX_SCAN"))
            QVERIFY2(lab.read("all.ms").toInt() < 2500, lab.read("all.ms").constData());
        const QJsonObject all = lab.json("all"), want = QJsonDocument::fromJson(expected).object();
        QVERIFY(all["adapter"] == "*ALL*" && all["cameras"].toArray().size() == 4 && want.size() == 4);
        for (auto it = want.begin(); it != want.end(); ++it) {
            const QJsonObject got = find(all["cameras"], "ip", it.key());
            for (const QString &field : it->toObject().keys())
                QVERIFY2(got[field] == it->toObject()[field], qPrintable(it.key() + ' ' + field));
        }
        // The clip list comes two clips per datagram; the trim positions are made relative to the clip's
        // first frame; the summary truncates the rate (the clip's JSON is the report tests' business).
        const QJsonObject advanced = find(all["cameras"], "ip", "10.10.2.30");
        QCOMPARE(advanced["clips"].toArray().size(), 3);
        QCOMPARE(advanced["clips"][0]["summary"].toString(),
                 QString("Clip 1: 1000 frames - 1.000 s | Trim: 50 (0.050 s) to 200 (0.200 s) - 0.151 s | "
                         "640x480 @ 999 fps"));
        // Optimal: only the serial number shared across the links conflicts. The stored settings choose lab1
        // and 1448, where the Standard camera on the jumbo link conflicts; they are never written.
        QVERIFY(all["conflict"]["text"] == "More than one camera have the same Serial Number." &&
                all["conflict"]["findingCode"] == "duplicate-serial"); // as the doctor calls it
        // The same cameras as CSV: a header, a row each, the shared serial number named in both its rows.
        const QByteArray csv = lab.read("csv.out");
        QVERIFY2(csv.startsWith("Index,Name,Model,") && csv.count("\r\n") == 5 &&
                     csv.count(",duplicate-serial\r\n") == 2,
                 csv.constData());
        const QJsonObject stored = lab.json("stored");
        QVERIFY(stored["adapter"] == "lab1" && stored["cameras"].toArray().size() == 2);
        QCOMPARE(stored["conflict"]["code"].toInt(), 1);
        QFile settings(lab.config.path() + "/Halvorn/Tovek.conf");
        QVERIFY(settings.open(QIODevice::ReadOnly) && settings.readAll() == storedSettings);

        const QString text = lab.read("text.out");
        QVERIFY2(text.startsWith("Adapter: lab0 (10.10.1.1 / 255.255.255.0, MTU 1500)"), qPrintable(text));
        QVERIFY(text.contains(
            QRegularExpression("Std-A +Karvelo WKJet4 +10\\.10\\.1\\.20 +1G +Waiting for trigger"
                               " +00-0000-0042 +5\\.2\\.0 +00:0c:9c:81:f2:a7 +Standard ")));
        QVERIFY(text.contains(QRegularExpression("Std-B +Brisquet J4-S2 +10\\.20\\.0\\.7 .* !\n")));
        QVERIFY(text.contains("\nWarning: Jumbo datagram size is disabled on network adapter and enabled"));
    }

    void setAddressMovesTheCamera() {
        const QJsonObject move = lab.json("move");
        QVERIFY(move["sent"].toBool() && move["answered"].toBool() && move["camera"]["ip"] == "10.10.1.20");
        // Reported as a scan reports it: named, and with the status of its first poll.
        QVERIFY(move["answer"]["ip"] == "10.10.1.50" && move["answer"]["name"] == "Std-A" &&
                move["answer"]["statusText"] == "Waiting for trigger");
        QCOMPARE(move["summary"].toString(),
                 QString("Moved camera Std-A (Karvelo WKJet4, MAC 00:0c:9c:81:f2:a7) "
                         "from 10.10.1.20 to 10.10.1.50 mask 255.255.255.0. It answers at 10.10.1.50."));
        // Moved where its network has no such address, it does not come back: exit 1, and it says so.
        QVERIFY2(lab.read("lost.out")
                     .contains("to 10.10.1.60 mask 255.255.255.0. No camera answers at 10.10.1.60 "
                               "after 1500 ms.\n"),
                 lab.read("lost.out").constData());
        // The request went out as a directed broadcast carrying the camera's MAC.
        const QRegularExpression request(R"("dst":"10\.10\.1\.255","dstPort":\d+,)"
                                         R"("hex":"010008171800000032010a0a00ffffffa7f2819c0c000000")");
        QVERIFY(QString(lab.read("lab0.camlog.jsonl")).contains(request));
        QVERIFY(lab.read("missing.err").contains("no camera answers from 10.10.1.21"));
    }

    // Links that lose a tenth of the datagrams each way: discovery asks again and what is lost is asked
    // again, so the scan still lists and names every camera. A camera that answers discovery only is
    // printed all the same, and the scan says that it did not answer in time.
    void lossyLinksStillGiveTheWholeList() {
        QByteArray cameras = "[";
        for (int i = 0; i < 40; ++i)
            cameras += QString::asprintf(R"({"model": 19, "serial": %d, "mac": "02:00:00:00:07:%02x", )"
                                         R"("ip": "10.10.7.%d", "name": "L%d", "dialect": "%s"},)",
                                         i, i, i + 10, i, i % 5 ? "standard" : "advanced")
                           .toLatin1();
        cameras +=
            R"({"model": 19, "serial": 99, "mac": "02:00:00:00:07:99", "ip": "10.10.7.99", "discoveryOnly": true}])";
        Lab lossy;
        RUN_LAB(lossy, {"--loss", "10", "--link", lossy.link("lab7", 1500, "10.10.7.1/24", cameras)},
                "run lossy --adapter lab7 --json; run text --adapter lab7");
        const QJsonArray listed = lossy.json("lossy")["cameras"].toArray();
        QCOMPARE(listed.size(), 41);
        for (const QJsonValue &c : listed) {
            const bool mute = c["ip"] == "10.10.7.99";
            QVERIFY2(c["answeredInTime"].toBool() != mute, qPrintable(c["ip"].toString()));
            QVERIFY2(mute || c["name"].toString().startsWith('L'), qPrintable(c["ip"].toString()));
        }
        QVERIFY(lossy.read("text.out")
                    .contains("\n1 of 41 camera(s) did not answer in time; shown with what they told.\n"));
    }

    // Three cameras at one address, two outside the subnet, one in place, on a link whose simulator takes
    // any address it is given.
    void assignAddressesMovesExactlyThoseThatNeedIt() {
        Lab line;
        QFile cameras(LINE_CAMERAS_PATH); // the window's test uses the same line
        QVERIFY(cameras.open(QIODevice::ReadOnly));
        RUN_LAB(line,
                {"--link", line.link("lab0", 1500, "10.77.1.1/24", cameras.readAll()), "--take-addresses",
                 "lab0"},
                R"(ip link add nowhere type veth peer name nowhere1 && ip link set nowhere up
run plan --assign-addresses --adapter lab0 --first 10.77.1.100 --json; cp lab0.camlog.jsonl plan.log
run apply --assign-addresses --adapter lab0 --first 10.77.1.100 --apply --json; cp lab0.camlog.jsonl apply.log
run after --adapter lab0 --json
run again --assign-addresses --adapter lab0
run outside --assign-addresses --adapter lab0 --first 10.78.0.1 --apply
run bare --assign-addresses --adapter nowhere --apply)");
        const auto setAddressRequests = [&](const QString &log) {
            QSet<QString> requests;
            for (const QByteArray &l : line.read(log).split('\n'))
                if (l.contains("\"dst\":\"10.77.1.255\"") && l.contains("\"hex\":\"01000817")) // by broadcast
                    requests << QJsonDocument::fromJson(l)["hex"].toString();
            return requests;
        };
        QVERIFY(line.read("plan.rc") == "0\n" && setAddressRequests("plan.log").isEmpty());
        QCOMPARE(line.json("plan")["plan"].toArray().size(), 4);
        // Each of the four moved once, to distinct free addresses of the subnet; all answer there.
        QCOMPARE(line.read("apply.rc"), QByteArray("0\n"));
        QCOMPARE(setAddressRequests("apply.log").size(), 4);
        for (const QJsonValue &l : line.json("apply")["plan"].toArray())
            QVERIFY2(l["sent"].toBool() && l["answered"].toBool() &&
                         l["newIp"].toString().startsWith("10.77.1.1") && l["newMask"] == "255.255.255.0",
                     qPrintable(l["mac"].toString()));
        const QJsonArray after = line.json("after")["cameras"].toArray();
        QSet<QString> addresses;
        for (const QJsonValue &c : after)
            addresses << c["ip"].toString();
        QVERIFY2(after.size() == 6 && addresses.size() == 6 && line.json("after")["conflict"].isNull(),
                 line.read("after.out").constData());
        QVERIFY2(line.read("again.rc") == "0\n" && line.read("again.out").contains("nothing to move"),
                 line.read("again.out").constData());
        // A first address outside the adapter's subnet, an adapter without an address: refused, nothing sent.
        QVERIFY(line.read("outside.rc") == "2\n" && line.read("bare.rc") == "2\n" &&
                line.read("bare.err").contains("has no IPv4 address"));
        QCOMPARE(setAddressRequests("lab0.camlog.jsonl").size(), 4);
    }

    void impossibleSendersAndHostileTexts() {
        Lab hostile;
        QVERIFY(Lab::write(hostile.file("forger.py"), forger));
        RUN_LAB(hostile, {"--link", hostile.link("lab0", 1500, "10.99.3.1/24", hostileCameras)},
                hostileDriver);
        // Only the camera and the plausible sender are listed; nothing is ever sent to the impossible ones.
        QCOMPARE(hostile.json("hostile")["cameras"].toArray().size(), 2); // 10.99.3.20 and .77, found below
        QVERIFY(!hostile.read("lab0.camlog.jsonl").contains(R"("dst":"10.99.3.255")"));
        const QJsonObject camera = find(hostile.json("hostile")["cameras"], "ip", "10.99.3.20");
        QVERIFY(camera["statusText"] == "Unknown status (4294967295)" && camera["statusKnown"] == true);
        QCOMPARE(camera["name"].toString(), QString("Bad\x1b[31m\n\r\aX")); // JSON escapes it itself
        const QJsonObject silent = find(hostile.json("hostile")["cameras"], "ip", "10.99.3.77");
        QVERIFY(silent["statusText"] == "Status not yet known" && silent["statusKnown"] == false);
        // The table shows the name with visible escapes, one camera per line.
        const QByteArray text = hostile.read("hostiletext.out");
        QVERIFY2(text.contains(R"(Bad\x1b[31m\n\r\x07X  Brisquet)") && !text.contains('\x1b') &&
                     text.count('\n') == 7 && text.contains("Status not yet known"),
                 text.constData());
        // The doctor counts the impossible senders in a warning of their own.
        const QJsonObject doctor =
            find(hostile.json("hostiledoctor")["findings"], "code", "impossible-source");
        QVERIFY2(doctor["severity"] == "warning" &&
                     doctor["text"].toString().contains("addresses no camera can have (10.99.3.255, "
                                                        "10.99.3.0, 240.0.0.1)"),
                 qPrintable(doctor["text"].toString()));
        // Addresses the camera must not take are refused before anything is sent.
        QVERIFY(hostile.read("own.rc").trimmed() == "2" &&
                hostile.read("own.err").contains(
                    "10.99.3.1 mask 255.255.255.0: The network adapter itself uses"));
        QVERIFY(!hostile.read("lab0.camlog.jsonl").contains("01000817"));
        // A metrics file that is a FIFO, a device (itself or behind a link) or a directory is refused and
        // kept. (Not for the Windows build under Wine, which starts in its own folder and knows no FIFO or
        // device node.)
        if (!qEnvironmentVariableIsSet("VARNIX_SCAN")) {
            for (const QString f : {"fifo", "dev", "link", "dir"})
                QVERIFY2(
                    hostile.read(f + ".rc").trimmed() == "2" &&
                        hostile.read(f + ".err")
                            .contains(("metrics file \"metrics." + f + "\": not a regular file").toUtf8()),
                    hostile.read(f + ".err").constData());
            QCOMPARE(hostile.read("kept"), QByteArray("kept\n"));
        }
        // The window's "1500 (standard)" is the smallest datagram size.
        QCOMPARE(hostile.read("standard.rc"), QByteArray("0\n"));
    }
};

QTEST_GUILESS_MAIN(ScanNetns)
#include "tst_scan_netns.moc"
