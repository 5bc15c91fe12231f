#pragma once

#include <QString>

struct ClipInfo;

// The three lines that describe a stored clip, shared by the clip dialog and varnix-scan. The first
// two are translated in the "ClipEditDlg" context; the trim line ends with a newline.
struct ClipSummaryLines {
    QString head;   // "Clip 1: 1000 frames - 2.000 s"
    QString trim;   // "Trim: 0 (0.000 s) to 999 (1.998 s) - 2.000 s\n"
    QString format; // "1280x1024 @ 500 fps"
};

ClipSummaryLines clipSummaryLines(const ClipInfo &clip);
