#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// The program's modal message box; flags pick the picture (0x2, 0x1, 0x4) and the buttons (0x100,
// 0x200). `details` goes below the message.
QMessageBox::StandardButton showMessageBox(QWidget *parent, const QString &text, int flags,
                                           const QString &details = QString());
