#include "texttables.h"

#include "camerafields.h"

#include "net/adapters.h"
#include "net/addresses.h"

namespace {

using F = CameraField;
const F cameraColumns[] = {F::Index,      F::Title,      F::Model,      F::Ip,  F::Link,
                           F::StatusText, F::Serial,     F::Firmware,   F::Mac, F::Protocol,
                           F::AdapterIp,  F::AdapterMtu, F::OutsideMark};
const F planColumns[] = {F::Mac, F::Serial, F::Model, F::Name, F::Ip};
const F planJsonFields[] = {F::Mac, F::Serial, F::Model, F::Name, F::Listed, F::Ip, F::AdapterIp};

// What a camera sent is shown with its control characters visible, so that it cannot split a line.
QStringList cells(const F *begin, const F *end, const CameraSnapshot &camera) {
    QStringList row;
    for (const F *f = begin; f != end; ++f)
        row << visibleText(fieldText(*f, camera));
    return row;
}

} // namespace

QString alignedTable(const QList<QStringList> &rows) {
    QList<int> widths;
    for (const QStringList &row : rows) {
        for (int c = 0; c < row.size(); ++c) {
            if (c >= widths.size()) widths.append(0);
            widths[c] = qMax(widths[c], row.at(c).size());
        }
    }
    QString out;
    for (const QStringList &row : rows) {
        QString line;
        for (int c = 0; c < row.size(); ++c) {
            if (c + 1 < row.size())
                line += row.at(c).leftJustified(widths[c]) + QLatin1String("  ");
            else
                line += row.at(c);
        }
        int end = line.size();
        while (end > 0 && line.at(end - 1) == QLatin1Char(' '))
            --end;
        out += line.left(end) + QLatin1Char('\n');
    }
    return out;
}

QString adapterTable(const QList<NetAdapterInfo> &adapters) {
    QList<QStringList> rows;
    rows.append({QStringLiteral("Name"), QStringLiteral("IP"), QStringLiteral("Mask"), QStringLiteral("MTU"),
                 QStringLiteral("MAC"), QStringLiteral("Description")});
    for (const NetAdapterInfo &a : adapters) {
        rows.append({QString::fromLocal8Bit(a.name), ipToText(a.ip), ipToText(a.mask), QString::number(a.mtu),
                     QString::fromLatin1(a.macText), QString::fromLocal8Bit(a.description)});
    }
    return alignedTable(rows);
}

QString cameraTable(const QList<CameraSnapshot> &cameras, int onlyRow) {
    if (cameras.isEmpty()) return QStringLiteral("No cameras found.\n");
    QStringList headings;
    for (F field : cameraColumns)
        headings << QLatin1String(cameraField(field).heading);
    QList<QStringList> rows{headings};
    bool anyOutside = false;
    for (const CameraSnapshot &camera : cameras) {
        if (onlyRow >= 0 && camera.row != onlyRow) continue;
        anyOutside = anyOutside || (!inAdapterSubnet(camera.info) && !isRouted(camera.info));
        rows << cells(std::begin(cameraColumns), std::end(cameraColumns), camera);
    }
    QString out = alignedTable(rows);
    if (anyOutside) out += QStringLiteral("! camera outside the adapter's subnet\n");
    return out;
}

QJsonObject planLineJson(const PlanLine &l, bool applied) {
    QJsonObject line = fieldsJson(QList<F>(std::begin(planJsonFields), std::end(planJsonFields)), l.camera);
    line.insert(QStringLiteral("newIp"), l.move.ip ? QJsonValue(ipToText(l.move.ip)) : QJsonValue());
    line.insert(QStringLiteral("newMask"), ipToText(l.move.mask));
    if (applied) {
        line.insert(QStringLiteral("sent"), l.sent);
        line.insert(QStringLiteral("answered"), l.answered);
    }
    return line;
}

QStringList planHeadings(bool applied) {
    QStringList h;
    for (F field : planColumns)
        // Beside the new address the camera's own is its address.
        h << (field == F::Ip ? QStringLiteral("Address") : QLatin1String(cameraField(field).heading));
    h << QStringLiteral("New address") << QStringLiteral("New mask");
    if (applied) h << QStringLiteral("Result");
    return h;
}

QStringList planCells(const PlanLine &l, bool applied) {
    const AddressMove &m = l.move;
    QStringList row = cells(std::begin(planColumns), std::end(planColumns), l.camera);
    row << (m.ip ? ipToText(m.ip) : QStringLiteral("-")) << ipToText(m.mask);
    if (applied)
        row << (m.ip == NoIp ? QStringLiteral("no free address")
                : !l.sent    ? QStringLiteral("not sent")
                : l.answered ? QStringLiteral("answers")
                             : QStringLiteral("does not answer"));
    return row;
}
