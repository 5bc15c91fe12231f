#pragma once

// The camera list as a table: what the window saves as CSV and copies, and what varnix-scan --csv
// prints. One builder, so that every front end gives the same columns.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

class UdpCamManager;

// A header row, then one row per listed camera: index, name, model, serial number, firmware, address,
// mask, MAC, adapter address, link, status, protocol, inside the subnet ("yes"/"no") and the codes of
// the conflicts the camera is part of (space-separated). The name is the camera's own, as it came.
// The header and the status words are in the running program's language.
QList<QStringList> cameraListRows(const UdpCamManager &manager, quint32 datagramSize);

// CSV as RFC 4180 has it, in UTF-8: CRLF line ends; a field with a comma, quote, CR or LF quoted, its
// quotes doubled. A field that a spreadsheet would run as a formula is written as text.
QByteArray csvText(const QList<QStringList> &rows);
// Tab-separated lines quoted the same way, which a spreadsheet pastes as columns.
QString tabSeparatedText(const QList<QStringList> &rows);
