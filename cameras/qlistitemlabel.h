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
    // A red edge and tint for a row that is part of a conflict; `why` becomes its tool tip.
    void setMarked(bool marked, const QString &why = QString());
    bool isMarked() const { return marked; }
    // Grows the entry to the height its text needs (at least its size kind's height); the height.
    int fitHeightToText();

    QLabel *pictureLabel = nullptr;
    QLabel *textLabel = nullptr;
    QLabel *bulletLabel = nullptr;
    int sizeKind = 0;

private:
    bool marked = false;
};
