#include "fakenetwork.h"

#include "net/addresses.h"
#include "net/bytes.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>

#include <utility>

void FakeClock::advance(qint64 ms) {
    const qint64 end = now_ + ms;
    while (!due_.empty() && due_.begin()->first.first <= end) {
        const auto due = due_.extract(due_.begin());
        now_ = due.key().first;
        if (due.mapped().first) due.mapped().second();
    }
    now_ = end;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

namespace {
class FakePort : public DatagramPort {
public:
    FakePort(FakeNetwork &net, FakeClock &clock, QObject *parent)
        : DatagramPort(parent), net_(net), clock_(clock) {}
    ~FakePort() override { close(); }
    bool bind(quint32 ip, quint16 port, PortUse) override {
        port = port ? port : net_.nextPort++;
        if (net_.bound.count({ip, port})) return false;
        close();
        net_.bound[{ip, port}] = this;
        ip_ = ip, port_ = port;
        return true;
    }
    void close() override { net_.bound.erase({ip_, std::exchange(port_, 0)}); }
    quint16 localPort() const override { return port_; }
    void send(const QByteArray &d, quint32 ip, quint16 port) override {
        net_.transmit({clock_.now(), ip_, ip, port_, port, d});
    }
    void setReceiveBufferBytes(int) override {}
    qint64 receiveBufferBytes() const override { return 0; }

private:
    FakeNetwork &net_;
    FakeClock &clock_;
    quint32 ip_ = 0;
    quint16 port_ = 0;
};
} // namespace

DatagramPort *FakeNetwork::createPort(QObject *parent) {
    return new FakePort(*this, clock_, parent);
}

FakeCamera &FakeNetwork::addCamera(quint32 ip, bool advanced, const QByteArray &name) {
    cameras.emplace_back();
    FakeCamera &cam = cameras.back();
    SimCamera &s = cam.sim;
    s.advanced = advanced, s.ip = ip, s.name = name, s.serial = 1000 + (ip & 0xFF);
    s.standardModel = 28, s.variant = 2, s.advancedModel = 3, s.mask = addresses.value(0).mask;
    s.mac[1] = 0x0C, s.mac[2] = 0x9C, s.mac[3] = 0x81, s.mac[4] = 0xF2, s.mac[5] = quint8(ip);
    cam.link = addresses.value(0).ip;
    return cam;
}

platform::RouteAnswer FakeNetwork::routeTo(quint32 to, platform::HostRoute &out) {
    for (const LocalAddress &a : addresses) {
        if ((to & a.mask) != (a.ip & a.mask)) continue;
        out = {a.ip, 0, 1, "lab0", to == a.ip};
        return platform::RouteAnswer::Routed;
    }
    if (!gateway || addresses.isEmpty()) return platform::RouteAnswer::NoRoute;
    out = {addresses.first().ip, gateway, 1, "lab0", false};
    return platform::RouteAnswer::Routed;
}

void FakeNetwork::transmit(const Sent &s) {
    log.append(s);
    for (int delay : fate(s))
        clock_.singleShot(delay, &anchor_, [this, s] { deliver(s); });
}

bool FakeNetwork::local(quint32 ip) const {
    return std::any_of(addresses.cbegin(), addresses.cend(),
                       [ip](const LocalAddress &a) { return a.ip == ip; });
}

void FakeNetwork::readdress(quint32 from, quint32 to) {
    if (!from) addresses << LocalAddress{};
    for (int i = addresses.size() - 1; i >= 0; --i) {
        if (addresses[i].ip != from) continue;
        if (to)
            addresses[i] = {to, 0xFFFFFF00, to | 0xFF, 9000};
        else
            addresses.removeAt(i);
    }
    for (FakeCamera &cam : cameras)
        cam.link = cam.link == from ? to : cam.link;
}

bool FakeNetwork::adapters(std::vector<platform::AdapterRecord> &out) {
    out.clear();
    for (int i = 0; i < addresses.size(); ++i) {
        platform::AdapterRecord r;
        r.name = "lab" + std::to_string(i), r.description = "veth " + r.name, r.mtu = addresses[i].mtu;
        r.ipText = ipToText(addresses[i].ip).toStdString(),
        r.maskText = ipToText(addresses[i].mask).toStdString();
        out.push_back(r);
    }
    return true;
}

void FakeNetwork::deliver(const Sent &s) {
    const auto port = bound.find({s.to, s.toPort});
    if (port != bound.end()) {
        if (!local(s.to)) return;
        emit port->second->received(s.data, s.from);
        return;
    }
    const bool broadcast = (s.to & 0xFF) == 0xFF; // to every host, or to every host of a /24
    for (FakeCamera &cam : cameras) {
        if (cam.sim.ip == s.to || (broadcast && cam.link == s.from)) hear(cam, s);
    }
}

QString requestKind(const QByteArray &d) {
    // Standard requests by opcode, Advanced ones by their magic's low byte and their command code.
    static const QHash<int, QString> kinds = {{1, "disc"},      {2, "name"},     {14, "stat"},
                                              {23, "set"},      {210, "opt"},    {0x400, "reg"},
                                              {0x40b, "aname"}, {0x700, "adisc"}};
    const ByteReader r(d);
    const int kind = r.u16(2) == 0xABCD ? r.u8(0) << 8 | (r.u8(0) == 4 ? r.u8(4) : 0) : r.u8(3);
    return r.u8(0) == 1 || kind > 0xFF ? kinds.value(kind, "?") : QString::number(d.size());
}

void FakeNetwork::hear(FakeCamera &cam, const Sent &s) {
    if (cam.off) return;
    const QString kind = requestKind(s.data);
    const SimCamera &c = cam.sim;
    QByteArray reply;
    const auto answer = [&](int q, const QByteArray &r) { // options, name, status
        if (++cam.asked[q] >= cam.answersFrom[q] && cam.answersFrom[q] > 0) reply = r;
    };
    if (kind == "disc" && !c.advanced && cam.answersDiscovery) reply = c.standardDiscoverReply();
    if (kind == "adisc" && c.advanced && cam.answersDiscovery) reply = c.advancedDiscoverReply();
    if (kind == "opt" && !c.advanced) answer(0, c.optionsReply());
    if ((kind == "name" && !c.advanced) || (kind == "aname" && c.advanced))
        answer(1, c.advanced ? c.advancedNameReply() : c.nameReply());
    if (kind == "stat" && !c.advanced) answer(2, c.statusReply(0));
    if (reply.isEmpty()) return;
    // The Advanced discovery request names the port its answer goes to.
    const quint16 back = kind == "adisc" ? ByteReader(s.data).u16(4) : s.fromPort;
    transmit({clock_.now(), c.ip, s.from, s.toPort, back, reply});
}

QString FakeNetwork::heard(quint32 ip, qint64 from, qint64 to) const {
    QStringList out;
    for (const Sent &s : log)
        if (s.to == ip && s.at >= from && s.at < to) out << QString::number(s.at) + ' ' + requestKind(s.data);
    return out.join(", ");
}
