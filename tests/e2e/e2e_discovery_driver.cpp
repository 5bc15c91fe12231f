// Runs discovery the way the camera manager does, inside the lab's app namespace, and prints what
// it found as one JSON document for the lab script to check.
//
//   e2e_discovery_driver [--ms N] [--open ADDR/MASK] [--channels] [--move MAC=IP/MASK]
//
//   --open       listen on one address instead of every adapter
//   --channels   open a channel to every camera found and send it the opening requests
//   --move       after the first round, send a new address to the camera with MAC through its
//                channel, then discover again ("after" in the output)
#include "net/addresses.h"
#include "net/datagrams.h"
#include "net/udpenumerator.h"
#include "net/udpinterface.h"
#include "net/udplocalsocket.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QHostAddress>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimer>

#include <cstdio>

namespace {

struct Options {
    int ms = 1500;
    QHostAddress openAddress;
    QHostAddress openMask;
    bool channels = false;
    QString moveMac;
    quint32 moveIp = 0;
    quint32 moveMask = 0;
};

void wait(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QJsonObject recordJson(const UdpCamInfo &c) {
    QJsonObject o;
    o["protocol"] = double(c.protocol);
    o["cameraType"] = double(c.cameraType);
    o["sensorType"] = double(c.sensorType);
    o["options"] = double(c.options);
    o["serialNumber"] = double(c.serialNumber);
    o["firmwareVersion"] = double(c.firmwareVersion);
    o["firmwareRevision"] = double(c.firmwareRevision);
    o["cameraIp"] = ipToText(c.cameraIp);
    o["cameraMask"] = ipToText(c.cameraMask);
    o["mac"] = macToText(c.macLow, c.macHigh);
    o["cameraPort"] = double(c.cameraPort);
    o["adapterIp"] = ipToText(c.adapterIp);
    o["adapterMask"] = ipToText(c.adapterMask);
    o["reserved"] = double(c.reserved);
    o["adapterMtu"] = double(c.adapterMtu);
    o["link10G"] = double(c.link10G);
    o["modelQualifier"] = double(c.modelQualifier);
    return o;
}

QJsonObject channelJson(const UdpInterface &ch) {
    QJsonObject o;
    o["cameraIp"] = ipToText(ch.camInfo.cameraIp);
    o["protocol"] = double(ch.camInfo.protocol);
    o["name"] = ch.cameraName;
    o["status"] = double(ch.status);
    o["options"] = double(ch.camInfo.options);
    o["localPort"] = ch.localPort();
    QJsonArray clips;
    for (const ClipInfo *c : ch.clips) {
        QJsonObject j;
        j["clipNumber"] = c->clipNumber;
        j["frameCount"] = double(c->frameCount);
        j["frameRate"] = double(c->frameRate);
        j["width"] = c->width;
        j["height"] = c->height;
        j["firstFrame"] = double(c->firstFrame);
        j["trimStart"] = double(c->trimStart);
        j["trimEnd"] = double(c->trimEnd);
        clips.append(j);
    }
    o["clips"] = clips;
    return o;
}

// One discovery round, as a restart of the camera manager runs it.
class Round : public QObject {
public:
    Round(const Options &opt, QObject *parent) : QObject(parent), opt_(opt) {
        connect(&enumerator_, &UdpEnumerator::cameraDetected, this, [this](UdpCamInfo *info) {
            records_.append(*info);
            if (!opt_.channels) return;
            auto *ch = new UdpInterface(this);
            ch->setCamera(*info, channels_.size());
            channels_.append(ch);
            if (info->protocol == 1) {
                ch->send(advRegister(ch->localPort()), false);
                ch->send(advNameQuery(), false);
            } else {
                ch->send(opOptions(), false);
                ch->send(opName(), false);
                ch->send(opStatus(), false);
            }
        });
    }

    QJsonObject run() {
        enumerator_.accepting = false;
        if (opt_.openAddress.isNull())
            enumerator_.openAll(Proto::DiscoveryBasePort);
        else
            enumerator_.open(opt_.openAddress, opt_.openMask, Proto::DiscoveryBasePort);
        const QByteArray discover = opDiscover();
        enumerator_.broadcast(Proto::StdDiscoverPortA, discover.constData(), discover.size());
        enumerator_.broadcast(Proto::StdDiscoverPortB, discover.constData(), discover.size());
        enumerator_.discoverAdvanced();
        wait(opt_.ms);

        QJsonObject out;
        QJsonArray sockets;
        for (const UdpLocalSocket *s : enumerator_.sockets) {
            QJsonObject j;
            j["address"] = s->address.toString();
            j["port"] = s->port;
            j["mtu"] = double(s->mtu);
            sockets.append(j);
        }
        out["sockets"] = sockets;
        QJsonArray cameras;
        for (const UdpCamInfo &c : qAsConst(records_))
            cameras.append(recordJson(c));
        out["cameras"] = cameras;
        if (opt_.channels) {
            QJsonArray channels;
            for (const UdpInterface *ch : qAsConst(channels_))
                channels.append(channelJson(*ch));
            out["channels"] = channels;
        }
        return out;
    }

    UdpInterface *channelOf(const QString &mac) const {
        for (UdpInterface *ch : channels_) {
            if (macToText(ch->camInfo.macLow, ch->camInfo.macHigh) == mac) return ch;
        }
        return nullptr;
    }

private:
    Options opt_;
    UdpEnumerator enumerator_;
    QList<UdpCamInfo> records_;
    QList<UdpInterface *> channels_;
};

bool parseAddressAndMask(const QString &text, quint32 *ip, quint32 *mask) {
    const QStringList parts = text.split(QLatin1Char('/'));
    return parts.size() == 2 && parseIp(parts[0], ip) && parseIp(parts[1], mask);
}

int usage() {
    std::fprintf(stderr, "usage: e2e_discovery_driver [--ms N] [--open ADDR/MASK] [--channels] "
                         "[--move MAC=IP/MASK]\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    Options opt;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == QLatin1String("--ms") && hasValue) {
            opt.ms = args[++i].toInt();
        } else if (a == QLatin1String("--open") && hasValue) {
            quint32 ip = 0, mask = 0;
            if (!parseAddressAndMask(args[++i], &ip, &mask)) return usage();
            opt.openAddress = QHostAddress(ip);
            opt.openMask = QHostAddress(mask);
        } else if (a == QLatin1String("--channels")) {
            opt.channels = true;
        } else if (a == QLatin1String("--move") && hasValue) {
            const QStringList parts = args[++i].split(QLatin1Char('='));
            if (parts.size() != 2 || !parseAddressAndMask(parts[1], &opt.moveIp, &opt.moveMask))
                return usage();
            opt.moveMac = parts[0].toLower();
            opt.channels = true;
        } else {
            return usage();
        }
    }

    auto *first = new Round(opt, &app);
    QJsonObject out = first->run();
    if (!opt.moveMac.isEmpty()) {
        UdpInterface *ch = first->channelOf(opt.moveMac);
        out["moved"] = ch != nullptr;
        if (ch) {
            ch->send(opSetAddress(opt.moveIp, opt.moveMask, ch->camInfo.macLow, ch->camInfo.macHigh), true);
            wait(300);
            // The first round's sockets go first, as on a restart, so the second binds the same ports.
            delete first;
            first = nullptr;
            Options again = opt;
            again.channels = false;
            Round second(again, &app);
            out["after"] = second.run();
        }
    }
    delete first;
    std::printf("%s\n", QJsonDocument(out).toJson(QJsonDocument::Indented).constData());
    return 0;
}
