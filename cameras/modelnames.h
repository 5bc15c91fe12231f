#pragma once

#include <QString>
#include <QtGlobal>

struct UdpCamInfo;
class UdpInterface;

// Picture family 0..9 of an internal model code.
int cameraFamily(quint32 cameraType);
int cameraFamily(const UdpInterface *channel);

// Each writes a NUL-terminated text into `buffer` (at least 128 bytes).
void buildModelName(quint32 code, quint32 variant, quint32 options, char *buffer);
void formatFirmwareVersion(quint32 code, quint32 first, quint32 second, char *buffer);
void formatSerialNumber(quint32 code, quint32 serial, char *buffer);

QString modelName(const UdpCamInfo &info);
QString firmwareText(const UdpCamInfo &info);
QString serialText(const UdpCamInfo &info);
// "Standard" or "Advanced"; "1G" or "10G".
QString protocolName(const UdpCamInfo &info);
QString linkName(const UdpCamInfo &info);
// What a camera's row is titled: its name, or "Camera n" before the name has arrived.
QString cameraTitle(const UdpInterface &channel, int index);
QString cameraTitle(const QString &name, int index);
