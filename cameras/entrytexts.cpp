#include "modelnames.h"
#include "udpcammanager.h"

#include "net/udpinterface.h"

#include <QCoreApplication>

namespace {

struct StatusWord {
    const char *word;
    const char *colour;
};

StatusWord wordOf(int status) {
    switch (status) {
    case 2:
        return {QT_TRANSLATE_NOOP("UdpCamManager", "Live"), "silver"};
    case 3:
        return {QT_TRANSLATE_NOOP("UdpCamManager", "Waiting for trigger"), "#c00000"};
    case 4:
        return {QT_TRANSLATE_NOOP("UdpCamManager", "Recording post-trigger"), "silver"};
    case 5:
        return {QT_TRANSLATE_NOOP("UdpCamManager", "Images in memory"), "silver"};
    case 6:
        return {QT_TRANSLATE_NOOP("UdpCamManager", "Downloading"), "silver"};
    case 7:
        return {QT_TRANSLATE_NOOP("UdpCamManager", "Disconnected"), "silver"};
    case 8:
        return {QT_TRANSLATE_NOOP("UdpCamManager", "SD/SSD Transfer"), "silver"};
    case 11:
        return {QT_TRANSLATE_NOOP("UdpCamManager", "Playback"), "silver"};
    default:
        return {QT_TRANSLATE_NOOP("UdpCamManager", "Idle"), "silver"};
    }
}

// The W series has no family picture of its own; it is shown with the Karvelo body.
bool isWSeries(quint32 code) {
    return code == 18 || code == 19 || code == 20 || code == 23 || code == 25;
}

const char *const inSubnetTemplate = "<p align=left><font color=#FFAA34><b>%1 (%2)<br/><font "
                                     "color=silver><b>IP:%3 (%4) - '%5'</b></p>";
// A camera behind a router is outside the subnet as it should be; its second line says how it is reached.
const char *const routedTemplate = "<p align=left><font color=#FFAA34><b>%1 (%2)<br/><font "
                                   "color=silver><b>IP:%3 (%4) - '%5' - %6</b></p>";
const char *const outOfSubnetTemplate = "<p align=left><font color=silver><b>%1 (%2)<br/><font "
                                        "color=red><b>IP:%3 (%4) - '%5'</b></font></p>";

} // namespace

QString UdpCamManager::cameraText(int index) const {
    const UdpInterface *channel = camera(index);
    if (!channel) return QStringLiteral("Camera");
    const UdpCamInfo &info = channel->camInfo;

    // The name comes from the camera: it is shown as text, never read as markup.
    const QString name = cameraTitle(*channel, index).toHtmlEscaped();
    const QString link = linkName(info);
    // One substitution pass, so that a "%n" inside a camera's name is not filled in again.
    if (isRouted(info))
        return QString::fromLatin1(routedTemplate)
            .arg(name, modelName(info), channel->cameraIpText(), link, stateText(index),
                 QCoreApplication::translate("UdpCamManager", "routed"));
    const QString templ = QString::fromLatin1(inAdapterSubnet(info) ? inSubnetTemplate : outOfSubnetTemplate);
    return templ.arg(name, modelName(info), channel->cameraIpText(), link, stateText(index));
}

UdpCamManager::State UdpCamManager::cameraState(int index) const {
    const UdpInterface *channel = camera(index);
    // Advanced cameras are never polled: what they last said stands.
    if (!channel || isAdvanced(channel->camInfo)) return StateReported;
    if (!isResponding(index)) return StateNotResponding;
    return channel->statusKnown ? StateReported : StateUnknown;
}

QString UdpCamManager::stateText(int index) const {
    const UdpInterface *channel = camera(index);
    switch (cameraState(index)) {
    case StateUnknown:
        return QStringLiteral("<font color=gray>%1</font>")
            .arg(QCoreApplication::translate("UdpCamManager", "Status not yet known"));
    case StateNotResponding:
        return QStringLiteral("<font color=gray>%1</font>")
            .arg(QCoreApplication::translate("UdpCamManager", "Not responding"));
    default:
        return statusText(channel ? int(channel->status) : 0);
    }
}

QString UdpCamManager::statusText(int status) {
    const StatusWord w = wordOf(status);
    return QStringLiteral("<font color=%1>%2</font>")
        .arg(QLatin1String(w.colour))
        .arg(QCoreApplication::translate("UdpCamManager", w.word));
}

bool UdpCamManager::isNamedStatus(quint32 status) {
    return (status >= 1 && status <= 8) || status == 11;
}

QString UdpCamManager::statusWord(int status) {
    return QCoreApplication::translate("UdpCamManager", wordOf(status).word);
}

QString UdpCamManager::statusBulletName(quint32 status) {
    switch (status) {
    case 3:
        return QStringLiteral(":/res/b_red.png");
    case 4:
        return QStringLiteral(":/res/b_orange.png");
    case 8:
        return QStringLiteral(":/res/b_blue.png");
    default:
        return QStringLiteral(":/res/b_green.png");
    }
}

QString UdpCamManager::familyPictureName(int family) {
    switch (family) {
    case 2:
        return QStringLiteral(":/res/cam-j.png");
    case 3:
        return QStringLiteral(":/res/cam-wk.png");
    case 4:
    case 5:
        return QStringLiteral(":/res/cam-pwg.png");
    case 6:
        return QStringLiteral(":/res/cam-pwy.png");
    case 7:
        return QStringLiteral(":/res/cam-tvm.png");
    case 8:
        return QStringLiteral(":/res/cam-dm.png");
    case 9:
        return QStringLiteral(":/res/cam-bt.png");
    default:
        return QString();
    }
}

QPixmap UdpCamManager::statusBullet(int index) const {
    const UdpInterface *channel = camera(index);
    if (!channel) return QPixmap();
    if (cameraState(index) != StateReported) return QPixmap(QStringLiteral(":/res/b_gray.png"));
    return QPixmap(statusBulletName(channel->status));
}

QPixmap UdpCamManager::cameraPicture(int index) const {
    const UdpInterface *channel = camera(index);
    if (!channel) return QPixmap();
    const QString name = isWSeries(channel->camInfo.cameraType) ? familyPictureName(3)
                                                                : familyPictureName(cameraFamily(channel));
    return name.isEmpty() ? QPixmap() : QPixmap(name);
}
