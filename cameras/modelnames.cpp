#include "modelnames.h"

#include "net/camrecord.h"
#include "net/udpinterface.h"

#include <cstdio>
#include <iterator>

namespace {

constexpr int TextSize = 128;

// Model number N by internal code; 0 where the code has no number.
quint32 modelNumber(quint32 code) {
    switch (code) {
    case 1:
        return 1;
    case 2:
        return 4;
    case 3:
        return 3;
    case 4:
        return 5;
    case 5:
        return 2;
    case 10:
        return 4;
    case 11:
        return 5;
    case 18:
        return 3;
    case 19:
        return 4;
    case 20:
        return 5;
    case 21:
        return 6;
    case 22:
        return 7;
    case 23:
        return 7;
    case 24:
        return 8;
    case 25:
        return 8;
    case 26:
        return 10;
    case 27:
        return 9;
    case 28:
        return 4;
    case 29:
        return 5;
    case 30:
        return 10;
    case 31:
        return 7;
    case 32:
        return 8;
    case 40:
        return 3;
    default:
        return 0;
    }
}

const char *const variantLabels[] = {"DL-Q1", "DL-Q2", "DL-Q3", "DL-Q4", "DR-Q4", "DL-Q5"};

// A variant the table does not know still names the series rather than reading past the table.
const char *variantLabel(quint32 variant) {
    return variant < std::size(variantLabels) ? variantLabels[variant] : "DL-Q?";
}

// Fixed labels of the models that carry no number pattern.
const char *fixedLabel(quint32 code, quint32 variant) {
    switch (code) {
    case 33:
        return "P-110";
    case 34:
        return "P-120";
    case 35:
        return "P-130";
    case 36:
        return "P-140";
    case 37:
        return "Mini P-150";
    case 38:
        return "P-160";
    case 39:
        return "Mini P-170";
    case 41:
        return "Mini P-210";
    case 42:
        return "Mini P-220";
    case 43:
        return "PX-230";
    case 44:
        return "Mini P-240";
    case 45:
        return "Mini P-250";
    case 46:
        return "T-100";
    case 47:
        return "T-110";
    case 48:
        return "M-200";
    case 49:
        return "M-210";
    case 50:
        return "T-500";
    case 51:
        return variant == 10 ? "M-300" : "M-310";
    case 52:
        return "M-220";
    case 53:
        return "M-230";
    case 54:
        return "T-540";
    case 55:
        return "D-1";
    case 56:
        return "PB-1";
    case 57:
        return "T-570";
    case 58:
        return "M-240";
    case 59:
        return "Mini P-310";
    case 60:
        return "Mini P-320";
    case 61:
        return "Mini P-330";
    default:
        return "N/A";
    }
}

void wSeriesLabel(quint32 code, quint32 v, quint32 options, char *label) {
    const char *p = (options & 0x2) ? "WK" : (options & 0x8) ? "WKJet" : "W";
    const quint32 n = modelNumber(code);
    if (code == 20 && v == 3)
        snprintf(label, TextSize, "%s5-HD", p);
    else if (v == 0)
        snprintf(label, TextSize, "%s%u", p, n);
    else
        snprintf(label, TextSize, "%s%u-S%u", p, n, v);
}

void gSeriesLabel(quint32 code, quint32 v, quint32 options, char *label) {
    const quint32 n = modelNumber(code);
    char base[TextSize] = {};
    if (options & 0x200)
        snprintf(base, sizeof base, "LB-G%u", n);
    else if (options & 0x4000)
        snprintf(base, sizeof base, "SKY-ARC");
    else if (options & 0x800)
        snprintf(base, sizeof base, "Gs%u", n);
    else
        snprintf(base, sizeof base, "G%u", n);

    // Variant 5 of code 30 is its plain model; 0 is for every other code.
    const bool plain = code == 30 ? v == 5 : v == 0;
    if (plain)
        snprintf(label, TextSize, "%.100s", base);
    else if (code == 29 || code == 30)
        snprintf(label, TextSize, "%.100s-4K", base);
    else
        snprintf(label, TextSize, "%.100s-S%u", base, v);
}

} // namespace

int cameraFamily(quint32 code) {
    if (code < 27 && ((0x5600E00u >> code) & 1)) return 2;
    if ((code >= 27 && code <= 32) || code == 40) return 4;
    if ((code >= 33 && code <= 36) || code == 38) return 5;
    if (code < 62 && ((0x38003EA000000000ull >> code) & 1)) return 6;
    if ((code >= 48 && code <= 54) || code == 57 || code == 58) return 7;
    if (code == 55) return 8;
    if (code == 56) return 9;
    if (code >= 12 && code <= 17) return 1;
    return 0;
}

int cameraFamily(const UdpInterface *channel) {
    return channel ? cameraFamily(channel->camInfo.cameraType) : 0;
}

void buildModelName(quint32 code, quint32 v, quint32 options, char *buffer) {
    const char *family = "Unknown";
    char label[TextSize] = {};
    const quint32 n = modelNumber(code);

    if (code == 12) {
        family = "Karvelo";
        snprintf(label, sizeof label, "%s", variantLabel(v));
    } else if (code == 13) {
        family = "Karvelo";
        snprintf(label, sizeof label, "DL-Q6");
    } else if (code == 14) {
        family = "Karvelo";
        snprintf(label, sizeof label, "%s", v == 1 ? "DL-Q7" : "DL-Q8");
    } else if (code >= 15 && code <= 17) {
        family = "Karvelo";
        snprintf(label, sizeof label, "%s", variantLabel(code - 12));
    } else if (code >= 6 && code <= 8) {
        family = "Lumethra";
        snprintf(label, sizeof label, "T%u", code - 3);
    } else if (code >= 1 && code <= 5) {
        family = "Brisquet";
        snprintf(label, sizeof label, "E%u", n);
    } else if (code == 9) {
        family = "Brisquet";
        if (v == 1 || v == 2)
            snprintf(label, sizeof label, "J3-S%u", v);
        else if (v == 3)
            snprintf(label, sizeof label, "J3-HD");
        else
            snprintf(label, sizeof label, "J3-plain");
    } else if (code == 10 || code == 22 || code == 24) {
        family = "Brisquet";
        if (v != 0)
            snprintf(label, sizeof label, "J%u-S%u", n, v);
        else
            snprintf(label, sizeof label, "J%u", n);
    } else if (code == 11) {
        family = "Brisquet";
        if (v == 1)
            snprintf(label, sizeof label, "J5-HD");
        else
            snprintf(label, sizeof label, "J%u", n);
    } else if (code == 21 || code == 26) {
        family = "Brisquet";
        snprintf(label, sizeof label, "J%u", n);
    } else if (code == 18 || code == 19 || code == 20 || code == 23 || code == 25) {
        family = "Karvelo";
        wSeriesLabel(code, v, options, label);
    } else if ((code >= 27 && code <= 32) || code == 40) {
        family = "Karvelo";
        gSeriesLabel(code, v, options, label);
    } else if (code == 43) {
        family = "";
        snprintf(label, sizeof label, "%s", fixedLabel(code, v));
    } else if ((code >= 33 && code <= 45) || (code >= 59 && code <= 61) || code == 56) {
        family = "Pellwyn";
        snprintf(label, sizeof label, "%s", fixedLabel(code, v));
    } else if (code == 48 || code == 49 || code == 51 || code == 52 || code == 53 || code == 58) {
        family = "Tavolin Mini";
        snprintf(label, sizeof label, "%s", fixedLabel(code, v));
    } else if (code == 46 || code == 47 || code == 50 || code == 54 || code == 57) {
        family = "Tavolin";
        snprintf(label, sizeof label, "%s", fixedLabel(code, v));
    } else if (code == 55) {
        family = "Dunmarch";
        snprintf(label, sizeof label, "%s", fixedLabel(code, v));
    } else {
        snprintf(label, sizeof label, "N/A");
    }
    snprintf(buffer, TextSize, "%.20s %.100s", family, label);
}

void formatFirmwareVersion(quint32 code, quint32 a, quint32 b, char *buffer) {
    // Unsigned conversions: a firmware number above 2^31 is never shown negative.
    if (code >= 12 && code <= 17)
        snprintf(buffer, TextSize, "%08X", a);
    else if ((code >= 46 && code <= 54) || code == 57 || code == 58)
        snprintf(buffer, TextSize, "%04X.%02X.%02X", a >> 16, (a >> 8) & 0xFFu, a & 0xFFu);
    else if (code <= 8)
        snprintf(buffer, TextSize, "%u.%u", a, b);
    else
        snprintf(buffer, TextSize, "%u.%u.%u", a, b, 0u);
}

void formatSerialNumber(quint32 code, quint32 s, char *buffer) {
    if (code >= 12 && code <= 17)
        snprintf(buffer, TextSize, "%u", s);
    else
        snprintf(buffer, TextSize, "%02u-%04u-%04u", s / 100000000u, (s / 10000u) % 10000u, s % 10000u);
}

QString modelName(const UdpCamInfo &info) {
    char text[TextSize] = {};
    buildModelName(info.cameraType, info.sensorType, info.options, text);
    return QString::fromLatin1(text);
}

QString firmwareText(const UdpCamInfo &info) {
    char text[TextSize] = {};
    formatFirmwareVersion(info.cameraType, info.firmwareVersion, info.firmwareRevision, text);
    return QString::fromLatin1(text);
}

QString serialText(const UdpCamInfo &info) {
    char text[TextSize] = {};
    formatSerialNumber(info.cameraType, info.serialNumber, text);
    return QString::fromLatin1(text);
}

QString protocolName(const UdpCamInfo &info) {
    return isAdvanced(info) ? QStringLiteral("Advanced") : QStringLiteral("Standard");
}

QString linkName(const UdpCamInfo &info) {
    return info.link10G != 0 ? QStringLiteral("10G") : QStringLiteral("1G");
}

QString cameraTitle(const UdpInterface &channel, int index) {
    return cameraTitle(channel.cameraName, index);
}

QString cameraTitle(const QString &name, int index) {
    return name.isEmpty() ? QStringLiteral("Camera %1").arg(index + 1) : name;
}
