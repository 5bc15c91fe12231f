#include "camerafields.h"

#include "cameras/modelnames.h"
#include "cameras/udpcammanager.h"
#include "clipsummary.h"

#include "net/addresses.h"

#include <QCoreApplication>
#include <QJsonArray>

#include <cmath>
#include <iterator>
#include <limits>

namespace {

// JSON numbers are doubles; a 64-bit count beyond qint64 is kept positive as a double.
QJsonValue unsignedValue(quint64 v) {
    if (v > quint64(std::numeric_limits<qint64>::max())) return QJsonValue(double(v));
    return QJsonValue(qint64(v));
}

QJsonValue unsignedValue(quint32 v) {
    return QJsonValue(qint64(v));
}

QJsonValue clipsJson(const CameraSnapshot &s) {
    QJsonArray clips;
    for (const ClipInfo &clip : s.clips) {
        QJsonObject c;
        c.insert(QStringLiteral("clipNumber"), int(clip.clipNumber));
        c.insert(QStringLiteral("frameCount"), unsignedValue(clip.frameCount));
        c.insert(QStringLiteral("frameRate"),
                 std::isfinite(clip.frameRate) ? QJsonValue(double(clip.frameRate)) : QJsonValue());
        c.insert(QStringLiteral("width"), int(clip.width));
        c.insert(QStringLiteral("height"), int(clip.height));
        c.insert(QStringLiteral("firstFrame"), unsignedValue(clip.firstFrame));
        c.insert(QStringLiteral("trimStart"), unsignedValue(clip.trimStart));
        c.insert(QStringLiteral("trimEnd"), unsignedValue(clip.trimEnd));
        c.insert(QStringLiteral("summary"), plainClipSummary(clip));
        clips.append(c);
    }
    return clips;
}

using F = CameraField;
using S = const CameraSnapshot &;
const CameraFieldDef fields[] = {
    {F::Index, "index", "#", QT_TRANSLATE_NOOP("CameraList", "Index"), nullptr, nullptr,
     [](S s) { return QString::number(s.row); },
     [](S s) { return s.listed() ? QJsonValue(s.row) : QJsonValue(); }},
    {F::Name, "name", "Name", QT_TRANSLATE_NOOP("CameraList", "Name"),
     QT_TRANSLATE_NOOP("CamInfoDlg", "Name"), nullptr, [](S s) { return s.name; }, nullptr},
    {F::Title, "title", "Name", nullptr, nullptr, nullptr, [](S s) { return cameraTitle(s.name, s.row); },
     nullptr},
    {F::Model, "model", "Model", QT_TRANSLATE_NOOP("CameraList", "Model"),
     QT_TRANSLATE_NOOP("CamInfoDlg", "Model"), QT_TRANSLATE_NOOP("AssignAddressesDlg", "Model"),
     [](S s) { return modelName(s.info); }, nullptr},
    {F::Serial, "serial", "Serial", QT_TRANSLATE_NOOP("CameraList", "Serial number"),
     QT_TRANSLATE_NOOP("CamInfoDlg", "Serial Number"),
     QT_TRANSLATE_NOOP("AssignAddressesDlg", "Serial number"), [](S s) { return serialText(s.info); },
     nullptr},
    {F::Firmware, "firmware", "Firmware", QT_TRANSLATE_NOOP("CameraList", "Firmware"),
     QT_TRANSLATE_NOOP("CamInfoDlg", "Firmware Versions"), nullptr, [](S s) { return firmwareText(s.info); },
     nullptr},
    {F::Protocol, "protocol", "Protocol", QT_TRANSLATE_NOOP("CameraList", "Protocol"),
     QT_TRANSLATE_NOOP("CamInfoDlg", "Camera Protocol"), nullptr, [](S s) { return protocolName(s.info); },
     nullptr},
    {F::Ip, "ip", "IP", QT_TRANSLATE_NOOP("CameraList", "IP address"),
     QT_TRANSLATE_NOOP("CamInfoDlg", "Camera IP Address"), QT_TRANSLATE_NOOP("AssignAddressesDlg", "Address"),
     [](S s) { return ipToText(s.info.cameraIp); }, nullptr},
    {F::Mask, "mask", nullptr, QT_TRANSLATE_NOOP("CameraList", "Mask"),
     QT_TRANSLATE_NOOP("CamInfoDlg", "Camera Subnet Mask"), nullptr,
     [](S s) { return ipToText(s.info.cameraMask); }, nullptr},
    {F::Mac, "mac", "MAC", QT_TRANSLATE_NOOP("CameraList", "MAC address"),
     QT_TRANSLATE_NOOP("CamInfoDlg", "Camera MAC Address"),
     QT_TRANSLATE_NOOP("AssignAddressesDlg", "MAC address"),
     [](S s) { return macToText(s.info.macLow, s.info.macHigh); }, nullptr},
    {F::Port, "port", nullptr, nullptr, nullptr, nullptr,
     [](S s) { return QString::number(s.info.cameraPort); },
     [](S s) { return unsignedValue(s.info.cameraPort); }},
    {F::AdapterIp, "adapterIp", "Adapter", QT_TRANSLATE_NOOP("CameraList", "Adapter"),
     QT_TRANSLATE_NOOP("CamInfoDlg", "Network Adp IP Address"), nullptr,
     [](S s) { return ipToText(s.info.adapterIp); }, nullptr},
    {F::AdapterMask, "adapterMask", nullptr, nullptr,
     QT_TRANSLATE_NOOP("CamInfoDlg", "Network Adp Subnet Mask"), nullptr,
     [](S s) { return ipToText(s.info.adapterMask); }, nullptr},
    {F::AdapterMtu, "adapterMtu", "MTU", nullptr, QT_TRANSLATE_NOOP("CamInfoDlg", "Network Adp MTU"), nullptr,
     [](S s) { return QString::number(s.info.adapterMtu); },
     [](S s) { return unsignedValue(s.info.adapterMtu); }},
    {F::Link, "link", "Link", QT_TRANSLATE_NOOP("CameraList", "Link"), nullptr, nullptr,
     [](S s) { return linkName(s.info); }, nullptr},
    {F::Status, "status", nullptr, nullptr, nullptr, nullptr, [](S s) { return QString::number(s.status); },
     [](S s) { return unsignedValue(s.status); }},
    {F::StatusKnown, "statusKnown", nullptr, nullptr, nullptr, nullptr, nullptr,
     [](S s) { return QJsonValue(statusKnown(s)); }},
    {F::StatusText, "statusText", "Status", QT_TRANSLATE_NOOP("CameraList", "Status"), nullptr, nullptr,
     statusText, nullptr},
    // False for a camera that has not yet told its name (a Standard one also its options and a status).
    {F::AnsweredInTime, "answeredInTime", nullptr, nullptr, nullptr, nullptr, nullptr,
     [](S s) { return QJsonValue(s.toldAll); }},
    {F::InAdapterSubnet, "inAdapterSubnet", nullptr, QT_TRANSLATE_NOOP("CameraList", "In subnet"), nullptr,
     nullptr,
     [](S s) {
         return inAdapterSubnet(s.info) ? QCoreApplication::translate("CameraList", "yes")
                                        : QCoreApplication::translate("CameraList", "no");
     },
     [](S s) { return QJsonValue(inAdapterSubnet(s.info)); }},
    // The command line's table marks a camera outside its adapter's subnet, and explains the mark below.
    // A camera behind a router is outside the subnet as it should be: it says so instead.
    {F::OutsideMark, "outsideMark", "Subnet", nullptr, nullptr, nullptr,
     [](S s) {
         return isRouted(s.info)          ? QStringLiteral("routed")
                : inAdapterSubnet(s.info) ? QString()
                                          : QStringLiteral("!");
     },
     nullptr},
    {F::Options, "options", nullptr, nullptr, nullptr, nullptr, nullptr,
     [](S s) { return unsignedValue(s.info.options); }},
    {F::CameraType, "cameraType", nullptr, nullptr, nullptr, nullptr, nullptr,
     [](S s) { return unsignedValue(s.info.cameraType); }},
    {F::SensorType, "sensorType", nullptr, nullptr, nullptr, nullptr, nullptr,
     [](S s) { return unsignedValue(s.info.sensorType); }},
    {F::Clips, "clips", nullptr, nullptr, QT_TRANSLATE_NOOP("CamInfoDlg", "Stored clips"), nullptr,
     [](S s) { return QString::number(s.clips.size()); }, clipsJson},
    {F::Listed, "listed", nullptr, nullptr, nullptr, nullptr, nullptr,
     [](S s) { return QJsonValue(s.listed()); }},
    // Found by a request to its own address and answering through a gateway.
    {F::Routed, "routed", nullptr, nullptr, nullptr, nullptr, nullptr,
     [](S s) { return QJsonValue(isRouted(s.info)); }},
};
static_assert(std::size(fields) == size_t(CameraField::Routed) + 1, "one definition per field");

} // namespace

const CameraFieldDef &cameraField(CameraField field) {
    // In the order of the enumeration, so that a field is found by its value.
    return fields[int(field)];
}

QString fieldText(CameraField field, const CameraSnapshot &camera) {
    const CameraFieldDef &f = cameraField(field);
    return f.text ? f.text(camera) : QString();
}

QJsonValue fieldJson(CameraField field, const CameraSnapshot &camera) {
    const CameraFieldDef &f = cameraField(field);
    return f.json ? f.json(camera) : QJsonValue(fieldText(field, camera));
}

QJsonObject fieldsJson(const QList<CameraField> &list, const CameraSnapshot &camera) {
    QJsonObject o;
    for (CameraField field : list)
        o.insert(QLatin1String(cameraField(field).key), fieldJson(field, camera));
    return o;
}

QString listLabel(CameraField field) {
    return QCoreApplication::translate("CameraList", cameraField(field).listLabel);
}

QString infoLabel(CameraField field) {
    return QCoreApplication::translate("CamInfoDlg", cameraField(field).infoLabel);
}

QString planLabel(CameraField field) {
    return QCoreApplication::translate("AssignAddressesDlg", cameraField(field).planLabel);
}

bool statusKnown(const CameraSnapshot &camera) {
    return isAdvanced(camera.info) || camera.statusReplied;
}

QString statusText(const CameraSnapshot &camera) {
    if (isAdvanced(camera.info)) return UdpCamManager::statusWord(int(camera.status));
    return statusDescription(camera.status, camera.statusReplied);
}

QString statusDescription(quint32 status, bool known) {
    if (!known) return QCoreApplication::translate("UdpCamManager", "Status not yet known");
    if (UdpCamManager::isNamedStatus(status)) return UdpCamManager::statusWord(int(status));
    return QCoreApplication::translate("UdpCamManager", "Unknown status (%1)").arg(status);
}

QString plainClipSummary(const ClipInfo &clip) {
    const ClipSummaryLines lines = clipSummaryLines(clip);
    return lines.head + QLatin1String(" | ") + lines.trim.trimmed() + QLatin1String(" | ") + lines.format;
}
