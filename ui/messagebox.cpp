#include "ui/messagebox.h"

#include "app/qvxapplication.h"

#include <QCoreApplication>
#include <QPixmap>

QMessageBox::StandardButton showMessageBox(QWidget *parent, const QString &text, int flags,
                                           const QString &details) {
    QMessageBox box(parent);
    const QSize buttonSize = vxApp() ? vxApp()->itemSize(2) : QSize(52, 52);
    box.setStyleSheet(QStringLiteral("QPushButton { padding: 2px; min-width: %1px; min-height: %2px; }")
                          .arg(buttonSize.width())
                          .arg(buttonSize.height()));
    box.setWindowTitle(QCoreApplication::translate("MainWindow", "Halvorn Varnix"));
    box.setText(text);
    if (!details.isEmpty()) box.setInformativeText(details);

    const char *picture = nullptr;
    if (flags & 0x2)
        picture = ":/res/ico-wrn.png";
    else if (flags & 0x1)
        picture = ":/res/ico-err.png";
    else if (flags & 0x4)
        picture = ":/res/ico-inf.png";
    if (picture) box.setIconPixmap(QPixmap(QLatin1String(picture)));

    if (flags & 0x100) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
    } else if (flags & 0x200) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    return QMessageBox::StandardButton(box.exec());
}
