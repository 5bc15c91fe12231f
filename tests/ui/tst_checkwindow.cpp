// The network check window on a result handed to it: what it shows and what it asks for. It runs no
// check and needs no network.
#include "app/qvxapplication.h"
#include "ui/networkcheckwindow.h"

#include <QClipboard>
#include <QFrame>
#include <QJsonDocument>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

Q_DECLARE_METATYPE(UdpCamInfo)

namespace {

SeenCamera camera(int index, quint32 ip, quint32 mac, const char *name) {
    SeenCamera c;
    c.index = index;
    c.name = QLatin1String(name);
    c.info.cameraIp = ip;
    c.info.cameraMask = 0xFFFF0000u;
    c.info.macLow = mac;
    c.info.adapterIp = 0xC0A84D01;    // 192.168.77.1
    c.info.adapterMask = 0xFFFFFF00u; // what a move proposes, not the camera's own mask
    return c;
}

Finding finding(const char *code, Severity severity, QList<int> cameras, quint32 proposed = 0) {
    Finding f;
    f.code = QLatin1String(code);
    f.severity = severity;
    f.cameras = cameras;
    f.text = QStringLiteral("text of %1").arg(f.code);
    f.proposedAddress = proposed;
    return f;
}

// Two listed cameras and one hidden behind the first one's address.
NetworkCheckResult result() {
    NetworkCheckResult r;
    r.adapter = QStringLiteral("lab0");
    r.cameras = {camera(0, 0xC0A84D0B, 0x11, "Alpha"), camera(1, 0xAC100814, 0x17, "Spare"),
                 camera(-1, 0xC0A84D0B, 0x19, "")};
    r.findings = {finding("outside-subnet", Severity::Problem, {1}, 0xC0A84D02),
                  finding("duplicate-ip", Severity::Problem, {0, 2}),
                  finding("outside-subnet", Severity::Problem, {0}),
                  finding("receive-buffer", Severity::Warning, {})};
    r.report = QJsonObject{{"adapter", "lab0"}, {"findings", QJsonArray{}}};
    return r;
}

QList<QFrame *> frames(const NetworkCheckWindow &w) {
    QList<QFrame *> out;
    const QLayout *layout = w.findingList->layout();
    for (int i = 0; i < layout->count(); ++i)
        if (auto *frame = qobject_cast<QFrame *>(layout->itemAt(i)->widget())) out << frame;
    return out;
}

} // namespace

class TestCheckWindow : public QObject {
    Q_OBJECT
private slots:
    void showsTheFindingsInTheirOrder() {
        NetworkCheckWindow w;
        w.showResult(result());
        w.showResult(result()); // a second result replaces the first
        QStringList shown;
        for (QFrame *frame : frames(w))
            shown << frame->objectName();
        QCOMPARE(shown, QStringList({"outside-subnet", "duplicate-ip", "outside-subnet", "receive-buffer"}));
        QVERIFY(w.btnCopy->isEnabled() && w.btnAgain->isEnabled() && w.progress->isHidden());
    }

    void asksForTheCameraOfAFinding_data() {
        QTest::addColumn<int>("finding");
        QTest::addColumn<QString>("link");
        QTest::addColumn<quint32>("ip");
        QTest::addColumn<quint32>("mac");
        QTest::newRow("outside the subnet") << 0 << "1" << 0xAC100814u << 0x17u;
        QTest::newRow("sharing an address") << 1 << "0" << 0xC0A84D0Bu << 0x11u;
    }
    void asksForTheCameraOfAFinding() {
        QFETCH(int, finding);
        QFETCH(QString, link);
        QFETCH(quint32, ip);
        QFETCH(quint32, mac);
        NetworkCheckWindow w;
        w.showResult(result());
        QSignalSpy select(&w, &NetworkCheckWindow::selectCameraRequested);
        auto *cameras = frames(w).at(finding)->findChild<QLabel *>(QStringLiteral("cameras"));
        QVERIFY(cameras);
        // The hidden camera is named, but there is no row to select for it.
        QCOMPARE(cameras->text().count(QLatin1String("href")), 1);
        emit cameras->linkActivated(link);
        QCOMPARE(select.size(), 1);
        const auto asked = select.at(0).at(0).value<UdpCamInfo>();
        QCOMPARE(asked.cameraIp, ip);
        QCOMPARE(asked.macLow, mac);
    }

    void movesOnlyWithAnAddressToGo() {
        NetworkCheckWindow w;
        w.showResult(result());
        QSignalSpy move(&w, &NetworkCheckWindow::moveCameraRequested);
        const QList<QFrame *> shown = frames(w);
        QVERIFY(!shown.at(2)->findChild<QPushButton *>(QStringLiteral("moveCamera")));
        shown.at(0)->findChild<QPushButton *>(QStringLiteral("moveCamera"))->click();
        QCOMPARE(move.size(), 1);
        QCOMPARE(move.at(0).at(0).value<UdpCamInfo>().cameraIp, 0xAC100814u);
        QCOMPARE(move.at(0).at(1).toUInt(), 0xC0A84D02u);
        QCOMPARE(move.at(0).at(2).toUInt(), 0xFFFFFF00u);
    }

    void copiesTheReportWithWhereAndWhen() {
        NetworkCheckWindow w;
        QSignalSpy again(&w, &NetworkCheckWindow::checkRequested);
        w.btnAgain->click();
        QCOMPARE(again.size(), 1);
        w.showResult(result());
        QApplication::clipboard()->clear();
        w.btnCopy->click();
        const QJsonObject copied =
            QJsonDocument::fromJson(QApplication::clipboard()->text().toUtf8()).object();
        QCOMPARE(copied["adapter"].toString(), QStringLiteral("lab0"));
        QVERIFY(!copied["os"].toString().isEmpty() && !copied["time"].toString().isEmpty());
    }
};

int main(int argc, char *argv[]) {
    QVXApplication app(argc, argv);
    qRegisterMetaType<UdpCamInfo>();
    TestCheckWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_checkwindow.moc"
