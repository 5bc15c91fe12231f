#pragma once

#include "doctor/addressplan.h"
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

// One line of the address plan: the camera, its name when it is listed, where it goes and, once the plan
// was applied, whether the command went out and the camera answers at its new address.
struct PlanLine {
    UdpCamInfo camera;
    QString name;
    bool listed = false;
    AddressMove move;
    bool sent = false;
    bool answered = false;
};
QJsonObject planLineJson(const PlanLine &line, bool applied);
QStringList planHeadings(bool applied);
QStringList planCells(const PlanLine &line, bool applied);
