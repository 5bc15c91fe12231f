#include "savefile.h"

#include <QFileInfo>
#include <QSaveFile>

bool isReplaceableFile(const QString &path) {
    const QFileInfo info(path);
    return !info.exists() || info.isFile();
}

bool saveWholeFile(const QString &path, const QByteArray &bytes, QString *error) {
    if (!isReplaceableFile(path)) {
        *error = QStringLiteral("not a regular file; it is left as it is");
        return false;
    }
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) return true;
    *error = file.errorString();
    return false;
}
