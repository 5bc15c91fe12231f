#pragma once

#include <QList>
#include <QtGlobal>

struct Finding;
struct NetworkFacts;
struct SeenCamera;

// What the echo probe learnt about the path to one camera.
struct PathResult {
    enum State {
        NotProbed,   // not asked: no datagram size to check, an Advanced camera, or the check was cut short
        Unavailable, // this process may not send ICMP echo
        NoEcho,      // the camera answered no echo, not even a small one
        Probed,
    };
    State state = NotProbed;
    quint32 needed = 0;        // the IP packet size the cameras' datagrams make
    quint32 largestPassed = 0; // the largest packet that came back, up to `needed`
};

// The sizes to probe one camera with, in turn: the size needed, once more when it fails (a single lost
// echo must not raise an alarm), a small packet to tell a camera that answers no echo at all, a plain
// Ethernet frame, and then halving the gap between the largest that passed and the smallest that
// did not, until MaxProbes were sent.
class PathSearch {
public:
    static constexpr int MaxProbes = 10;
    static constexpr quint32 SmallPacket = 576; // every IPv4 path carries it
    static constexpr quint32 EthernetPacket = 1500;

    explicit PathSearch(quint32 needed);
    quint32 next() const { return candidate_; } // 0 when the search is over
    void record(bool passed);
    int probes() const { return probes_; }
    PathResult result() const;

private:
    quint32 choose() const;
    quint32 needed_, candidate_;
    quint32 passed_ = 0, failed_;
    int probes_ = 0;
};

// The IP packet a datagram of the chosen size makes: the size the adapter's MTU is compared with.
quint32 pathPacketSize(quint32 datagramSize);

// `path-mtu`: a Standard camera whose adapter is large enough, but whose path returned only smaller
// packets than its datagrams make.
QList<Finding> pathFindings(const NetworkFacts &facts, const QList<SeenCamera> &cameras,
                            quint32 datagramSize);
