#include "pathcheck.h"

#include "cameras/conflicts.h"
#include "diagnosis.h"

#include "net/addresses.h"

// The first probe is the size needed: the search is over when it passes, and it is the smallest failure
// when not.
PathSearch::PathSearch(quint32 needed) : needed_(needed), candidate_(needed), failed_(needed) {}

void PathSearch::record(bool passed) {
    if (candidate_ == 0) return;
    ++probes_;
    if (passed)
        passed_ = qMax(passed_, candidate_);
    else
        failed_ = qMin(failed_, candidate_);
    candidate_ = choose();
}

quint32 PathSearch::choose() const {
    if (passed_ >= needed_ || probes_ >= MaxProbes) return 0;
    if (probes_ == 1) return needed_;
    if (passed_ == 0) return failed_ > SmallPacket ? SmallPacket : 0;
    if (passed_ < EthernetPacket && EthernetPacket < failed_) return EthernetPacket;
    return failed_ - passed_ > 1 ? passed_ + (failed_ - passed_) / 2 : 0;
}

PathResult PathSearch::result() const {
    PathResult r;
    r.needed = needed_;
    r.largestPassed = passed_;
    r.state = passed_ > 0 ? PathResult::Probed : PathResult::NoEcho;
    return r;
}

quint32 pathPacketSize(quint32 datagramSize) {
    // The MTU rule compares the datagram size with the adapter's MTU as it is; the path is held to the
    // same number so that the two checks never disagree about one packet.
    return datagramSize;
}

QList<Finding> pathFindings(const NetworkFacts &facts, const QList<SeenCamera> &cameras,
                            quint32 datagramSize) {
    QList<Finding> out;
    for (int i = 0; i < cameras.size(); ++i) {
        const SeenCamera &c = cameras.at(i);
        const PathResult &p = c.path;
        // An adapter too small for the datagrams is its own finding; the path beyond it says nothing new.
        // Without a datagram size no path was probed.
        if (isAdvanced(c.info) || p.state != PathResult::Probed || p.largestPassed >= p.needed ||
            jumboMismatch(c.info, datagramSize) == 2)
            continue;
        Finding f;
        f.code = QStringLiteral("path-mtu");
        f.adapter = findingAdapter(facts, c.info);
        f.cameras = cameraRefs(cameras, {i});
        f.text = FindingTexts::tr("The path to camera %1 carries packets of at most %2 bytes, but its "
                                  "datagrams need %3: something on the way drops them, and no image arrives.")
                     .arg(findingCamera(c))
                     .arg(p.largestPassed)
                     .arg(p.needed);
        f.fixes << Fix::advice(FindingTexts::tr("Every switch and network card between %1 and %2 must pass "
                                                "jumbo frames of %3 bytes or more (MTU 9000 on each of them)")
                                   .arg(f.adapter, ipToText(c.info.cameraIp))
                                   .arg(p.needed));
        quint32 fits = 0;
        for (quint32 size : datagramSizes) {
            if (pathPacketSize(size) <= p.largestPassed) fits = qMax(fits, size);
        }
        if (fits != 0) {
            Fix smaller;
            smaller.kind = Fix::ChooseDatagramSize;
            smaller.datagramSize = fits;
            f.fixes << smaller;
        }
        out << f;
    }
    return out;
}
