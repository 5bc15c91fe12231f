#pragma once

// A camera's fields, each defined once: its key, its headings and labels, and how its value is made from
// a snapshot. Every JSON, table, list, dialog and metric that shows a camera picks its fields from here,
// in its own order.
#include "cameras/camerasnapshot.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>
#include <QStringList>

enum class CameraField {
    Index,
    Name,
    Title,
    Model,
    Serial,
    Firmware,
    Protocol,
    Ip,
    Mask,
    Mac,
    Port,
    AdapterIp,
    AdapterMask,
    AdapterMtu,
    Link,
    Status,
    StatusKnown,
    StatusText,
    AnsweredInTime,
    InAdapterSubnet,
    OutsideMark,
    Options,
    CameraType,
    SensorType,
    Clips,
    Listed,
    Routed,
};

struct CameraFieldDef {
    CameraField field;
    const char *key;     // JSON key and metric label
    const char *heading; // in the command line's tables; null where none shows it
    // Untranslated labels, each in the context of the one front that shows it: the camera list's column
    // ("CameraList"), the information dialog's row ("CamInfoDlg"), the address plan's column
    // ("AssignAddressesDlg"); null where it does not show the field.
    const char *listLabel;
    const char *infoLabel;
    const char *planLabel;
    QString (*text)(const CameraSnapshot &); // as tables, lists, dialogs and labels show it
    // As JSON; null for a field written as its text.
    QJsonValue (*json)(const CameraSnapshot &);
};

const CameraFieldDef &cameraField(CameraField field);
QString fieldText(CameraField field, const CameraSnapshot &camera);
QJsonValue fieldJson(CameraField field, const CameraSnapshot &camera);
QJsonObject fieldsJson(const QList<CameraField> &fields, const CameraSnapshot &camera);
// The labels in the running program's language.
QString listLabel(CameraField field);
QString infoLabel(CameraField field);
QString planLabel(CameraField field);

// Whether a camera's status can be shown (a Standard camera's once it has answered a status request;
// an Advanced one stands at what it last said), and the words for it.
bool statusKnown(const CameraSnapshot &camera);
QString statusText(const CameraSnapshot &camera);
// A camera's status in words for the reports and the command line: "Status not yet known" before a
// status reply, the status word of a code the cameras define, and the number of any other.
QString statusDescription(quint32 status, bool known);
// The clip summary of the clip list in plain text: its three lines joined by " | ".
QString plainClipSummary(const ClipInfo &clip);
