// The network check as one run, on facts and echoes made up here: nothing is sent and nothing read
// from the system.
#include "cameras/networkcheck.h"
#include "cameras/pathprober.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QtTest>

namespace {

NetAdapterInfo adapter(const char *name, quint32 ip) {
    NetAdapterInfo a;
    qstrncpy(a.name, name, sizeof a.name);
    a.ip = ip;
    a.mask = 0xFFFFFF00u;
    a.mtu = 1500;
    return a;
}

} // namespace

class TestNetworkCheck : public QObject {
    Q_OBJECT
private slots:
    void problemsComeFirstEverywhere_data() {
        QTest::addColumn<bool>("downFirst");
        QTest::newRow("the slow adapter listed first") << false;
        QTest::newRow("the down adapter listed first") << true;
    }
    // A 10G camera behind a gigabit link is a warning, an adapter that is down a problem: whatever order
    // the adapters come in, the problem leads, in the findings and in the report alike.
    void problemsComeFirstEverywhere() {
        QFETCH(bool, downFirst);
        const NetAdapterInfo slow = adapter("slow0", 0x0A000001), down = adapter("down0", 0x0A010001);
        NetworkCheckInput in;
        in.adapters = downFirst ? QList<NetAdapterInfo>{down, slow} : QList<NetAdapterInfo>{slow, down};
        in.datagramSize = 1448;
        SeenCamera camera;
        camera.index = 0;
        camera.info.cameraIp = 0x0A000014;
        camera.info.cameraMask = camera.info.adapterMask = 0xFFFFFF00u;
        camera.info.adapterIp = slow.ip;
        camera.info.adapterMtu = 1500;
        camera.info.macLow = 0x11;
        camera.info.link10G = 1;
        in.cameras = {camera};
        in.listed = {QJsonObject{{"index", 0}}};

        NetworkCheck check;
        check.setFactSource([](const QList<NetAdapterInfo> &adapters) {
            NetworkFacts facts;
            for (const NetAdapterInfo &a : adapters) {
                AdapterFacts f;
                f.adapter = a;
                f.up = a.ip == 0x0A010001 ? 0 : 1;
                f.speedMbps = 1000;
                facts.adapters << f;
            }
            return facts;
        });
        QList<int> probed;
        check.prober()->setEcho([&probed](const PathTarget &t, int, int) {
            probed << t.camera;
            return platform::EchoResult::Answered;
        });
        QSignalSpy finished(&check, &NetworkCheck::finished);
        check.start(in);
        QVERIFY(check.isRunning());
        QVERIFY(finished.wait(5000));

        const NetworkCheckResult &r = check.result();
        QStringList order, reported;
        for (const Finding &f : r.findings)
            order << f.code + QLatin1Char('/') + severityName(f.severity);
        for (const QJsonValue &f : r.report["findings"].toArray())
            reported << f["code"].toString() + QLatin1Char('/') + f["severity"].toString();
        QCOMPARE(order, QStringList({"link/problem", "link/warning"}));
        QCOMPARE(reported, order);
        // The path found is the camera's, in the result and in the report.
        QCOMPARE(r.cameras.at(0).path.state, PathResult::Probed);
        QVERIFY(r.report["cameras"][0]["path"].isObject());
    }
};

QTEST_GUILESS_MAIN(TestNetworkCheck)
#include "tst_networkcheck.moc"
