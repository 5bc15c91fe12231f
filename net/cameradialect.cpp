#include "cameradialect.h"

#include "bytes.h"
#include "datagrams.h"

// A datagram too short for its magic, opcode or reply code reads as zeros there, which none of them is.

QList<QByteArray> StandardCameraDialect::openingRequests(quint16) const {
    return {opOptions(), opName()};
}

QByteArray StandardCameraDialect::pollRequest() const {
    return opStatus();
}

QList<QByteArray> StandardCameraDialect::untold(const CameraState &channel, bool withStatus) const {
    QList<QByteArray> requests;
    if (!channel.optionsAnswered) requests.append(opOptions());
    if (!channel.nameAnswered) requests.append(opName());
    if (!channel.statusKnown && withStatus) requests.append(opStatus());
    return requests;
}

int StandardCameraDialect::take(CameraState &channel, const QByteArray &datagram) const {
    const ByteReader r(datagram);
    switch (r.u8(3)) {
    case Proto::OpName:
        channel.cameraName = QString::fromLatin1(r.cString(8, Proto::MaxNameBytes));
        channel.nameAnswered = true;
        return CameraState::NameChanged;
    case Proto::OpStatus:
        if (r.size() < Proto::StdStatusReplyLength) return NoChange;
        channel.status = r.u32(12);
        channel.statusKnown = true;
        channel.unansweredPolls = 0;
        return CameraState::StatusChanged;
    case Proto::OpReadings:
        return CameraState::ReadingsArrived;
    case Proto::OpOptions:
        if (r.size() < Proto::StdStatusReplyLength) return NoChange;
        channel.camInfo.options |= optionBits(r.u8(15), r.u8(14));
        channel.optionsAnswered = true;
        return CameraState::OptionsChanged;
    default:
        return NoChange;
    }
}

bool StandardCameraDialect::toldAll(const CameraState &channel) const {
    return channel.nameAnswered && channel.optionsAnswered && channel.statusKnown;
}

QList<QByteArray> AdvancedCameraDialect::openingRequests(quint16 localPort) const {
    // The camera sends its clip lists to the port it is registered with.
    return {advRegister(localPort), advNameQuery()};
}

QByteArray AdvancedCameraDialect::pollRequest() const {
    return QByteArray();
}

QList<QByteArray> AdvancedCameraDialect::untold(const CameraState &channel, bool) const {
    if (channel.nameAnswered) return {};
    return {advNameQuery()};
}

int AdvancedCameraDialect::take(CameraState &channel, const QByteArray &datagram) const {
    const ByteReader r(datagram);
    const quint32 magic = r.u32(0);
    if (magic == Proto::AdvCommand) {
        if (r.u8(4) != Proto::AdvNameReplyCode) return NoChange;
        channel.cameraName = QString::fromLatin1(r.cString(Proto::AdvNameOffset, Proto::MaxNameBytes));
        channel.nameAnswered = true;
        return CameraState::NameChanged;
    }
    if (magic == Proto::AdvClipList && channel.mergeClipList(datagram)) return CameraState::ClipsChanged;
    return NoChange;
}

bool AdvancedCameraDialect::toldAll(const CameraState &channel) const {
    return channel.nameAnswered;
}

const CameraDialect &dialectOf(const UdpCamInfo &camera) {
    static const StandardCameraDialect standard;
    static const AdvancedCameraDialect advanced;
    if (isAdvanced(camera)) return advanced;
    return standard;
}
