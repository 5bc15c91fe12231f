#include "shelldialects.h"

#include <QRegularExpression>

// --- POSIX shell

QString posixQuoted(const QString &word) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9._:@%+=/-]+$"));
    if (plain.match(word).hasMatch()) return word;
    QString inner = word;
    inner.replace(QLatin1String("'"), QLatin1String("'\\''"));
    return QLatin1Char('\'') + inner + QLatin1Char('\'');
}

namespace {

QString posixText(const QList<QList<CommandWord>> &steps) {
    QStringList out;
    for (const QList<CommandWord> &step : steps) {
        QStringList line;
        for (const CommandWord &w : step)
            line << (w.value ? posixQuoted(w.text) : w.text);
        out << line.join(QLatin1Char(' '));
    }
    return out.join(QLatin1String(" && "));
}

} // namespace

// --- PowerShell

namespace {

// U+201C .. U+201E: PowerShell's double quotes besides '"'; U+2018 .. U+201B its single ones.
bool powerShellDoubleQuote(QChar c) {
    return c == QLatin1Char('"') || (c.unicode() >= 0x201C && c.unicode() <= 0x201E);
}
bool powerShellSingleQuote(QChar c) {
    return c == QLatin1Char('\'') || (c.unicode() >= 0x2018 && c.unicode() <= 0x201B);
}

QString powerShellText(const QList<QList<CommandWord>> &steps) {
    QStringList out;
    for (const QList<CommandWord> &step : steps) {
        QStringList line;
        for (const CommandWord &w : step)
            line << (w.value ? powerShellQuoted(w.text) : w.text);
        out << line.join(QLatin1Char(' '));
    }
    // Windows PowerShell 5 has no "&&": a step that fails stops the script.
    return out.join(QLatin1String("; "));
}

} // namespace

QString powerShellQuoted(const QString &word) {
    bool expands = false;
    for (QChar c : word)
        expands = expands || powerShellDoubleQuote(c) || c == QLatin1Char('$') || c == QLatin1Char('`');
    if (!expands) return QLatin1Char('"') + word + QLatin1Char('"');
    QString out = QStringLiteral("'");
    for (QChar c : word) {
        if (powerShellSingleQuote(c)) out += c; // doubled, it stands for itself
        out += c;
    }
    return out + QLatin1Char('\'');
}

// --- netsh

bool netshCanQuote(const QString &word) {
    return !word.contains(QLatin1Char('"')) && !word.contains(QLatin1Char('%'));
}

QString netshQuoted(const QString &word) {
    return QLatin1Char('"') + word + QLatin1Char('"');
}

namespace {

// A value follows its "key=" without a space: name="Varnix".
QString netshText(const QList<QList<CommandWord>> &steps) {
    QStringList out;
    for (const QList<CommandWord> &step : steps) {
        QString line;
        for (const CommandWord &w : step) {
            if (!line.isEmpty() && !line.endsWith(QLatin1Char('='))) line += QLatin1Char(' ');
            line += w.value ? netshQuoted(w.text) : w.text;
        }
        out << line;
    }
    return out.join(QLatin1String(" && "));
}

} // namespace

// --- sysctl

QString sysctlInterfaceKey(const QString &interface, const char *setting) {
    QString name = interface;
    name.replace(QLatin1Char('.'), QLatin1Char('/'));
    return QStringLiteral("net.ipv4.conf.%1.%2").arg(name, QLatin1String(setting));
}

// ---

QString commandText(const ShellCommand &command) {
    switch (command.dialect) {
    case ShellDialect::PowerShell:
        return powerShellText(command.steps);
    case ShellDialect::Netsh:
        return netshText(command.steps);
    case ShellDialect::Posix:
        break;
    }
    return posixText(command.steps);
}
