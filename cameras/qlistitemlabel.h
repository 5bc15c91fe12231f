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

    // Lines that do not fit end in "…"; the entry's tool tip then shows the whole text.
    void setEntryText(const QString &text);
    const QString &entryText() const { return fullText; }
    void setBulletPixmap(const QPixmap &bullet);
    // A red edge and tint for a row that is part of a conflict; `why` becomes its tool tip.
    void setMarked(bool marked, const QString &reason = QString());
    bool isMarked() const { return marked; }
    // Grows the entry to the height its text needs (at least its size kind's height); the height.
    int fitHeightToText();

    QLabel *pictureLabel = nullptr;
    QLabel *textLabel = nullptr;
    QLabel *bulletLabel = nullptr;
    int sizeKind = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showFittingText();
    void updateToolTip();

    bool marked = false;
    QString fullText;  // as given; the label shows it cut to its width
    QString hiddenEnd; // the whole text in plain words when a line was cut, else ""
    QString why;       // what the mark means
};
