#pragma once

#include "doctor/fix.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

struct UnreadableFact;

// A fix as the check window shows it: an explanation in plain text that names the window's own controls,
// and a command only where the user has to run one in a system shell.
struct ShownFix {
    QString text;
    QString command; // for a copy box; empty when there is nothing to run
};

struct FixView {
    Q_DECLARE_TR_FUNCTIONS(FixView)
};

ShownFix shownFix(const Fix &fix);
// A finding's fixes: a run of commands for one shell is introduced once, and what the introduction says
// is not repeated after them; nothing is shown for a fix with nothing left to say.
QList<ShownFix> shownFixes(const QList<Fix> &fixes);

// What the system would not tell, in the window's language ("adapter settings of Ethernet 2; firewall").
QString shownUnreadable(const QList<UnreadableFact> &facts);
