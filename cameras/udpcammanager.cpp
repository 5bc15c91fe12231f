#include "udpcammanager.h"

#include "net/adapters.h"
#include "net/addresses.h"
#include "net/datagrams.h"
#include "net/udpinterface.h"

#include <QHostAddress>

namespace {
constexpr int PollIntervalMs = 3000;
constexpr int OpeningWaitMs = 80;
// A new Standard camera is asked for its status this soon instead of at the next poll, which may be
// up to a whole interval away; a timer, so nothing blocks meanwhile.
constexpr int EarlyStatusMs = 100;
// How many polls after the opening may ask a silent camera for its name and options again.
constexpr int MaxAskAgain = 3;
} // namespace

UdpCamManager::UdpCamManager(QObject *parent) : QObject(parent) {
    connect(&pollTimer, &QTimer::timeout, this, [this] { pollCameras(); });
    pollTimer.setSingleShot(false);
    pollTimer.setInterval(PollIntervalMs);
    pollTimer.start();
    connect(&enumerator, &UdpEnumerator::cameraDetected, this, &UdpCamManager::OnCameraDetected);
}

int UdpCamManager::cameraCount() const {
    return cameras.size();
}

UdpInterface *UdpCamManager::camera(int index) const {
    return index >= 0 && index < cameras.size() ? cameras.at(index) : nullptr;
}

void UdpCamManager::OnCameraDetected(UdpCamInfo *info) {
    if (!info) return;
    waiting.append(*info);
    openNext();
}

void UdpCamManager::openNext() {
    if (opening || waiting.isEmpty()) return;
    auto *channel = new UdpInterface(this);
    channel->setCamera(waiting.takeFirst(), cameraCount());
    connect(channel, &UdpInterface::cameraStatusChanged, this, [this, channel](int index, int what) {
        // Until the camera is listed its index names no row.
        if (channel == opening)
            heldBack.append(what);
        else
            relay(channel, index, what);
    });
    opening = channel;
    openingSent = 1;
    channel->send(channel->camInfo.protocol == 1 ? advRegister(channel->localPort()) : opOptions(), false);
    pauseOpening(channel);
}

void UdpCamManager::pauseOpening(UdpInterface *channel) {
    // A coarse timer may fire up to 5 % early, and a camera needs the whole pause. The channel is the
    // timer's context, and a restart takes it out of `opening` before it goes: a pause of a former
    // opening never continues the next.
    QTimer::singleShot(OpeningWaitMs, Qt::PreciseTimer, channel,
                       [this, channel] { continueOpening(channel); });
}

void UdpCamManager::continueOpening(UdpInterface *channel) {
    if (channel != opening) return;
    const bool advanced = channel->camInfo.protocol == 1;
    if (openingSent == 1) {
        openingSent = 2;
        channel->send(advanced ? advNameQuery() : opName(), false);
        pauseOpening(channel);
        return;
    }

    opening = nullptr;
    if (!advanced) askStatusEarly(channel);
    cameras.append(channel);
    const QList<int> held = heldBack;
    heldBack.clear();
    emit updateCameraList();
    // A receiver may restart discovery, which discards this channel.
    for (int what : held) {
        if (!cameras.contains(channel)) return;
        relay(channel, channel->index, what);
    }
    openNext();
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
        if (channel->camInfo.protocol != 0) continue;
        if (channel->unansweredPolls >= MissedPollLimit && !silent.contains(channel)) {
            silent.append(channel);
            emit cameraRespondingChanged(channel->index, false);
        }
        channel->send(request, false);
        ++channel->unansweredPolls;
    }
    for (UdpInterface *channel : snapshot)
        askAgain(channel);
}

// Camera networks lose datagrams. A camera whose name or options have not come is asked again with
// the next few polls, in the opening's order and spacing, without blocking; after that it stays as
// it is and only the polls go on.
void UdpCamManager::askAgain(UdpInterface *channel) {
    const bool advanced = channel->camInfo.protocol == 1;
    QList<QByteArray> requests;
    if (!advanced && !channel->optionsAnswered) requests.append(opOptions());
    if (!channel->nameAnswered) requests.append(advanced ? advNameQuery() : opName());
    if (requests.isEmpty() || channel->askedAgain >= MaxAskAgain) return;
    ++channel->askedAgain;
    for (int i = 0; i < requests.size(); ++i) {
        const QByteArray request = requests.at(i);
        QTimer::singleShot((i + 1) * OpeningWaitMs, channel, [channel, request] {
            if (channel->active) channel->send(request, false);
        });
    }
}

void UdpCamManager::restartDiscovery(const NetAdapterInfo *adapter) {
    enumerator.accepting = false;

    // The former channels may still be on the call stack (a restart can be started from a
    // handler of their own notification), so they go later; until then they are silent, so
    // that no notification carries an index that now names another camera or no camera.
    QList<UdpInterface *> former = cameras;
    if (opening) former.append(opening);
    cameras.clear();
    silent.clear();
    opening = nullptr;
    waiting.clear();
    heldBack.clear();
    for (UdpInterface *channel : former) {
        channel->disconnect();
        channel->active = false;
        channel->deleteLater();
    }

    // Without an adapter there is nothing to listen on: discovery stays paused.
    if (!adapter) return;
    if (isAllAdapters(*adapter))
        enumerator.openAll(Proto::DiscoveryBasePort);
    else
        enumerator.open(QHostAddress(adapter->ip), QHostAddress(adapter->mask), Proto::DiscoveryBasePort);

    const QByteArray discover = opDiscover();
    enumerator.broadcast(Proto::StdDiscoverPortA, discover.constData(), discover.size());
    enumerator.broadcast(Proto::StdDiscoverPortB, discover.constData(), discover.size());
    enumerator.discoverAdvanced();
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
