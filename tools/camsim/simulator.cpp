#include "simulator.h"

#include "wire.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkDatagram>
#include <QProcess>
#include <QTimer>
#include <QUdpSocket>

#include <cstdio>

namespace {

constexpr quint32 AdvCommandMagic = 0xABCD0004;
constexpr quint32 AdvDiscoverMagic = 0xABCD0007;
constexpr quint16 AdvDiscoverPort = 45611;
constexpr quint16 AdvCommandPort = 9000;
constexpr auto BindMode = QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint;

void note(const QString &text) {
    std::fprintf(stderr, "varnix-camsim: %s\n", qPrintable(text));
    std::fflush(stderr);
}

bool isStandardRequest(const wire::Reader &r, quint8 opcode) {
    return r.size() >= 8 && r.u8(0) == 1 && r.u8(3) == opcode;
}

} // namespace

Simulator::Simulator(QObject *parent) : QObject(parent) {
    clock_.start();
}

bool Simulator::load(const QByteArray &json, QString *error) {
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (doc.isNull()) {
        *error = parseError.errorString();
        return false;
    }
    const QJsonArray list =
        doc.isArray() ? doc.array() : doc.object().value(QLatin1String("cameras")).toArray();
    for (int i = 0; i < list.size(); ++i) {
        SimCamera cam;
        QString why;
        if (!SimCamera::fromJson(list.at(i).toObject(), &cam, &why)) {
            *error = QStringLiteral("camera %1: %2").arg(i).arg(why);
            return false;
        }
        cameras_.append(cam);
    }
    return true;
}

bool Simulator::setLog(const QString &path, QString *error) {
    log_.setFileName(path);
    if (!log_.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        *error = log_.errorString();
        return false;
    }
    return true;
}

bool Simulator::start(QString *error) {
    // A camera that cannot answer from its own address would make a lab that looks up and is not.
    for (int i = 0; i < cameras_.size(); ++i) {
        if (!bindCamera(i)) {
            *error = QStringLiteral("%1: its address cannot be used here").arg(cameras_[i].label);
            return false;
        }
    }

    // The discovery ports come last: once 45611 is listening, everything is.
    QVector<quint16> ports;
    for (const SimCamera &cam : qAsConst(cameras_)) {
        if (cam.speaksStandard()) {
            ports.append(cam.commandPort);
            ports += cam.discoveryPorts;
        }
        if (cam.speaksAdvanced()) ports.append(AdvCommandPort);
    }
    ports << 1028 << 1029 << AdvDiscoverPort;
    for (quint16 port : qAsConst(ports)) {
        if (listeners_.contains(port)) continue;
        auto *s = new QUdpSocket(this);
        if (!s->bind(QHostAddress::AnyIPv4, port, BindMode)) {
            *error = QStringLiteral("cannot listen on port %1: %2").arg(port).arg(s->errorString());
            return false;
        }
        s->setProperty("camera", -1);
        connect(s, &QUdpSocket::readyRead, this, &Simulator::onReadyRead);
        listeners_.insert(port, s);
    }

    for (int i = 0; i < cameras_.size(); ++i) {
        if (cameras_[i].clipListEveryMs <= 0 || !cameras_[i].speaksAdvanced()) continue;
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, i] {
            SimCamera &cam = cameras_[i];
            for (const auto &l : qAsConst(cam.listeners))
                sendClipList(cam, l.first, l.second);
        });
        timer->start(int(cameras_[i].clipListEveryMs));
    }
    return true;
}

bool Simulator::bindCamera(int index) {
    SimCamera &cam = cameras_[index];
    if (cam.out) {
        cam.out->close();
        cam.out->deleteLater();
        cam.out = nullptr;
    }
    auto *s = new QUdpSocket(this);
    const QHostAddress own(cam.ip);
    const quint16 port = cam.advanced ? AdvCommandPort : cam.commandPort;
    // Replies leave from the camera's own address; its command port when it is free.
    if (!s->bind(own, port, BindMode) && !s->bind(own, 0, BindMode)) {
        note(QStringLiteral("%1: address %2 is not available here (%3)")
                 .arg(cam.label, own.toString(), s->errorString()));
        delete s;
        return false;
    }
    s->setProperty("camera", index);
    connect(s, &QUdpSocket::readyRead, this, &Simulator::onReadyRead);
    cam.out = s;
    return true;
}

void Simulator::onReadyRead() {
    auto *s = qobject_cast<QUdpSocket *>(sender());
    if (!s) return;
    const int owner = s->property("camera").toInt();
    const quint16 localPort = s->localPort();
    while (s->hasPendingDatagrams()) {
        const QNetworkDatagram d = s->receiveDatagram();
        if (!d.isValid()) continue;
        if (!scriptClock_.isValid()) scriptClock_.start();
        logDatagram(d, localPort);
        handle(d, localPort, owner);
    }
}

qint64 Simulator::scriptMs() {
    return scriptClock_.isValid() ? scriptClock_.elapsed() : 0;
}

void Simulator::logDatagram(const QNetworkDatagram &d, quint16 localPort) {
    if (!log_.isOpen()) return;
    QJsonObject o;
    o.insert(QStringLiteral("t"), double(clock_.elapsed()));
    o.insert(QStringLiteral("src"), QStringLiteral("%1:%2")
                                        .arg(QHostAddress(d.senderAddress().toIPv4Address()).toString())
                                        .arg(d.senderPort()));
    o.insert(QStringLiteral("dstPort"), int(localPort));
    const quint32 dst = d.destinationAddress().toIPv4Address();
    o.insert(QStringLiteral("dst"), dst ? QHostAddress(dst).toString() : QString());
    o.insert(QStringLiteral("hex"), QString::fromLatin1(d.data().toHex()));
    log_.write(QJsonDocument(o).toJson(QJsonDocument::Compact));
    log_.write("\n");
    log_.flush();
}

void Simulator::handle(const QNetworkDatagram &d, quint16 localPort, int owner) {
    const QByteArray b = d.data();
    const wire::Reader r(b);
    const QHostAddress src(d.senderAddress().toIPv4Address());
    const quint16 srcPort = quint16(d.senderPort());
    if (b.isEmpty() || src.isNull()) return;
    // Without the destination address, the socket a datagram came in on tells who it was for.
    const quint32 dst = d.destinationAddress().toIPv4Address();
    bool toSomeCamera = false;
    for (const SimCamera &cam : qAsConst(cameras_))
        toSomeCamera = toSomeCamera || (dst != 0 && cam.ip == dst);

    for (int i = 0; i < cameras_.size(); ++i) {
        SimCamera &cam = cameras_[i];
        const bool addressed = dst != 0 ? cam.ip == dst : owner == i;
        const bool broadcastLike = dst != 0 ? !toSomeCamera : owner < 0;
        if (isStandardRequest(r, 1) && cam.speaksStandard() && cam.discoveryPorts.contains(localPort)) {
            if (addressed || broadcastLike) reply(cam, cam.standardDiscoverReply(), src, srcPort);
            continue;
        }
        if (localPort == AdvDiscoverPort && r.size() >= 8 && r.u32(0) == AdvDiscoverMagic) {
            // The request names the port the answer is expected on.
            if (cam.speaksAdvanced() && (addressed || broadcastLike))
                reply(cam, cam.advancedDiscoverReply(), src, r.u16(4) ? r.u16(4) : srcPort);
            continue;
        }
        // A camera whose unicast path is broken hears the broadcast but never the requests after it.
        if (cam.discoveryOnly && !isStandardRequest(r, 23)) continue;
        if (cam.speaksStandard() && localPort == cam.commandPort)
            handleStandardCommand(i, b, src, srcPort, addressed);
        else if (cam.speaksAdvanced() && localPort == AdvCommandPort)
            handleAdvancedCommand(i, b, src, srcPort, addressed);
    }
}

void Simulator::handleStandardCommand(int index, const QByteArray &b, const QHostAddress &src,
                                      quint16 srcPort, bool addressed) {
    const wire::Reader r(b);
    if (r.size() < 8 || r.u8(0) != 1) return;
    if (r.u8(3) == 23) {
        handleSetAddress(index, b);
        return;
    }
    if (!addressed) return;
    SimCamera &cam = cameras_[index];
    switch (r.u8(3)) {
    case 2:
        reply(cam, cam.nameReply(), src, srcPort);
        break;
    case 14:
        reply(cam, cam.statusReply(scriptMs()), src, srcPort);
        if (cam.hasReadings) reply(cam, cam.readingsReply(), src, srcPort);
        break;
    case 39:
        if (cam.hasReadings) reply(cam, cam.readingsReply(), src, srcPort);
        break;
    case 210:
        reply(cam, cam.optionsReply(), src, srcPort);
        break;
    default:
        break;
    }
}

void Simulator::handleAdvancedCommand(int index, const QByteArray &b, const QHostAddress &src,
                                      quint16 srcPort, bool addressed) {
    const wire::Reader r(b);
    // The set-address broadcast is the Standard command whatever dialect the camera speaks.
    if (isStandardRequest(r, 23)) {
        handleSetAddress(index, b);
        return;
    }
    if (!addressed || r.size() < 12 || r.u32(0) != AdvCommandMagic) return;
    SimCamera &cam = cameras_[index];
    if (r.u8(4) == 0x00 && r.u8(5) == 0x02 && r.u8(6) == 0x02 && r.u8(7) == 0x00) {
        const quint16 port = quint16(r.u32(8)) ? quint16(r.u32(8)) : srcPort;
        const QPair<quint32, quint16> listener(src.toIPv4Address(), port);
        if (!cam.listeners.contains(listener)) cam.listeners.append(listener);
        reply(cam, cam.advancedAck(0x00), src, srcPort);
        sendClipList(cam, listener.first, listener.second);
    } else if (r.u8(4) == 0x0B && r.u8(5) == 0x01 && r.u8(6) == 0x02 && r.u8(7) == 0x00) {
        reply(cam, cam.advancedNameReply(), src, srcPort);
    }
}

bool Simulator::handleSetAddress(int index, const QByteArray &b) {
    const wire::Reader r(b);
    SimCamera &cam = cameras_[index];
    if (r.size() < 24 || r.u32(16) != cam.macLow() || r.u32(20) != cam.macHigh()) return false;
    setAddress(index, r.u32(8), r.u32(12));
    return true;
}

void Simulator::setAddress(int index, quint32 ip, quint32 mask) {
    SimCamera &cam = cameras_[index];
    note(QStringLiteral("%1: new address %2 mask %3")
             .arg(cam.label, QHostAddress(ip).toString(), QHostAddress(mask).toString()));
    const quint32 old = cam.ip;
    const quint32 oldMask = cam.mask;
    cam.ip = ip;
    cam.mask = mask;
    if (!addressDevice_.isEmpty()) {
        const auto cidr = [](quint32 a, quint32 m) {
            return QHostAddress(a).toString() + QLatin1Char('/') +
                   QString::number(32 - qCountTrailingZeroBits(m));
        };
        const auto ipAddr = [this](const char *verb, const QString &address) {
            QProcess::execute(QStringLiteral("ip"), {QStringLiteral("addr"), QLatin1String(verb), address,
                                                     QStringLiteral("dev"), addressDevice_});
        };
        bool oldStillUsed = false;
        for (const SimCamera &other : qAsConst(cameras_))
            oldStillUsed = oldStillUsed || other.ip == old;
        if (!oldStillUsed) ipAddr("del", cidr(old, oldMask));
        ipAddr("add", cidr(ip, mask)); // "exists" when another camera or the lab put it there: fine
    }
    cam.label = QString::fromLatin1(cam.name) + QLatin1Char('@') + QHostAddress(ip).toString();
    // The old registrations were made to the old address; a client registers again after finding it.
    cam.listeners.clear();
    bindCamera(index);
}

void Simulator::reply(SimCamera &cam, const QByteArray &data, const QHostAddress &to, quint16 port) {
    // An unbound socket would pick some other local address: better silent than from the wrong one.
    if (!cam.out || cam.out->state() != QAbstractSocket::BoundState || port == 0) return;
    if (cam.silentAt(scriptMs())) return; // switched off or unplugged for a while
    cam.out->writeDatagram(data, to, port);
}

void Simulator::sendClipList(SimCamera &cam, quint32 toIp, quint16 toPort) {
    for (const QByteArray &d : cam.clipListDatagrams())
        reply(cam, d, QHostAddress(toIp), toPort);
}
