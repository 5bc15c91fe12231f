#pragma once

#include <QLabel>
#include <QPixmap>
#include <QString>

// One list row: picture, rich text, status bullet. Used for camera rows and clip rows.
class QListItemLabel : public QLabel {
    Q_OBJECT
public:
    QListItemLabel(int sizeKind, const QPixmap &picture, const QString &text, const QPixmap &bullet,
                   QWidget *parent = nullptr);
    ~QListItemLabel() override;

    void setEntryText(const QString &text);
    void setBulletPixmap(const QPixmap &bullet);

    QLabel *pictureLabel = nullptr;
    QLabel *textLabel = nullptr;
    QLabel *bulletLabel = nullptr;
    int sizeKind = 0;
};
