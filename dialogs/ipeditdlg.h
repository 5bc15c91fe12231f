#pragma once

#include <QDialog>
#include <QList>
#include <QtGlobal>

namespace Ui {
class IPEditDlg;
}

// Asks for a camera's new IPv4 address and subnet mask; the caller decides what to do with them.
class IPEditDlg : public QDialog {
    Q_OBJECT
public:
    IPEditDlg(quint32 address, quint32 mask, QWidget *parent = nullptr);
    ~IPEditDlg() override;

    // The field's value; 0xFFFFFFFF when its text does not parse.
    quint32 ipAddress() const;
    quint32 subnetMask() const;

    // What the dialog knows of the camera's surroundings, for its warnings: the adapter the camera
    // was found through and the addresses of the other cameras listed.
    void setSurroundings(quint32 adapterIp, quint32 adapterMask, const QList<quint32> &othersInUse);

    // Refuses to close as accepted while a field does not parse, whatever triggered it.
    void accept() override;

    Ui::IPEditDlg *ui;

private:
    bool checkFields();

    bool haveSurroundings = false;
    quint32 adapterIp = 0;
    quint32 adapterMask = 0;
    QList<quint32> othersInUse;
};
