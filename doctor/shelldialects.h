#pragma once

#include "fix.h"

#include <QString>

// How each system shell takes a command: its quoting, and a command written whole.

// POSIX shell: a word of anything but plain characters in single quotes, a single quote inside as '\''.
QString posixQuoted(const QString &word);

// PowerShell: double quotes, or single ones (literal) when the word holds what double quotes would
// expand or end at; PowerShell takes the typographic quotes for the plain ones.
QString powerShellQuoted(const QString &word);

// netsh in a command prompt: a value in double quotes. Nothing escapes a double quote there, and the
// prompt expands a percent sign even inside quotes: such a word cannot be given (false).
bool netshCanQuote(const QString &word);
QString netshQuoted(const QString &word);

// sysctl: the key of an interface's setting ("net.ipv4.conf.IF.rp_filter"); a dot in the interface's
// name (a VLAN) is written as a slash so that it is not read as a level of the key.
QString sysctlInterfaceKey(const QString &interface, const char *setting);

// The command as its dialect writes it.
QString commandText(const ShellCommand &command);
