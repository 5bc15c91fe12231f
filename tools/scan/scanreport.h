#pragma once

#include "report/reportjson.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdio>

struct ClipInfo;
struct NetAdapterInfo;
class UdpCamManager;
class UdpInterface;

// Writes the text in the local encoding and flushes, so that a pipe sees every line at once.
void printTo(FILE *to, const QString &text);

// Rows of cells printed in columns two blanks apart, the last column unpadded.
QString alignedTable(const QList<QStringList> &rows);
QString adapterTable(const QList<NetAdapterInfo> &adapters);
// The cameras in columns; with `only`, just the camera with that index.
QString cameraTable(const UdpCamManager &manager, int only = -1);
