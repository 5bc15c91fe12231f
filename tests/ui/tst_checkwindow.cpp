// The network check window on results handed to it or made from facts and echoes invented here:
// nothing is sent and nothing read from the system.
#include "app/qvxapplication.h"
#include "doctor/pathprober.h"
#include "ui/networkcheckwindow.h"

#include <QClipboard>
#include <QFrame>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

Q_DECLARE_METATYPE(UdpCamInfo)

namespace {

// 10G behind an MTU of 1500.
SeenCamera camera(int index, quint32 ip, quint32 adapterIp) {
    SeenCamera c;
    c.row = index, c.info.cameraIp = ip,
    c.info.macLow = (ip & 0xFF) | (index < 0 ? 0x100 : 0); // the hidden one has a MAC of its own
    c.info.adapterIp = adapterIp, c.info.adapterMask = 0xFFFFFF00u, c.info.link10G = 1,
    c.info.adapterMtu = 1500;
    return c;
}

Finding finding(const char *code, Severity severity, const QList<SeenCamera> &all, QList<int> cameras,
                quint32 proposed = 0) {
    Finding f;
    f.code = QLatin1String(code), f.severity = severity, f.cameras = cameraRefs(all, cameras),
    f.proposedAddress = proposed;
    return f;
}

} // namespace

class TestCheckWindow : public QObject {
    Q_OBJECT
private slots:
    // Two listed cameras and one hidden behind the first one's address.
    void showsAndAsksForTheCamerasOfTheFindings() {
        NetworkCheckResult r;
        r.cameras = {camera(0, 0xC0A84D0B, 0xC0A84D01), camera(1, 0xAC100814, 0xC0A84D01),
                     camera(-1, 0xC0A84D0B, 0xC0A84D01)};
        r.findings = {finding("outside-subnet", Severity::Problem, r.cameras, {1}, 0xC0A84D02),
                      finding("duplicate-ip", Severity::Problem, r.cameras, {2, 0}),
                      finding("outside-subnet", Severity::Problem, r.cameras, {0})};
        r.adapter = "lab0";
        NetworkCheckWindow w;
        QSignalSpy again(&w, &NetworkCheckWindow::checkRequested),
            select(&w, &NetworkCheckWindow::selectCameraRequested),
            assign(&w, &NetworkCheckWindow::assignAddressesRequested);
        w.btnAgain->click();
        w.showResult(r);
        w.showResult(r); // a second result replaces the first
        const QList<QFrame *> shown =
            w.findingList->findChildren<QFrame *>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(shown.size() == 3 && !w.summary->text().contains("cancelled")); // nor said to be cancelled
        QCOMPARE(shown.at(1)->objectName(), QStringLiteral("duplicate-ip"));
        // Only listed cameras have a row to select.
        auto *shared = shown.at(1)->findChild<QLabel *>(QStringLiteral("cameras"));
        QCOMPARE(shared->text().count(QLatin1String("href")), 1);
        emit shared->linkActivated(QStringLiteral("0"));
        emit shown.at(0)->findChild<QLabel *>(QStringLiteral("cameras"))->linkActivated(QStringLiteral("1"));
        QVERIFY(!shown.at(2)->findChild<QPushButton *>(QStringLiteral("moveCamera"))); // no address to go to
        shown.at(1)->findChild<QPushButton *>(QStringLiteral("assignAddresses"))->click();
        const auto ip = [&](int i) { return select.at(i).at(0).value<UdpCamInfo>().cameraIp; };
        QVERIFY(assign.size() == 1 && again.size() == 1 && select.size() == 2);
        QVERIFY(ip(0) == 0xC0A84D0Bu && ip(1) == 0xAC100814u);
        w.btnCopy->click();
        const QJsonObject copied =
            QJsonDocument::fromJson(QApplication::clipboard()->text().toUtf8()).object();
        QVERIFY(copied["adapter"] == "lab0" && !copied["os"].toString().isEmpty() &&
                !copied["time"].isUndefined());
    }

    // A 10G camera behind a gigabit link is a warning, an adapter that is down a problem: though the slow
    // adapter comes first, the problem leads, in the window and in the report alike.
    void runsTheCheckProblemsFirst() {
        NetAdapterInfo slow, down;
        slow.ip = 0x0A000001, down.ip = 0x0A010001, slow.mask = down.mask = 0xFFFFFF00u;
        NetworkCheckInput in;
        in.adapters = {slow, down}, in.datagramSize = 1448, in.cameras = {camera(0, 0x0A000014, slow.ip)};
        NetworkCheckWindow w;
        w.check->setFactSource([](const QList<NetAdapterInfo> &adapters) {
            NetworkFacts facts;
            for (const NetAdapterInfo &a : adapters) {
                AdapterFacts f;
                f.adapter = a, f.up = a.ip == 0x0A010001 ? 0 : 1, f.speedMbps = 1000;
                facts.adapters << f;
            }
            return facts;
        });
        w.check->prober()->setEcho(
            [](const PathTarget &, int, int) { return platform::EchoResult::Answered; });
        QSignalSpy finished(&w, &NetworkCheckWindow::checkFinished);
        w.runCheck(in);
        QVERIFY(finished.wait(5000));
        QStringList shown, reported;
        for (const Finding &f : w.findings())
            shown << f.code + QLatin1Char('/') + severityName(f.severity);
        for (const QJsonValue &f : w.report()["findings"].toArray())
            reported << f["code"].toString() + QLatin1Char('/') + f["severity"].toString();
        QCOMPARE(shown, QStringList({"link/problem", "link/warning"}));
        QCOMPARE(reported, shown);
    }
};

int main(int argc, char *argv[]) {
    QVXApplication app(argc, argv);
    qRegisterMetaType<UdpCamInfo>();
    TestCheckWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_checkwindow.moc"
