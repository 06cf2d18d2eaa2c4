#pragma once

#include <QString>
#include <QWidget>

struct hidInfoStu;

namespace Ui {
class keyboardImageFrameItem;
}

// The picture layer of the keyboard view: the model's picture from
// images/hidImages/ beside the program, stretched over its inner frame.
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

    static QString picturePathFor(const QString& pictureName);

private:
    void showPicture(const QString& pictureName);

    Ui::keyboardImageFrameItem* m_ui;
    QString m_modelName;
    QString m_picturePath;
};
