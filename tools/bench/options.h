#pragma once

#include <QStringList>

// "--name VALUE" as an integer, or the fallback when the option is absent.
inline int intOption(const QStringList &args, const QString &name, int fallback) {
    const int i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args.at(i + 1).toInt() : fallback;
}
