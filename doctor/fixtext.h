#pragma once

#include "fix.h"

#include <QStringList>

// A fix as the command line and the report write it: commands, and varnix-scan's own options, one line
// each. Translated in FindingTexts like the findings (the command line keeps English).
QString commandLineFix(const Fix &fix);
QStringList commandLineFixes(const QList<Fix> &fixes);
