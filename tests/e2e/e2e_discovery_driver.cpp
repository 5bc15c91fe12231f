// Runs the program's discovery inside the lab's app namespace, the way the camera manager does, and
// prints one line per camera record as it is announced, then one per discovery socket and (with
// --channels) one per camera channel once the opening requests have had their answers. e2e.sh
// compares the lines.
#include "net/addresses.h"
#include "net/datagrams.h"
#include "net/udpenumerator.h"
#include "net/udpinterface.h"
#include "net/udplocalsocket.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const bool withChannels = app.arguments().contains(QStringLiteral("--channels"));
    UdpEnumerator enumerator;
    QList<UdpInterface *> channels;
    QObject::connect(&enumerator, &UdpEnumerator::cameraDetected, &app, [&](UdpCamInfo *c) {
        std::printf("cam %s %u %u %u %u %u %u %s %s %u via %s/%s mtu %u 10g %u\n",
                    qPrintable(ipToText(c->cameraIp)), c->protocol, c->cameraType, c->sensorType,
                    c->serialNumber, c->firmwareVersion, c->firmwareRevision,
                    qPrintable(ipToText(c->cameraMask)), qPrintable(macToText(c->macLow, c->macHigh)),
                    c->cameraPort, qPrintable(ipToText(c->adapterIp)), qPrintable(ipToText(c->adapterMask)),
                    c->adapterMtu, c->link10G);
        if (!withChannels) return;
        auto *ch = new UdpInterface(&app);
        ch->setCamera(*c, channels.size());
        channels.append(ch);
        if (c->protocol == 1) {
            ch->send(advRegister(ch->localPort()), false);
            ch->send(advNameQuery(), false);
        } else {
            ch->send(opOptions(), false);
            ch->send(opName(), false);
            ch->send(opStatus(), false);
        }
    });
    enumerator.openAll(Proto::DiscoveryBasePort);
    const QByteArray discover = opDiscover();
    enumerator.broadcast(Proto::StdDiscoverPortA, discover.constData(), discover.size());
    enumerator.broadcast(Proto::StdDiscoverPortB, discover.constData(), discover.size());
    enumerator.discoverAdvanced();
    QEventLoop loop;
    QTimer::singleShot(1500, &loop, &QEventLoop::quit);
    loop.exec();

    for (const UdpLocalSocket *s : qAsConst(enumerator.sockets))
        std::printf("sock %s %u mtu %u\n", qPrintable(s->address.toString()), s->port, s->mtu);
    // ch IP PROTOCOL STATUS OPTIONS "NAME" then per clip NUMBER:FRAMES:FIRST:TRIMSTART-TRIMEND:WxH@RATE
    for (const UdpInterface *ch : qAsConst(channels)) {
        QString clips;
        for (const ClipInfo *c : ch->clips)
            clips +=
                QString::asprintf(" %u:%llu:%u:%u-%u:%ux%u@%g", c->clipNumber, c->frameCount, c->firstFrame,
                                  c->trimStart, c->trimEnd, c->width, c->height, double(c->frameRate));
        std::printf("ch %s %u %u %u \"%s\"%s\n", qPrintable(ipToText(ch->camInfo.cameraIp)),
                    ch->camInfo.protocol, ch->status, ch->camInfo.options, qPrintable(ch->cameraName),
                    qPrintable(clips));
    }
    return 0;
}
