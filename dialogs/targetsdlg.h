#pragma once

#include "net/targets.h"

#include <QDialog>
#include <QHash>
#include <QList>
#include <QPlainTextEdit>
#include <QStringList>

namespace Ui {
class TargetsDlg;
}

// The lines of the camera addresses, each refused one with its reason beside it.
class TargetsEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;
    QHash<int, QString> reasons; // by line, from 0

protected:
    void paintEvent(QPaintEvent *event) override;
};

// Edits the addresses asked by unicast beside the broadcast: one address or range per line, each judged
// as the command line's --target judges it, with the reason beside a refused line.
class TargetsDlg : public QDialog {
    Q_OBJECT
public:
    // `local` are this computer's addresses, which no line may name alone.
    TargetsDlg(const QStringList &entries, const QList<LocalSubnet> &local, QWidget *parent = nullptr);
    ~TargetsDlg() override;

    // The lines given, blanks around them taken off, empty ones left out.
    QStringList entries() const;
    // Refuses to close as accepted while a line is refused.
    void accept() override;

    Ui::TargetsDlg *ui;

private:
    bool checkLines();

    QList<LocalSubnet> local_;
};
