#pragma once

#include <QPixmap>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

struct hidInfoStu;

namespace Ui {
class keyboardImageFrameItem;
}

// The picture layer of the keyboard view: the model's picture from
// images/hidImages/ beside the program, stretched over its inner frame. The
// file is decoded once and kept scaled to the size shown, so a repaint is
// one copy of pixels; the key caps above take their part of the same
// picture (shownPicture()) to draw under their marks.
class keyboardImageFrameItem : public QWidget
{
    Q_OBJECT
public:
    explicit keyboardImageFrameItem(QWidget* parent = nullptr);
    ~keyboardImageFrameItem() override;

    void setDeviceInfo(hidInfoStu info);
    void setKeyboardMode(int mode);
    QString modelName() const { return m_modelName; }
    QString picturePath() const { return m_picturePath; }

    // The picture at `size`; null when the file could not be read.
    QPixmap shownPicture(const QSize& size);
    // Where the picture's top left corner lies in this layer.
    QPoint pictureOrigin() const;

    static QString picturePathFor(const QString& pictureName);

signals:
    void pictureChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPicture(const QString& pictureName);

    Ui::keyboardImageFrameItem* m_ui;
    QString m_modelName;
    QString m_picturePath;
    QPixmap m_picture;
    QPixmap m_scaled;
};
