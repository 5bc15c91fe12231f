#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <cstdio>

struct ClipInfo;
struct NetAdapterInfo;
class UdpCamManager;
enum class ConflictKind;
class UdpInterface;

// The clip summary of the clip list in plain text: its three lines joined by " | ".
QString plainClipSummary(const ClipInfo &clip);
// What a camera's row is titled: its name, or "Camera n" before the name has arrived.
QString cameraTitle(const UdpInterface &channel, int index);

// Writes the text in the local encoding and flushes, so that a pipe sees every line at once.
void printTo(FILE *to, const QString &text);

QJsonObject adapterJson(const NetAdapterInfo &adapter);
QJsonArray adaptersJson(const QList<NetAdapterInfo> &adapters);
QJsonObject cameraJson(const UdpInterface &channel, int index);
// null when there is no conflict, else {"code", "text"}.
QJsonValue conflictJson(ConflictKind kind);

QString adapterTable(const QList<NetAdapterInfo> &adapters);
// The cameras in columns; with `only`, just the camera with that index.
QString cameraTable(const UdpCamManager &manager, int only = -1);
