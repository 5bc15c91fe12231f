#pragma once

#include "watch.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// What the watch knows, in the Prometheus text format that the exporters' textfile collectors read:
// each camera by serial number and MAC (its address is only a label of varnix_camera_info, so that a
// move keeps its series), the cameras per adapter, the conflicts by code and the event counts.
// `adapter` is the adapter watched, "*ALL*" for all of them; `now` is when the text is written.
QByteArray watchMetricsText(const WatchSnapshot &snapshot, const NetworkFacts &facts, const QString &adapter,
                            const QDateTime &now);

// A label value as the text format wants it: backslash, double quote and line feed escaped.
QString metricLabelValue(const QString &value);
