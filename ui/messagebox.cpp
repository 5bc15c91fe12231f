#include "messagebox.h"

#include "app/qvxapplication.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QPushButton>

QMessageBox::StandardButton showMessageBox(QWidget *parent, const QString &text, int kinds,
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
    if (kinds & MessageWarning)
        picture = ":/res/ico-wrn.png";
    else if (kinds & MessageError)
        picture = ":/res/ico-err.png";
    else if (kinds & MessageInformation)
        picture = ":/res/ico-inf.png";
    if (picture) box.setIconPixmap(QPixmap(QLatin1String(picture)));

    if (kinds & MessageYesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
    } else if (kinds & MessageYesNoCancel) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
    const QAbstractButton *assign =
        kinds & MessageAssignAddresses
            ? box.addButton(QCoreApplication::translate("MainWindow", "Assign addresses..."),
                            QMessageBox::ActionRole)
            : nullptr;
    const auto answer = QMessageBox::StandardButton(box.exec());
    return assign && box.clickedButton() == assign ? QMessageBox::Apply : answer;
}
