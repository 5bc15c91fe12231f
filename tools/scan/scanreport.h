#pragma once

// The reports and tables the scanner prints are written in report/; this is how they reach the terminal.
#include "report/reportjson.h"
#include "report/texttables.h"

#include <QString>

#include <cstdio>

// Writes the text in the local encoding and flushes, so that a pipe sees every line at once.
void printTo(FILE *to, const QString &text);
