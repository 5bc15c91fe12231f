#include "cameras/qlistitemlabel.h"
#include "cameras/udpcammanager.h"
#include "net/adapters.h"
#include "net/udpinterface.h"
#include "report/reportjson.h"
#include "tests/fakenetwork.h"
#include "tests/loopbackcamera.h"

#include <QSignalSpy>
#include <QTextDocumentFragment>
#include <QtTest>

namespace {
constexpr quint32 Cam = 0x0A4D0114; // 10.77.1.20: the cameras are Cam + 1, Cam + 2, ... on 10.77.1.0/24

// A manager on a fake network behind the adapter 10.77.1.1/24, and what it told, as "time index:what"
// (" unlisted" when the index named no row yet).
struct Rig {
    FakeClock clock;
    FakeNetwork net{clock};
    UdpCamManager manager{&net, &clock};
    NetAdapterInfo adapter;
    QStringList notes, responding;
    Rig() {
        adapter.ip = 0x0A4D0101, adapter.mask = 0xFFFFFF00;
        QObject::connect(&manager, &UdpCamManager::updateCameraStatus, [this](int index, int what) {
            notes << QString::asprintf("%lld %d:%d%s", clock.now(), index, what,
                                       index < manager.cameraCount() ? "" : " unlisted");
        });
        QObject::connect(&manager, &UdpCamManager::cameraRespondingChanged, [this](int index, bool on) {
            responding << QString("%1 %2:%3").arg(clock.now()).arg(index).arg(on);
        });
    }
    void find() { manager.restartDiscovery(&adapter); }
    QString names() const {
        QStringList out;
        for (int i = 0; i < manager.cameraCount(); ++i)
            out << manager.camera(i)->cameraName;
        return out.join(' ');
    }
};
} // namespace

class ManagerTest : public QObject {
    Q_OBJECT
private slots:
    // Cameras found in one burst are opened side by side: each gets its own requests in its dialect's
    // order with the whole pause after each, none waits for another. They are listed in the order
    // found, and what one said while it was being opened is told once it is listed, under its index.
    void openingsRunSideBySide() {
        Rig r;
        r.net.addCamera(Cam + 1, true, "A1"), r.net.addCamera(Cam + 2, false, "S2"),
            r.net.addCamera(Cam + 3, true, "A3");
        QSignalSpy listed(&r.manager, &UdpCamManager::updateCameraList);
        r.find();
        r.clock.advance(359);
        // The Standard camera answers the first discovery request, so it is found first.
        QCOMPARE(r.net.heard(Cam + 1) + " | " + r.net.heard(Cam + 2) + " | " + r.net.heard(Cam + 3),
                 QString("0 reg, 80 aname | 0 opt, 80 name, 260 stat | 0 reg, 80 aname"));
        QCOMPARE(r.notes.join(", "), QString("160 0:3, 160 0:0, 160 1:0, 160 2:0, 260 0:1"));
        QVERIFY(listed.count() == 3 && r.names() == "S2 A1 A3" && !r.manager.camera(3) &&
                !r.manager.camera(-1));
        // The register request names the channel's port (50001, the second one made), where clip lists go.
        const auto reg =
            std::find_if(r.net.log.cbegin(), r.net.log.cend(), [](const Sent &s) { return s.to == Cam + 1; });
        QVERIFY(reg->data.toHex() == "0400cdab0002020051c30000" && r.manager.camera(1)->localPort() == 50001);
    }
    // A Standard camera is asked for its status soon after it is listed, then every 3000 ms counted
    // from the manager's construction, however late it was found; an Advanced camera never is.
    // Discovery goes out again at 250, 750, 1500 and 2500 ms, then no more.
    void pollsAndDiscoveryRounds() {
        Rig r;
        r.net.addCamera(Cam + 1, false), r.net.addCamera(Cam + 2, true), r.net.addCamera(Cam + 3, false);
        r.clock.advance(1000);
        r.find();
        // The third camera tells its status unasked, to its channel's port (the second one made).
        r.clock.advance(0);
        r.net.transmit({1000, Cam + 3, 0x0A4D0101, 1029, 50001, r.net.cameras[2].sim.statusReply(0)});
        r.clock.advance(200);
        QCOMPARE(r.manager.cameraState(0), UdpCamManager::StateUnknown);
        r.clock.advance(6300);
        QCOMPARE(r.net.heard(Cam + 1), QString("1000 opt, 1080 name, 1260 stat, 3000 stat, 6000 stat"));
        QCOMPARE(r.net.heard(Cam + 2) + " / " + r.net.heard(Cam + 3),
                 QString("1000 reg, 1080 aname / 1000 opt, 1080 name, 3000 stat, 6000 stat"));
        QVERIFY(r.manager.cameraState(0) == UdpCamManager::StateReported &&
                r.manager.cameraState(1) == UdpCamManager::StateReported);
        QStringList rounds;
        for (const Sent &s : qAsConst(r.net.log))
            if (requestKind(s.data) == "adisc") rounds << QString::number(s.at);
        QCOMPARE(rounds.join(' '), QString("1000 1250 1750 2500 3500"));
        // Re-timed, the polls count from then; stopped, they stop.
        r.manager.setPollInterval(500);
        r.clock.advance(1100);
        r.manager.setPollInterval(0);
        r.clock.advance(5000);
        QCOMPARE(r.net.heard(Cam + 1, 6001), QString("8000 stat, 8500 stat"));
    }

    // What a camera has not told is asked again, only that, in the opening's order with the whole pause
    // between its requests: six times 300 ms apart, then three times with the polls, just after their
    // status request. A Standard camera that leaves three polls unanswered is not responding from the
    // next poll on, said once; its next answer says it is back.
    void untoldIsAskedAgain() {
        // (Advanced; the query it answers first for options, name and status, 0 for never), and how
        // many option, name and status queries it got before the first poll
        const int rows[][4] = {{0, 1, 1, 1},  {0, 1, 2, 1}, {0, 3, 1, 2}, {0, 0, 0, 0},
                               {0, 1, 1, 12}, {1, 0, 3, 0}, {1, 0, 0, 0}};
        const char *const got[] = {"1 1 1", "1 2 1", "3 1 2", "7 7 7", "1 1 7", "0 3 0", "0 7 0"};
        Rig r;
        for (const auto &row : rows)
            std::copy(row + 1, row + 4, r.net.addCamera(Cam + 1 + quint32(&row - rows), row[0]).answersFrom);
        r.find();
        const auto asked = [&r](int i) {
            const int *n = r.net.cameras.at(size_t(i)).asked;
            return QString("%1 %2 %3").arg(n[0]).arg(n[1]).arg(n[2]);
        };
        r.clock.advance(2999);
        for (int i = 0; i < 7; ++i)
            QCOMPARE(asked(i), QString(got[i]));
        r.clock.advance(16001);
        QCOMPARE(asked(3) + " / " + asked(6), QString("10 10 13 / 0 10 0"));
        QCOMPARE(r.net.heard(Cam + 4, 6000, 6500) + " / " + r.net.heard(Cam + 7, 6000, 6500),
                 QString("6000 stat, 6080 opt, 6160 name / 6080 aname"));
        QCOMPARE(r.responding.join(", "), QString("12000 3:0, 12000 4:0, 15000 4:1"));
        QVERIFY(!r.manager.isResponding(3) && r.manager.isResponding(4) && // unnamed, it is numbered from 1
                r.manager.cameraText(3).contains("Camera 4") &&
                r.manager.cameraText(3).contains("Not responding"));
        // No camera gets two requests less than the pause apart, also with polls that fall amid the
        // asking again.
        Rig polled;
        polled.manager.setPollInterval(430);
        for (bool advanced : {false, true})
            std::fill_n(polled.net.addCamera(Cam + 1 + advanced, advanced).answersFrom, 3, 0);
        polled.find();
        polled.clock.advance(5000);
        for (const Rig *rig : {&r, &polled}) {
            QHash<quint32, qint64> last;
            for (const Sent &s : rig->net.log)
                QVERIFY(s.to <= Cam || s.to > Cam + 7 || s.at - std::exchange(last[s.to], s.at + 80) >= 0);
        }
    }

    // A restart drops the cameras being opened and what they said meanwhile, numbers the next ones from
    // 0, and may come from a handler of a channel's own notification: a reply behind the one handled
    // reaches a channel that is gone and is never told.
    void restartDropsWhatWasUnderWay() {
        Rig r;
        r.net.addCamera(Cam + 1, false, "S1"), r.net.addCamera(Cam + 2, false, "S2");
        r.find();
        r.clock.advance(40);
        r.find();
        r.clock.advance(400);
        QCOMPARE(r.net.heard(Cam + 1), QString("0 opt, 40 opt, 120 name, 300 stat"));
        QCOMPARE(r.notes.join(", "), QString("200 0:3, 200 0:0, 200 1:3, 200 1:0, 300 0:1, 300 1:1"));
        QCOMPARE(r.manager.findChildren<UdpInterface *>().size(), 2);

        r.net.fate = [](const Sent &s) {
            return s.at >= 3000 && s.from == Cam + 1 ? QList<int>{0, 0} : QList<int>{0};
        };
        QObject::connect(&r.manager, &UdpCamManager::updateCameraStatus,
                         [&r] { r.manager.restartDiscovery(nullptr); });
        r.clock.advance(3000);
        QCOMPARE(r.notes.mid(6), QStringList{"3000 0:1"});
        QVERIFY(r.manager.cameraCount() == 0 && r.manager.findChildren<UdpInterface *>().isEmpty() &&
                !r.manager.enumerator.accepting);
    }

    // A rediscovery keeps the channels of the cameras found again, with all they told; new ones are
    // added, and forgetUnseen drops those that did not answer.
    void rediscoveryKeepsChannels() {
        Rig r;
        r.net.addCamera(Cam + 1, false, "A"), r.net.addCamera(Cam + 2, false, "B");
        r.find();
        r.clock.advance(1000);
        UdpInterface *kept = r.manager.camera(1);
        r.net.cameras[0].answersDiscovery = false, r.net.addCamera(Cam + 3, false, "C");
        r.manager.rediscover(&r.adapter);
        r.clock.advance(1000);
        r.manager.forgetUnseen();
        QVERIFY(r.names() == "B C" && r.manager.camera(0) == kept && kept->index == 0 &&
                r.manager.camera(1)->index == 1);
        QCOMPARE(r.net.heard(Cam + 2, 1000), QString());
    }

    // Discovery requests and replies lost, late or twice: each camera is found once and told what it said.
    void lossReorderingAndDuplicates() {
        Rig r;
        r.net.addCamera(Cam + 1, false, "S1"), r.net.addCamera(Cam + 2, true, "A2");
        r.net.fate = [](const Sent &s) {
            const QString kind = requestKind(s.data);
            if (s.at == 0 && (kind == "disc" || kind == "adisc")) return QList<int>{}; // the first round lost
            if (s.from == Cam + 1 && s.data.size() == 16 && s.data[3] == char(210))
                return QList<int>{150}; // options after the name
            return s.from > Cam ? QList<int>{0, 0} : QList<int>{0};
        };
        r.find();
        r.clock.advance(1000);
        QCOMPARE(r.names() + ": " + r.net.heard(Cam + 1, 0, 600) + " / " + r.net.heard(Cam + 2),
                 QString("S1 A2: 250 opt, 330 name, 510 stat / 250 reg, 330 aname"));
        QCOMPARE(r.notes.join(", "),
                 QString("410 0:0, 410 0:0, 410 0:3, 410 1:0, 410 1:0, 510 0:1, 510 0:1"));
    }

    // Addresses asked by unicast: each gets both dialects' requests in every round, from the port of the
    // adapter its route leaves by, in batches of 32 every 5 ms (a /22 within 155 ms); a restart stops
    // what was still due. A camera behind the router is opened as any other and marked routed with its
    // gateway; one on the segment that also answers its own request is one camera, not routed; a routed
    // camera gets no new address. Without a route nothing is asked.
    void targetsAskedInPacedBatches() {
        Rig r;
        constexpr quint32 Far = 0x0A580000, Gateway = 0x0A4D01FE; // 10.88.0.0/22 behind 10.77.1.254
        r.net.addCamera(Cam + 1, false, "Near");
        r.net.addCamera(Far + 5, false, "F5").link = 0, r.net.addCamera(Far + 1022, true, "F1022").link = 0;
        QList<quint32> targets{Cam + 1};
        for (quint32 host = 1; host <= 1022; ++host)
            targets << Far + host;
        r.manager.setTargets(targets);
        r.find();
        r.clock.advance(3000);
        QCOMPARE(r.net.heard(Far + 5), QString()); // no route yet
        r.net.gateway = Gateway;
        r.find();
        r.clock.advance(40);
        r.find(); // the first round's batches from 45 ms on are never sent
        r.clock.advance(3500);
        QCOMPARE(
            r.net.heard(Far + 600, 3000),
            QString("3130 disc, 3130 disc, 3130 adisc, 3380 disc, 3380 disc, "
                    "3380 adisc, 3880 disc, 3880 disc, 3880 adisc, 4630 disc, 4630 disc, 4630 adisc, 5630 "
                    "disc, 5630 disc, 5630 adisc"));
        QCOMPARE(r.net.heard(Far + 5, 3040, 3300),
                 QString("3040 disc, 3040 disc, 3040 adisc, 3040 opt, 3120 name, "
                         "3290 disc, 3290 disc, 3290 adisc"));
        QCOMPARE(r.net.heard(Far + 1022, 3040, 3300),
                 QString("3195 disc, 3195 disc, 3195 adisc, 3195 reg, 3275 aname"));
        QVERIFY(std::all_of(r.net.log.cbegin(), r.net.log.cend(),
                            [](const Sent &s) { return s.from == 0x0A4D0101 || s.to == 0x0A4D0101; }));
        QCOMPARE(r.names(), QString("Near F5 F1022"));
        QVERIFY(r.manager.camera(0)->camInfo.routedVia == 0 &&
                r.manager.camera(1)->camInfo.routedVia == Gateway &&
                r.manager.camera(2)->camInfo.routedVia == Gateway);
        const int sent = r.net.log.size();
        QCOMPARE(r.manager.setCameraAddress(r.manager.camera(1), Far + 9, 0xFFFFFC00).outcome,
                 AddressChange::BehindRouter);
        QCOMPARE(r.manager.setAddressByMac(r.manager.camera(2)->camInfo, Far + 9, 0xFFFFFC00).outcome,
                 AddressChange::BehindRouter);
        QCOMPARE(r.net.log.size(), sent);
    }

    // Which address changes go out: not the same again, nor a refused one; each to the broadcast address
    // of the camera's subnet, naming it by its MAC address.
    void addressChanges() {
        Rig r;
        r.net.addCamera(Cam + 1, false);
        r.find();
        r.clock.advance(200);
        UdpInterface *c = r.manager.camera(0);
        QCOMPARE(r.manager.setCameraAddress(nullptr, 1, 1).outcome, AddressChange::NoCamera);
        const int before = r.net.log.size();
        for (const auto &[ip, mask, goes] : {std::tuple<quint32, quint32, bool>{Cam + 1, 0xFFFFFF00, false},
                                             {Cam + 1, 0xFFFF0000, true},
                                             {Cam + 9, 0xFFFFFF00, true},
                                             {0x7F000001, 0xFFFFFF00, false},
                                             {Cam + 9, 0xFF00FF00, false}})
            QCOMPARE(r.manager.setCameraAddress(c, ip, mask).outcome == AddressChange::Sent, goes);
        QStringList sent;
        for (const Sent &s : r.net.log.mid(before))
            sent << QString("%1:%2 %3").arg(s.to, 0, 16).arg(s.toPort).arg(QString(s.data.toHex()));
        QCOMPARE(sent, QStringList({"a4d01ff:1029 010008171800000015014d0a0000ffff15f2819c0c000000",
                                    "a4d01ff:1029 01000817180000001d014d0a00ffffff15f2819c0c000000"}));
    }

    void entryPresentation() {
        FakeClock clock; // never moved: nothing is ever sent
        FakeNetwork net(clock);
        UdpCamManager manager(&net, &clock);
        manager.cameras = {new UdpInterface(&manager, &net), new UdpInterface(&manager, &net)};
        UdpInterface *c = manager.camera(1);
        c->camInfo = loopbackCamera(1); // on the adapter's own address: outside its subnet
        c->statusKnown = true;
        QVERIFY(manager.cameraText(1).contains("color=red"));
        c->camInfo.routedVia = 1; // behind a router it is outside by design, and says so
        QVERIFY(!manager.cameraText(1).contains("color=red") &&
                manager.cameraText(1).contains("' - routed</b>"));
        c->camInfo.routedVia = 0;
        // Inside its subnet it is not marked; a camera's name is shown as text and its "%3" is not filled in.
        c->camInfo.adapterIp = 0x7F000005, c->camInfo.adapterMask = 0xFFFFFF00;
        c->cameraName = "<i>A&B %3", c->status = 3;
        const QString text = manager.cameraText(1);
        QVERIFY2(text.contains("&lt;i&gt;A&amp;B %3 (Karvelo G4-S2)") && !text.contains("color=red") &&
                     text.contains("Waiting for trigger"),
                 qPrintable(text));
        // A corrupt 64-bit frame count, past qint64, is written positive.
        c->clips << new ClipInfo, c->clips[0]->frameCount = ~0ull;
        QCOMPARE(cameraJson(*c, 1).value("clips")[0]["frameCount"].toDouble(), 18446744073709551615.0);
        QVERIFY(UdpCamManager::statusText(-1).contains("Idle")); // a status without a word of its own
        QStringList said; // the report names a status by its word where it has one, else by its number
        for (quint32 status : {0, 1, 8, 9, 11})
            said << statusDescription(status, true);
        QCOMPARE(said, QStringList({"Unknown status (0)", "Idle", "SD/SSD Transfer", "Unknown status (9)",
                                    "Playback"}));
        // A Standard camera that has not answered yet.
        c->statusKnown = false;
        QVERIFY(manager.cameraText(1).contains("Status not yet known"));

        // The W series is shown with the Karvelo body, outside its family.
        c->camInfo.cameraType = 20;
        QVERIFY(manager.cameraPicture(1).toImage() == QPixmap(":/res/cam-wk.png").toImage());
        // An entry without a picture (code 12 has none) keeps its text and bullet.
        c->camInfo.cameraType = 12;
        QListItemLabel entry(0, manager.cameraPicture(1), manager.cameraText(1), manager.statusBullet(1));
        QVERIFY(entry.pictureLabel->pixmap(Qt::ReturnByValue).isNull() &&
                entry.entryText() == manager.cameraText(1) &&
                !entry.bulletLabel->pixmap(Qt::ReturnByValue).isNull());
        for (int kind = 0; kind < 4; ++kind) {
            QListItemLabel e(kind, QPixmap(":/res/cam-j.png"), "t", QPixmap(":/res/b_green.png"));
            // A bullet set later is drawn as large as the first one; a cleared one is dropped.
            const QSize bullet = e.bulletLabel->pixmap(Qt::ReturnByValue).size();
            e.setBulletPixmap(QPixmap(":/res/b_red.png"));
            QCOMPARE(e.bulletLabel->pixmap(Qt::ReturnByValue).size(), bullet);
            e.setBulletPixmap(QPixmap());
            QVERIFY(e.bulletLabel->pixmap(Qt::ReturnByValue).isNull());
            // Marking tints the row and says why; unmarking gives the plain row back.
            const QString plain = e.styleSheet();
            e.setMarked(true, "why");
            const QString tinted = e.styleSheet(), why = e.toolTip();
            e.setMarked(false);
            QVERIFY(tinted != plain && why == "why" && e.styleSheet() == plain && e.toolTip().isEmpty());
            // Four lines of text grow the row; the text gets the height it needs, inside the row.
            e.setEntryText("1<br>2<br>3<br>4");
            const int h = e.fitHeightToText();
            e.show();
            const QRect t = e.textLabel->geometry(); // in the middle of the row
            QVERIFY(e.height() == h && t.height() >= e.textLabel->sizeHint().height() && t.top() >= 0 &&
                    t.top() + t.bottom() == h - 1);
            QVERIFY(e.pictureLabel->x() < t.left() && e.bulletLabel->x() > t.left()); // in this order
        }
        // Too narrow a row cuts each line on its own, at a word's end without the space before the "…".
        // A line whose first letter alone is too wide leaves the line before it whole.
        QListItemLabel cut(0, QPixmap(), "Line 4 east bay<br>Idle<br><span style='font-size:999px'>W</span>",
                           QPixmap());
        cut.textLabel->setFixedWidth(qCeil(QFontMetricsF(cut.font()).horizontalAdvance("Line 4 east …")) + 2);
        cut.show();
        QCOMPARE(QTextDocumentFragment::fromHtml(cut.textLabel->text()).toPlainText(),
                 QString("Line 4 east…\nIdle\n…"));
    }
};

QTEST_MAIN(ManagerTest)
#include "tst_manager.moc"
