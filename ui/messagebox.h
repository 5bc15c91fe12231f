#pragma once

#include <QMessageBox>
#include <QString>

class QWidget;

// The kinds of a message box, combined as flags: a picture (warning wins over error over information)
// and the buttons (Yes/No wins over Yes/No/Cancel; OK without either).
enum MessageKind : int {
    MessageError = 0x1,
    MessageWarning = 0x2,
    MessageInformation = 0x4,
    MessageYesNo = 0x100,
    MessageYesNoCancel = 0x200,
    MessageAssignAddresses = 0x400, // an "Assign addresses..." button besides, answered as QMessageBox::Apply
};

// A modal message box in the program's look; `details` goes below the message. Answers the button
// that closed it.
QMessageBox::StandardButton showMessageBox(QWidget *parent, const QString &text, int kinds,
                                           const QString &details = QString());
