#include "udpcammanager.h"

#include "net/adapters.h"
#include "net/addresses.h"
#include "net/cameradialect.h"
#include "net/datagrams.h"
#include "net/targets.h"
#include "net/udpinterface.h"

#include <algorithm>
#include <iterator>

namespace {
constexpr int OpeningWaitMs = 80;
// A new Standard camera is asked for its status this soon instead of at the next poll, which may be
// up to a whole interval away; a timer, so nothing blocks meanwhile.
constexpr int EarlyStatusMs = 100;
// What a camera has not told this long after it was listed, or after it was last asked, is asked
// again, a limited number of times; after that only the polls go on.
constexpr int AskAgainAfterMs = 300;
constexpr int MaxAskAgain = 6;
constexpr int MaxAskWithPolls = 3;
constexpr int OpeningsPerPass = 24;
// When the discovery requests go out again after the first ones, counted from the first.
constexpr int DiscoveryRoundsMs[] = {250, 750, 1500, 2500};
} // namespace

UdpCamManager::UdpCamManager(QObject *parent) : UdpCamManager(&systemNetwork(), &systemClock(), parent) {}

UdpCamManager::UdpCamManager(DatagramNetwork *network, Clock *clock, QObject *parent)
    : QObject(parent), enumerator(nullptr, network), network_(*network), clock_(*clock) {
    connect(&enumerator, &UdpEnumerator::cameraDetected, this, &UdpCamManager::OnCameraDetected);
    connect(&enumerator, &UdpEnumerator::cameraSeenAgain, this, &UdpCamManager::OnCameraSeenAgain);
    setPollInterval(PollIntervalMs);
}

void UdpCamManager::setPollInterval(int ms) {
    pollInterval_ = qMax(ms, 0);
    ++pollRun_;
    if (pollInterval_ > 0) schedulePoll(clock_.now() + pollInterval_);
}

void UdpCamManager::schedulePoll(qint64 at) {
    const quint64 run = pollRun_;
    clock_.singleShot(int(qMax<qint64>(at - clock_.now(), 0)), this, [this, run, at] {
        if (run != pollRun_) return;
        // Counted from the first poll, so that one late poll does not delay all the others.
        const qint64 next = at + pollInterval_;
        schedulePoll(next > clock_.now() ? next : clock_.now() + pollInterval_);
        pollCameras();
    });
}

int UdpCamManager::cameraCount() const {
    return cameras.size();
}

UdpInterface *UdpCamManager::camera(int index) const {
    return index >= 0 && index < cameras.size() ? cameras.at(index) : nullptr;
}

void UdpCamManager::listOpeningsNow() {
    while (!found.isEmpty())
        startOpening(found.takeFirst());
    for (Opening &o : openings)
        o.done = true;
    listOpened();
}

bool UdpCamManager::toldAll(const UdpInterface &channel) {
    return dialectOf(channel.camInfo).toldAll(channel);
}

bool UdpCamManager::latestRoundAnswered() const {
    return enumerator.latestRoundAnswered();
}

int UdpCamManager::openingAt(const UdpInterface *channel) const {
    for (int i = 0; i < openings.size(); ++i) {
        if (openings.at(i).channel == channel) return i;
    }
    return -1;
}

void UdpCamManager::OnCameraDetected(UdpCamInfo *info) {
    if (!info) return;
    if (keepListed && knownAlready(*info)) return;
    // Hundreds of cameras answer one broadcast at once, and making a channel takes a while: a few dozen
    // openings start in one pass of the event loop, the rest in the next passes.
    if (startedThisPass < OpeningsPerPass && found.isEmpty()) {
        ++startedThisPass;
        startOpening(*info);
    } else {
        found.append(*info);
    }
    scheduleNextPass();
}

void UdpCamManager::scheduleNextPass() {
    if (nextPassDue) return;
    nextPassDue = true;
    clock_.singleShot(0, this, [this] {
        nextPassDue = false;
        openFound();
    });
}

void UdpCamManager::openFound() {
    startedThisPass = 0;
    while (!found.isEmpty() && startedThisPass < OpeningsPerPass) {
        ++startedThisPass;
        startOpening(found.takeFirst());
    }
    if (!found.isEmpty()) scheduleNextPass();
}

void UdpCamManager::startOpening(const UdpCamInfo &info) {
    // Rows are listed in the order found, so the index is known now.
    auto *channel = new UdpInterface(this, &network_);
    channel->setCamera(info, cameraCount() + openings.size());
    connect(channel, &UdpInterface::cameraStatusChanged, this, [this, channel](int index, int what) {
        // Until the camera is listed its index names no row.
        const int at = openingAt(channel);
        if (at >= 0)
            openings[at].heardMeanwhile.append(what);
        else
            relay(channel, index, what);
    });
    Opening opening;
    opening.channel = channel;
    opening.requests = dialectOf(info).openingRequests(channel->localPort());
    openings.append(opening);
    continueOpening(channel);
}

bool UdpCamManager::knownAlready(const UdpCamInfo &info) {
    const auto same = [&info](const UdpCamInfo &c) {
        return sameCameraAt(c, info) && c.adapterIp == info.adapterIp;
    };
    for (UdpInterface *channel : qAsConst(cameras)) {
        if (same(channel->camInfo)) {
            seenAgain.insert(channel);
            return true;
        }
    }
    for (const Opening &o : qAsConst(openings)) {
        if (same(o.channel->camInfo)) return true;
    }
    return std::any_of(found.cbegin(), found.cend(), same);
}

void UdpCamManager::OnCameraSeenAgain(const UdpCamInfo *info) {
    // Through the adapter it answered: a channel left on an adapter's former address is not seen again.
    for (UdpInterface *channel : qAsConst(cameras)) {
        if (sameCameraAt(channel->camInfo, *info) && channel->camInfo.adapterIp == info->adapterIp) {
            seenAgain.insert(channel);
            return;
        }
    }
}

void UdpCamManager::pauseOpening(UdpInterface *channel) {
    // The channel is the timer's context, and the pause looks its opening up again: after a restart it
    // finds none.
    clock_.singleShot(OpeningWaitMs, channel, [this, channel] { continueOpening(channel); });
}

void UdpCamManager::continueOpening(UdpInterface *channel) {
    const int at = openingAt(channel);
    if (at < 0) return;
    Opening &opening = openings[at];
    if (opening.sent < opening.requests.size()) {
        sendPaced(channel, opening.requests.at(opening.sent++));
        pauseOpening(channel);
        return;
    }
    opening.done = true;
    listOpened();
}

void UdpCamManager::listOpened() {
    QList<Opening> ready;
    while (!openings.isEmpty() && openings.first().done)
        ready.append(openings.takeFirst());
    if (ready.isEmpty()) return;
    for (const Opening &o : qAsConst(ready)) {
        askStatusEarly(o.channel);
        scheduleAskAgain(o.channel);
        cameras.append(o.channel);
        seenAgain.insert(o.channel); // found by the discovery under way
    }
    emit updateCameraList();
    // A receiver may restart discovery, which discards these channels.
    for (const Opening &o : qAsConst(ready)) {
        for (int what : o.heardMeanwhile) {
            if (!cameras.contains(o.channel)) return;
            relay(o.channel, o.channel->index, what);
        }
    }
}

void UdpCamManager::relay(UdpInterface *channel, int index, int what) {
    if (what == UdpInterface::StatusChanged && silent.removeAll(channel) > 0)
        emit cameraRespondingChanged(index, true);
    emit updateCameraStatus(index, what);
}

void UdpCamManager::askStatusEarly(UdpInterface *channel) {
    const QByteArray request = dialectOf(channel->camInfo).pollRequest();
    if (request.isEmpty()) return;
    // The channel is the timer's context: a restart that discards it also cancels the request.
    clock_.singleShot(EarlyStatusMs, channel, [this, channel, request] {
        if (channel->active && !channel->statusKnown) sendPaced(channel, request);
    });
}

bool UdpCamManager::isResponding(int index) const {
    const UdpInterface *channel = camera(index);
    return channel && !silent.contains(const_cast<UdpInterface *>(channel));
}

void UdpCamManager::pollCameras() {
    const QList<UdpInterface *> snapshot = cameras;
    for (UdpInterface *channel : snapshot) {
        const QByteArray request = dialectOf(channel->camInfo).pollRequest();
        if (request.isEmpty()) continue;
        if (channel->unansweredPolls >= MissedPollLimit && !silent.contains(channel)) {
            silent.append(channel);
            emit cameraRespondingChanged(channel->index, false);
        }
        sendPaced(channel, request);
        ++channel->unansweredPolls;
    }
    for (UdpInterface *channel : snapshot)
        askAgain(channel, true);
}

void UdpCamManager::scheduleAskAgain(UdpInterface *channel) {
    clock_.singleShot(AskAgainAfterMs, channel, [this, channel] { askAgain(channel, false); });
}

// Camera networks lose datagrams, and a camera may answer discovery before it answers anything else.
// What a camera has not told a little while after it was listed is asked again, in the opening's order
// and with its pause between the camera's requests, without blocking: a few times in quick succession,
// then a few times more with the polls (whose status request it follows).
void UdpCamManager::askAgain(UdpInterface *channel, bool withPoll) {
    const bool quick = channel->askedAgain < MaxAskAgain;
    if (!channel->active || quick == withPoll || channel->askedAgain >= MaxAskAgain + MaxAskWithPolls) return;
    const QList<QByteArray> requests = dialectOf(channel->camInfo).untold(*channel, quick);
    if (requests.isEmpty()) return;
    ++channel->askedAgain;
    const int first = withPoll ? 1 : 0;
    for (int i = 0; i < requests.size(); ++i) {
        const QByteArray request = requests.at(i);
        clock_.singleShot((first + i) * OpeningWaitMs, channel, [this, channel, request] {
            if (channel->active) sendPaced(channel, request);
        });
    }
    if (quick)
        clock_.singleShot(int(requests.size() - 1) * OpeningWaitMs + AskAgainAfterMs, channel,
                          [this, channel] { askAgain(channel, false); });
}

// A camera's requests go its whole pause apart, counted from the one sent last: a timer that fires
// late never brings the next one closer, and the requests of the opening, the polls and the asking
// again queue behind each other in the order they came.
void UdpCamManager::sendPaced(UdpInterface *channel, const QByteArray &request) {
    channel->waiting.append(request);
    if (channel->waiting.size() == 1) sendWaiting(channel); // else a wait for the pause is under way
}

void UdpCamManager::sendWaiting(UdpInterface *channel) {
    if (!channel->active) channel->waiting.clear();
    if (channel->waiting.isEmpty()) return;
    const qint64 now = clock_.now(), due = channel->lastSentMs + OpeningWaitMs + clock_.marginMs();
    if (channel->sentAny && now < due) {
        clock_.singleShot(int(due - now), channel, [this, channel] { sendWaiting(channel); });
        return;
    }
    channel->send(channel->waiting.takeFirst(), false);
    channel->lastSentMs = now;
    channel->sentAny = true;
    if (!channel->waiting.isEmpty())
        clock_.singleShot(OpeningWaitMs + clock_.marginMs(), channel,
                          [this, channel] { sendWaiting(channel); });
}

void UdpCamManager::dropChannels(const QList<UdpInterface *> &channels) {
    // The channels may still be on the call stack (a restart can be started from a handler of their
    // own notification), so they go later; until then they are silent, so that no notification
    // carries an index that now names another camera or no camera.
    for (UdpInterface *channel : channels) {
        channel->disconnect();
        channel->active = false;
        channel->deleteLater();
    }
}

void UdpCamManager::startDiscoveryRounds() {
    stopDiscoveryRounds();
    roundsSent = 0;
    sendDiscoveryRound();
}

void UdpCamManager::sendDiscoveryRound() {
    enumerator.beginRound();
    const QByteArray discover = opDiscover();
    enumerator.broadcast(Proto::StdDiscoverPortA, discover);
    enumerator.broadcast(Proto::StdDiscoverPortB, discover);
    enumerator.discoverAdvanced();
    const quint64 run = roundsRun_;
    // The addresses asked by unicast follow in paced batches, each address at the same place in every
    // round; a restart or a new open, which looks their routes up again, stops what is still due.
    for (const TargetBatch &batch : targetRoundSchedule(enumerator.targetCount())) {
        if (batch.atMs == 0) {
            enumerator.discoverTargets(batch.first, batch.count);
            continue;
        }
        clock_.singleShot(batch.atMs, this, [this, run, batch] {
            if (run == roundsRun_) enumerator.discoverTargets(batch.first, batch.count);
        });
    }
    const int next = roundsSent++;
    if (next >= int(std::size(DiscoveryRoundsMs))) return;
    clock_.singleShot(DiscoveryRoundsMs[next] - (next ? DiscoveryRoundsMs[next - 1] : 0), this, [this, run] {
        if (run == roundsRun_) sendDiscoveryRound();
    });
}

void UdpCamManager::rediscover(const NetAdapterInfo *adapter) {
    seenAgain.clear();
    keepListed = true;
    listenOn(adapter);
}

void UdpCamManager::forgetUnseen() {
    QList<UdpInterface *> kept, gone;
    for (UdpInterface *channel : qAsConst(cameras))
        (seenAgain.contains(channel) ? kept : gone).append(channel);
    if (gone.isEmpty()) return;
    for (UdpInterface *channel : qAsConst(gone)) {
        silent.removeAll(channel);
        // Found again later, it is a new camera.
        enumerator.forget(channel->camInfo);
    }
    cameras = kept;
    // Openings still under way follow the kept cameras.
    for (int i = 0; i < cameras.size(); ++i)
        cameras[i]->index = i;
    for (int i = 0; i < openings.size(); ++i)
        openings[i].channel->index = cameras.size() + i;
    dropChannels(gone);
}

void UdpCamManager::restartDiscovery(const NetAdapterInfo *adapter) {
    enumerator.accepting = false;
    stopDiscoveryRounds();

    QList<UdpInterface *> former = cameras;
    for (const Opening &o : qAsConst(openings))
        former.append(o.channel);
    cameras.clear();
    openings.clear();
    found.clear();
    silent.clear();
    seenAgain.clear();
    keepListed = false;
    dropChannels(former);
    listenOn(adapter);
}

void UdpCamManager::listenOn(const NetAdapterInfo *adapter) {
    enumerator.accepting = false;
    stopDiscoveryRounds();
    // Without an adapter there is nothing to listen on: discovery stays paused.
    if (!adapter) return;
    // Opened anew each time, so that an adapter that came up since is listened on too.
    if (isAllAdapters(*adapter))
        enumerator.openAll(Proto::DiscoveryBasePort);
    else
        enumerator.open(adapter->ip, adapter->mask, Proto::DiscoveryBasePort);
    startDiscoveryRounds();
}

AddressChange UdpCamManager::setCameraAddress(UdpInterface *channel, quint32 ip, quint32 mask) {
    AddressChange change;
    if (!channel) return change;
    const UdpCamInfo &info = channel->camInfo;
    change.outcome = isRouted(info) ? AddressChange::BehindRouter : AddressChange::Unchanged;
    if (isRouted(info) || (ip == info.cameraIp && mask == info.cameraMask)) return change;
    // An address a camera must not take (0.0.0.0, a broadcast, loopback, a bad mask...) is never sent.
    change.refusal = judgeCameraAddress(ip, mask, info.adapterIp);
    change.outcome = change.refusal == AddressVerdict::Usable ? AddressChange::Sent : AddressChange::Refused;
    if (change.outcome == AddressChange::Sent)
        channel->send(opSetAddress(ip, mask, info.macLow, info.macHigh), true);
    return change;
}

AddressChange UdpCamManager::setAddressByMac(const UdpCamInfo &camera, quint32 ip, quint32 mask) {
    AddressChange change;
    DatagramPort *from = enumerator.portOn(camera.adapterIp);
    if (!from) return change;
    change.outcome = isRouted(camera) ? AddressChange::BehindRouter : AddressChange::Unchanged;
    if (isRouted(camera) || (ip == camera.cameraIp && mask == camera.cameraMask)) return change;
    change.refusal = judgeCameraAddress(ip, mask, camera.adapterIp);
    change.outcome = change.refusal == AddressVerdict::Usable ? AddressChange::Sent : AddressChange::Refused;
    if (change.outcome != AddressChange::Sent) return change;
    // A camera outside the subnet, or one of several at one address, is reached only by broadcast.
    const quint32 broadcast = (camera.adapterIp & camera.adapterMask) | ~camera.adapterMask;
    from->send(opSetAddress(ip, mask, camera.macLow, camera.macHigh), broadcast, quint16(camera.cameraPort));
    return change;
}

int UdpCamManager::rowOf(const CameraId &id, quint32 ip) const {
    for (int i = 0; i < cameras.size(); ++i) {
        const UdpCamInfo &c = cameras.at(i)->camInfo;
        if (cameraId(c) == id && (ip == NoIp || c.cameraIp == ip)) return i;
    }
    return -1;
}

UdpInterface *UdpCamManager::channelOf(const CameraId &id, quint32 ip) const {
    const int row = rowOf(id, ip);
    return row >= 0 ? cameras.at(row) : nullptr;
}
