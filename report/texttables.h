#pragma once

// The command line's tables: adapters, cameras and the address plan, as text in columns, and the plan's
// lines as JSON.
#include "cameras/camerasnapshot.h"
#include "doctor/addressplan.h"

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

struct NetAdapterInfo;

// Rows of cells printed in columns two blanks apart, the last column unpadded.
QString alignedTable(const QList<QStringList> &rows);
QString adapterTable(const QList<NetAdapterInfo> &adapters);
// The cameras in columns; with `onlyRow`, just the camera in that row.
QString cameraTable(const QList<CameraSnapshot> &cameras, int onlyRow = -1);

// One line of the address plan: the camera, where it goes and, once the plan was applied, whether the
// command went out and the camera answers at its new address.
struct PlanLine {
    CameraSnapshot camera;
    AddressMove move;
    bool sent = false;
    bool answered = false;
};
QJsonObject planLineJson(const PlanLine &line, bool applied);
QStringList planHeadings(bool applied);
QStringList planCells(const PlanLine &line, bool applied);
