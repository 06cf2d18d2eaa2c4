#pragma once

#include "profiles/DSeniorKeyCombination.h"
#include "profiles/DSeniorKeyRecords.h"
#include "sdk/include/orvanesdk_xml.h"

#include <QDialog>
#include <QList>
#include <QMap>
#include <QString>

class ArrowWidget;
class CbNotice;
class DAllKeysShowPage;
class DDksShowWidget;
class DSeniorKeyEventListItem;
class QAbstractButton;
class QVBoxLayout;

namespace Ui {
class DSeniorKeysPage;
}

// The advanced-key editor: the kind of the next record and Create, the
// editing page of the record on show (the DKS grid and its trigger points,
// the two MT keys and the hold duration, the TGL key), the list of stored
// records, and on the right the keys to pick from. Every change is written
// to the advanced-key file when it is made; a write the file did not take is
// told and the list read again, so nothing on screen claims otherwise.
class DSeniorKeysPage : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kPathBufferSize = 256;

    explicit DSeniorKeysPage(QWidget* parent = nullptr);
    ~DSeniorKeysPage() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    void sigSeniorKeysPageClose();

public slots:
    void reject() override;

    void onLoadDksPage();
    void onDksPageMouseMovePointXY(int posX, int posY);
    void onTheSeniorKeyInfoStuNeedUpdate_DKS();
    void onOperateTypeChanged(int index);
    void onSksSelKeyChanged(int index);
    void onMtSelKeyChanged(int index);
    void onAllKeysInfoAlreadyLoaded();
    void onKeyListClicked(int keyDec, QString keyCharacter);
    void onDeleteSeniorKeyEventItem(int keyType, int bindingIndex);
    void onSeniorKeyEventItemClick(int bindingIndex);
    void onSliderHoldDurationValue(int HoldDurationValue);
    void onSliderHoldDurationReleased();
    void onLickActivited_Stroke01(QString str);
    void onLickActivited_Stroke04(QString str);
    void onTheStrokeConfigViewClose();
    void onTheDKSStrokeStuChanged();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void on_pushButton_Close_clicked();
    void on_pushButton_NewCreate_clicked();

private:
    void setTexts();
    void setTheme();
    void loadSeniorKeyList();
    void selectRecord(DSeniorKeyEventListItem* row, int index);
    void showSeniorKeyInfo();
    void showPoints();
    QString linkText(const QString& readout) const;
    // The key-slot buttons in the order of their hover ids, 1 to 7: the
    // four DKS slots, MT hold, MT click, TGL.
    QList<QAbstractButton*> keyButtons() const;
    QString keyDisplay(int slot) const;
    // Puts a key text into the slot that m_selectedKeySlot names for the
    // record's kind, then stores.
    void enterKey(const QByteArray& keyText, const char* what);
    // Writes m_currentInfo; false (told, list read again) when the file did
    // not take it.
    bool storeCurrent(const char* what);
    void reportSaveFailure();
    void showNotice(const QString& text);
    void showExplanation(QWidget* button, int kind);
    void openStrokeConfig();
    // Tells the key pages and the main window that the editor goes, once,
    // whichever way it is closed.
    void finish();

    Ui::DSeniorKeysPage* ui;
    CbNotice* m_notice = nullptr;
    QString m_linkFontFamily;
    bool m_listChanged = false;
    bool m_finished = false;
    char m_seniorKeyFilePath[kPathBufferSize] = {};
    DSeniorKeyRecords m_records;
    DDksShowWidget* m_dksShowWidget = nullptr;
    DAllKeysShowPage* m_allKeysPage = nullptr;
    QVBoxLayout* m_listLayout = nullptr;
    QAbstractButton* m_currentKeyButton = nullptr;
    seniorKeyInfoStu m_currentInfo;
    int m_hoveredKeySlot = -1;
    int m_selectedKeySlot = 1;
    int m_operateType = DSeniorKeyRecords::kDks;
    DSeniorKeyCombination m_combination;
    QMap<int, DSeniorKeyEventListItem*> m_rowMap;
    QMap<int, QString> m_keyNameMap;
    DSeniorKeyEventListItem* m_selectedRow = nullptr;
    // One bubble per kind and one overlay for the trigger points, made when
    // first wanted and kept until the editor goes.
    ArrowWidget* m_explainPopups[2] = {};
    ArrowWidget* m_explainPopup = nullptr;
    QWidget* m_strokeOverlay = nullptr;
};
