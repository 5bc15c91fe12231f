#include "udpcammanager.h"

#include "net/adapters.h"
#include "net/addresses.h"
#include "net/datagrams.h"
#include "net/udpinterface.h"
#include "net/udplocalsocket.h"

#include <QHostAddress>

#include <algorithm>
#include <iterator>

namespace {
constexpr int PollIntervalMs = 3000;
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

UdpCamManager::UdpCamManager(QObject *parent) : QObject(parent) {
    connect(&pollTimer, &QTimer::timeout, this, [this] { pollCameras(); });
    pollTimer.setSingleShot(false);
    pollTimer.setInterval(PollIntervalMs);
    pollTimer.start();
    connect(&enumerator, &UdpEnumerator::cameraDetected, this, &UdpCamManager::OnCameraDetected);
    connect(&enumerator, &UdpEnumerator::cameraSeenAgain, this, &UdpCamManager::OnCameraSeenAgain);
    discoveryRounds.setSingleShot(true);
    discoveryRounds.setTimerType(Qt::PreciseTimer);
    connect(&discoveryRounds, &QTimer::timeout, this, [this] { sendDiscoveryRound(); });
    nextPass.setSingleShot(true);
    connect(&nextPass, &QTimer::timeout, this, [this] { openFound(); });
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
    if (!channel.nameAnswered) return false;
    return isAdvanced(channel.camInfo) || (channel.optionsAnswered && channel.statusKnown);
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
    if (!nextPass.isActive()) nextPass.start(0);
}

void UdpCamManager::openFound() {
    startedThisPass = 0;
    while (!found.isEmpty() && startedThisPass < OpeningsPerPass) {
        ++startedThisPass;
        startOpening(found.takeFirst());
    }
    if (!found.isEmpty()) nextPass.start(0);
}

void UdpCamManager::startOpening(const UdpCamInfo &info) {
    // Rows are listed in the order found, so the index is known now.
    auto *channel = new UdpInterface(this);
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
    opening.sent = 1;
    openings.append(opening);
    channel->send(isAdvanced(channel->camInfo) ? advRegister(channel->localPort()) : opOptions(), false);
    pauseOpening(channel);
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
    for (UdpInterface *channel : qAsConst(cameras)) {
        if (sameCameraAt(channel->camInfo, *info)) {
            seenAgain.insert(channel);
            return;
        }
    }
}

void UdpCamManager::pauseOpening(UdpInterface *channel) {
    // A coarse timer may fire up to 5 % early, and a camera needs the whole pause. The channel is the
    // timer's context, and the pause looks its opening up again: after a restart it finds none.
    QTimer::singleShot(OpeningWaitMs, Qt::PreciseTimer, channel,
                       [this, channel] { continueOpening(channel); });
}

void UdpCamManager::continueOpening(UdpInterface *channel) {
    const int at = openingAt(channel);
    if (at < 0) return;
    Opening &opening = openings[at];
    if (opening.sent == 1) {
        opening.sent = 2;
        channel->send(isAdvanced(channel->camInfo) ? advNameQuery() : opName(), false);
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
        if (isStandard(o.channel->camInfo)) askStatusEarly(o.channel);
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
    // The channel is the timer's context: a restart that discards it also cancels the request.
    QTimer::singleShot(EarlyStatusMs, channel, [channel] {
        if (channel->active && !channel->statusKnown) channel->send(opStatus(), false);
    });
}

bool UdpCamManager::isResponding(int index) const {
    const UdpInterface *channel = camera(index);
    return channel && !silent.contains(const_cast<UdpInterface *>(channel));
}

void UdpCamManager::pollCameras() {
    const QList<UdpInterface *> snapshot = cameras;
    const QByteArray request = opStatus();
    for (UdpInterface *channel : snapshot) {
        if (isAdvanced(channel->camInfo)) continue;
        if (channel->unansweredPolls >= MissedPollLimit && !silent.contains(channel)) {
            silent.append(channel);
            emit cameraRespondingChanged(channel->index, false);
        }
        channel->send(request, false);
        ++channel->unansweredPolls;
    }
    for (UdpInterface *channel : snapshot)
        askAgain(channel, true);
}

void UdpCamManager::scheduleAskAgain(UdpInterface *channel) {
    QTimer::singleShot(AskAgainAfterMs, channel, [this, channel] { askAgain(channel, false); });
}

// Camera networks lose datagrams, and a camera may answer discovery before it answers anything else.
// What a camera has not told a little while after it was listed is asked again, in the opening's order
// and with its pause between the camera's requests, without blocking: a few times in quick succession,
// then a few times more with the polls (whose status request it follows).
void UdpCamManager::askAgain(UdpInterface *channel, bool withPoll) {
    const bool quick = channel->askedAgain < MaxAskAgain;
    if (!channel->active || quick == withPoll || channel->askedAgain >= MaxAskAgain + MaxAskWithPolls) return;
    const bool advanced = isAdvanced(channel->camInfo);
    QList<QByteArray> requests;
    if (!advanced && !channel->optionsAnswered) requests.append(opOptions());
    if (!channel->nameAnswered) requests.append(advanced ? advNameQuery() : opName());
    if (!advanced && !channel->statusKnown && quick) requests.append(opStatus());
    if (requests.isEmpty()) return;
    ++channel->askedAgain;
    const int first = withPoll ? 1 : 0;
    for (int i = 0; i < requests.size(); ++i) {
        const QByteArray request = requests.at(i);
        QTimer::singleShot((first + i) * OpeningWaitMs, Qt::PreciseTimer, channel, [channel, request] {
            if (channel->active) channel->send(request, false);
        });
    }
    if (quick)
        QTimer::singleShot(int(requests.size() - 1) * OpeningWaitMs + AskAgainAfterMs, channel,
                           [this, channel] { askAgain(channel, false); });
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
    roundsSent = 0;
    sendDiscoveryRound();
}

void UdpCamManager::sendDiscoveryRound() {
    enumerator.beginRound();
    const QByteArray discover = opDiscover();
    enumerator.broadcast(Proto::StdDiscoverPortA, discover.constData(), discover.size());
    enumerator.broadcast(Proto::StdDiscoverPortB, discover.constData(), discover.size());
    enumerator.discoverAdvanced();
    const int next = roundsSent++;
    if (next < int(std::size(DiscoveryRoundsMs)))
        discoveryRounds.start(DiscoveryRoundsMs[next] - (next ? DiscoveryRoundsMs[next - 1] : 0));
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
    discoveryRounds.stop();

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
    discoveryRounds.stop();
    // Without an adapter there is nothing to listen on: discovery stays paused.
    if (!adapter) return;
    // Opened anew each time, so that an adapter that came up since is listened on too.
    if (isAllAdapters(*adapter))
        enumerator.openAll(Proto::DiscoveryBasePort);
    else
        enumerator.open(QHostAddress(adapter->ip), QHostAddress(adapter->mask), Proto::DiscoveryBasePort);
    startDiscoveryRounds();
}

AddressChange UdpCamManager::setCameraAddress(UdpInterface *channel, quint32 ip, quint32 mask) {
    AddressChange change;
    if (!channel) return change;
    const UdpCamInfo &info = channel->camInfo;
    change.outcome = AddressChange::Unchanged;
    if (ip == info.cameraIp && mask == info.cameraMask) return change;
    // An address a camera must not take (0.0.0.0, a broadcast, loopback, a bad mask...) is never sent.
    change.refusal = judgeCameraAddress(ip, mask, info.adapterIp);
    change.outcome = change.refusal == AddressVerdict::Usable ? AddressChange::Sent : AddressChange::Refused;
    if (change.outcome == AddressChange::Sent)
        channel->send(opSetAddress(ip, mask, info.macLow, info.macHigh), true);
    return change;
}

AddressChange UdpCamManager::setAddressByMac(const UdpCamInfo &camera, quint32 ip, quint32 mask) {
    AddressChange change;
    UdpLocalSocket *from = nullptr;
    for (UdpLocalSocket *socket : qAsConst(enumerator.sockets)) {
        if (socket->address.toIPv4Address() == camera.adapterIp) from = socket;
    }
    if (!from) return change;
    change.outcome = AddressChange::Unchanged;
    if (ip == camera.cameraIp && mask == camera.cameraMask) return change;
    change.refusal = judgeCameraAddress(ip, mask, camera.adapterIp);
    change.outcome = change.refusal == AddressVerdict::Usable ? AddressChange::Sent : AddressChange::Refused;
    if (change.outcome != AddressChange::Sent) return change;
    // A camera outside the subnet, or one of several at one address, is reached only by broadcast.
    const quint32 broadcast = (camera.adapterIp & camera.adapterMask) | ~camera.adapterMask;
    from->writeDatagram(opSetAddress(ip, mask, camera.macLow, camera.macHigh), QHostAddress(broadcast),
                        quint16(camera.cameraPort));
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
