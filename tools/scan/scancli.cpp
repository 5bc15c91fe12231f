#include "scancli.h"

#include "scanreport.h"

#include "cameras/udpcammanager.h"
#include "net/udpinterface.h"

#include <QJsonDocument>

#include <vector>

void printJson(const QJsonObject &o) {
    printTo(stdout, QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented)));
}

int refuse(const QString &message) {
    printTo(stderr, QStringLiteral("varnix-scan: %1\nTry 'varnix-scan --help'.\n").arg(message));
    return 2;
}

QList<NetAdapterInfo> inventory() {
    std::vector<NetAdapterInfo> buffer(MaxAdapters);
    const int n = listAdapters(buffer.data(), MaxAdapters);
    QList<NetAdapterInfo> adapters;
    for (int i = 0; i < n; ++i)
        adapters.append(buffer[size_t(i)]);
    return adapters;
}

const NetAdapterInfo *findAdapter(const QList<NetAdapterInfo> &adapters, const QString &name) {
    const NetAdapterInfo *found = nullptr;
    for (const NetAdapterInfo &a : adapters) {
        if (QString::fromLocal8Bit(a.name) == name) found = &a;
    }
    return found;
}

UdpInterface *cameraAt(const UdpCamManager &manager, quint32 ip, const UdpCamInfo *who) {
    for (int i = 0; i < manager.cameraCount(); ++i) {
        UdpInterface *channel = manager.camera(i);
        if (channel && channel->camInfo.cameraIp == ip && (!who || sameCamera(channel->camInfo, *who)))
            return channel;
    }
    return nullptr;
}
