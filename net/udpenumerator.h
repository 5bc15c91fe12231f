#pragma once

#include "camrecord.h"
#include "datagramport.h"

#include <QHash>
#include <QList>
#include <QObject>

// One discovery port and the local address it listens on.
struct DiscoverySocket {
    DatagramPort *port = nullptr; // owned by the enumerator
    LocalAddress local;
};

// Finds cameras: one port per local IPv4 address, both discovery broadcasts, one record per sender.
class UdpEnumerator : public QObject {
    Q_OBJECT
public:
    // Listens through ports of `network`, the system's when none is given.
    explicit UdpEnumerator(QObject *parent = nullptr, DatagramNetwork *network = nullptr);
    ~UdpEnumerator() override;

    void open(quint32 ip, quint32 mask, quint16 basePort);
    void openAll(quint16 basePort);
    void broadcast(quint16 port, const QByteArray &datagram);
    void discoverAdvanced();
    // Discovery goes out in rounds; a camera that answers any request of the latest round has
    // answered it.
    void beginRound() { ++round_; }
    bool latestRoundAnswered() const;
    // Forgets the camera recorded at that address with that MAC address: its next reply announces it.
    void forget(const UdpCamInfo &camera);
    // The port listening on the local address `ip`; null when none does.
    DatagramPort *portOn(quint32 ip) const;

    // Addresses asked by unicast beside the broadcast, which no router passes: a camera behind one
    // answers a discovery request sent to its own address. Each is asked through the port of the
    // adapter that the system's route to it leaves by, so that the answer comes back there; one without
    // a route, or whose adapter is not listened on, is not asked. Routes are looked up at every open.
    void setTargets(const QList<quint32> &addresses);
    // How many of them can be asked now, and asking them, by their place in that order: both dialects'
    // requests to each, back to back as the broadcast sends them.
    int targetCount() const { return targets_.size(); }
    void discoverTargets(int first, int count);

    bool accepting = false;
    QList<DiscoverySocket> sockets; // bound ones only
    QList<UdpCamInfo *> detected;   // owned; valid until the next open

    // Replies from an address already recorded but with another MAC address: a second camera at the
    // same address, never announced, kept until the next open so that the conflict can be named.
    const QList<UdpCamInfo> &shadowed() const { return shadowed_; }

    // Senders of replies no camera can send (see canBeCameraSource): never a camera, never asked
    // anything; kept until the next open so that a check can name them.
    const QList<quint32> &impossibleSenders() const { return impossible_; }

signals:
    void cameraDetected(UdpCamInfo *info);
    // A camera already recorded answered again, from the same address with the same MAC address.
    void cameraSeenAgain(const UdpCamInfo *info);

private:
    void closeAll();
    void takeReply(const QByteArray &reply, quint32 senderIp, const LocalAddress &at);
    void keepShadowed(const UdpCamInfo &record);
    void listenOn(const LocalAddress &local, quint16 &port);
    void routeTargets();

    DatagramNetwork &network_;
    // Set while a reply is handled: a receiver of cameraDetected may re-open discovery from there,
    // and the port it came through must then outlive the call.
    bool draining_ = false;
    QList<UdpCamInfo> shadowed_;
    int round_ = 0;
    QHash<const UdpCamInfo *, int> answeredRound_; // the latest round each record answered
    QList<quint32> impossible_;

    struct Target {
        quint32 ip = 0;
        DatagramPort *port = nullptr;
    };
    QList<quint32> targetAddresses_;
    QList<Target> targets_;          // those that can be asked through a port open now
    QHash<quint32, quint32> routed_; // targets outside the adapter's link, by address: their gateway
};
