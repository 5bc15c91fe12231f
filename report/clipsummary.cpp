#include "report/clipsummary.h"

#include "net/camrecord.h"

#include <QCoreApplication>

#include <climits>
#include <cmath>

namespace {

// Seconds for a number of frames, in single precision as the camera counts them. A clip whose frame
// rate is 0 (or not a number) has no duration; it shows 0.000 s rather than "inf" or "nan".
QString seconds(float frames, float frameRate) {
    const float quotient = frames / frameRate;
    return QString::number(std::isfinite(quotient) ? double(quotient) : 0.0, 'f', 3);
}

int wholeFramesPerSecond(float frameRate) {
    if (!std::isfinite(frameRate)) return 0;
    if (frameRate >= float(INT_MAX)) return INT_MAX;
    if (frameRate <= float(INT_MIN)) return INT_MIN;
    return int(frameRate);
}

} // namespace

ClipSummaryLines clipSummaryLines(const ClipInfo &clip) {
    const float rate = clip.frameRate;
    const quint32 trimmed = clip.trimEnd - clip.trimStart + 1u; // wraps when the range is reversed
    ClipSummaryLines lines;
    lines.head = QCoreApplication::translate("ClipEditDlg", "Clip %1: %2 frames - %3 s")
                     .arg(int(clip.clipNumber) + 1)
                     .arg(clip.frameCount)
                     .arg(seconds(float(clip.frameCount), rate));
    lines.trim = QCoreApplication::translate("ClipEditDlg", "Trim: %1 (%2 s) to %3 (%4 s) - %5 s\n")
                     .arg(clip.trimStart)
                     .arg(seconds(float(clip.trimStart), rate))
                     .arg(clip.trimEnd)
                     .arg(seconds(float(clip.trimEnd), rate))
                     .arg(seconds(float(trimmed), rate));
    lines.format =
        QStringLiteral("%1x%2 @ %3 fps").arg(clip.width).arg(clip.height).arg(wholeFramesPerSecond(rate));
    return lines;
}
