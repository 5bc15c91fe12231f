#include "watchmetrics.h"

#include "net/addresses.h"
#include "report/camerafields.h"

#include <QMap>

#include <algorithm>

namespace {

using Labels = QList<QPair<const char *, QString>>;

// One metric family: its HELP and TYPE lines, then its samples.
class Family {
public:
    Family(const char *name, const char *type, const char *help) : name_(name) {
        text_ = QStringLiteral("# HELP %1 %2\n# TYPE %1 %3\n")
                    .arg(name_, QLatin1String(help), QLatin1String(type));
    }
    void add(const Labels &labels, const QString &value) {
        text_ += name_;
        if (!labels.isEmpty()) {
            QStringList pairs;
            for (const auto &l : labels)
                pairs << QStringLiteral("%1=\"%2\"").arg(QLatin1String(l.first), metricLabelValue(l.second));
            text_ += QLatin1Char('{') + pairs.join(QLatin1Char(',')) + QLatin1Char('}');
        }
        text_ += QLatin1Char(' ') + value + QLatin1Char('\n');
    }
    void add(const Labels &labels, qint64 value) { add(labels, QString::number(value)); }
    const QString &text() const { return text_; }

private:
    QLatin1String name_;
    QString text_;
};

QString seconds(const QDateTime &t) {
    return QString::number(double(t.toMSecsSinceEpoch()) / 1000.0, 'f', 3);
}

QString adapterLabelOf(const UdpCamInfo &info, const NetworkFacts &facts) {
    const AdapterFacts *a = adapterOf(facts, info);
    return a ? adapterName(*a) : QString();
}

bool watched(const AdapterFacts &a, const QString &adapter) {
    if (namesAllAdapters(adapter)) return a.adapter.ip != 0;
    return adapterName(a) == adapter;
}

} // namespace

QString metricLabelValue(const QString &value) {
    QString out;
    for (const QChar c : value) {
        if (c == QLatin1Char('\\'))
            out += QLatin1String("\\\\");
        else if (c == QLatin1Char('"'))
            out += QLatin1String("\\\"");
        else if (c == QLatin1Char('\n'))
            out += QLatin1String("\\n");
        else
            out += c;
    }
    return out;
}

QByteArray watchMetricsText(const WatchSnapshot &snapshot, const NetworkFacts &facts, const QString &adapter,
                            const QDateTime &now) {
    Family info("varnix_camera_info", "gauge",
                "A camera the watch has seen, with its address, name, model, adapter and protocol.");
    Family up("varnix_camera_up", "gauge",
              "1 while the camera is listed, 0 once a completed discovery missed it.");
    Family responding(
        "varnix_camera_responding", "gauge",
        "Standard cameras: 0 while the camera leaves its status polls unanswered or is not listed.");
    Family status("varnix_camera_status", "gauge", "The status code the camera last reported.");
    // In bytes per second, as node_exporter gives the adapters' speed.
    Family speed("varnix_camera_link_speed_bytes", "gauge", "The camera's link speed in bytes per second.");
    Family perAdapter("varnix_adapter_cameras", "gauge", "Cameras listed on the adapter.");
    Family adapterUp("varnix_adapter_up", "gauge",
                     "1 while the adapter watched by name is there with an address, 0 while it is not.");
    Family conflict("varnix_conflict", "gauge", "Network conflicts the cameras show now, by code.");
    Family events("varnix_events_total", "counter", "Events reported since the watch started, by event.");
    Family discovery("varnix_last_discovery_timestamp_seconds", "gauge",
                     "When the last completed discovery was judged.");
    Family written("varnix_metrics_written_timestamp_seconds", "gauge", "When this file was written.");
    Family expected(
        "varnix_expected_camera_present", "gauge",
        "The expected line's cameras: 1 while listed where the line has it; 0 before it is heard, "
        "once it is lost and while it answers elsewhere.");

    QMap<QString, int> cameraCount;
    for (const AdapterFacts &a : facts.adapters)
        if (watched(a, adapter)) cameraCount.insert(QString::fromLocal8Bit(a.adapter.name), 0);
    // An adapter watched by name keeps its series while it is gone.
    if (!namesAllAdapters(adapter)) cameraCount.insert(adapter, 0);

    using F = CameraField;
    const auto labels = [](std::initializer_list<F> fields, const CameraSnapshot &camera) {
        Labels out;
        for (F field : fields)
            out << qMakePair(cameraField(field).key, fieldText(field, camera));
        return out;
    };
    for (const WatchSnapshot::Camera &c : snapshot.cameras) {
        CameraSnapshot camera = c.last.seen;
        if (!c.last.nameKnown) camera.name.clear(); // a fresh channel's empty name is no name
        const UdpCamInfo &i = camera.info;
        const Labels who = labels({F::Serial, F::Mac}, camera);
        const QString adapterLabel = c.adapter.isEmpty() ? adapterLabelOf(i, facts) : c.adapter;
        info.add(who + labels({F::Ip, F::Name, F::Model}, camera) + Labels{{"adapter", adapterLabel}} +
                     labels({F::Protocol}, camera),
                 1);
        up.add(who, c.listed ? 1 : 0);
        if (isStandard(i)) responding.add(who, c.listed && !c.silent ? 1 : 0);
        if (c.last.statusKnown) status.add(who, c.last.status);
        speed.add(who, i.link10G != 0 ? Q_INT64_C(1250000000) : Q_INT64_C(125000000));
        if (c.listed && !adapterLabel.isEmpty()) ++cameraCount[adapterLabel];
    }
    for (auto it = cameraCount.cbegin(); it != cameraCount.cend(); ++it)
        perAdapter.add({{"adapter", it.key()}}, it.value());
    for (auto it = snapshot.adapters.cbegin(); it != snapshot.adapters.cend(); ++it)
        adapterUp.add({{"adapter", it.key()}}, it.value() ? 1 : 0);

    QStringList codes = snapshot.conflicts.keys();
    std::sort(codes.begin(), codes.end());
    for (const QString &code : qAsConst(codes))
        conflict.add({{"code", code}}, snapshot.conflicts.value(code));

    // Every event name from the start, so that a rate over the first occurrence is not lost.
    QStringList names;
    for (int k = WatchEvent::Found; k <= WatchEvent::Moved; ++k) {
        const QString name = watchEventName(WatchEvent::Kind(k));
        if (!names.contains(name)) names << name;
    }
    for (const QString &name : qAsConst(names))
        events.add({{"event", name}}, snapshot.events.value(name));

    if (snapshot.lastDiscovery.isValid()) discovery.add({}, seconds(snapshot.lastDiscovery));
    written.add({}, seconds(now));

    // Each of the line's cameras from the first write on, so that one dead from the start is seen too.
    for (const auto &[camera, present] : snapshot.expected)
        expected.add({{"mac", macToText(quint32(camera.mac), quint32(camera.mac >> 32))},
                      {"serial", camera.serial},
                      {"name", camera.name},
                      {"expected_ip", camera.ip == NoIp ? QString() : ipToText(camera.ip)}},
                     present ? 1 : 0);

    QString out;
    for (const Family *f : {&info, &up, &responding, &status, &speed, &perAdapter, &adapterUp, &conflict,
                            &events, &discovery, &written})
        out += f->text();
    if (!snapshot.expected.isEmpty()) out += expected.text();
    return out.toUtf8();
}
