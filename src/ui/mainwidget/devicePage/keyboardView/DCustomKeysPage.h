#pragma once

#include "profiles/DProfileSelection.h"

#include <QWidget>

class QLabel;
class QMovie;
class WindowsHookInterface;
class QPushButton;

// The key customisation page hosted by the device page. So far it offers
// the page protocol, the signals the device page listens to, and the
// Download button that starts the on-board download.
class DCustomKeysPage : public QWidget
{
    Q_OBJECT

public:
    explicit DCustomKeysPage(QWidget* parent = nullptr);

    void retranslate();
    void setTheme();
    void setProfileIndex(int index) { m_profile.setIndex(index); }
    void setProfilePath(const char* path) { m_profile.setPath(path); }
    void stopDownloadAnimation();
    // 0 enables the light/heavy-press choice of the remap, key-combination
    // and reset sub-pages; any other value disables it.
    void setCurrentLayer(int layer) { m_currentLayer = layer; }
    int currentLayer() const { return m_currentLayer; }
    // Back to the first function entry; the entries come with the key
    // functions, so there is nothing to go back to yet.
    void resetKeyPage() { }
    // The start state when the page is shown again, on the given layer tab.
    void initPageState(int layer);
    int shownLayer() const { return m_shownLayer; }

    int profileIndex() const { return m_profile.index(); }
    const char* profilePath() const { return m_profile.path(); }
    bool isDownloadRunning() const { return m_downloadRunning; }

    // The key-press lighting effects need the keys typed anywhere: true
    // (re)starts the page's keyboard hook in pass-through mode, false stops it.
    void setKeyboardHookEnabled(bool on, int unused = 0);
    bool isKeyboardHookEnabled() const { return m_keyboardHookOn; }

signals:
    void sigAutoIntoCustomKeysPage();
    void sigDefaultLayerAndFnLayerSwitch(int pageIndex);
    void sigInteractLightsPointXY(int indexX, int indexY);
    void sigSomeMessageTip_CustomKeysPage(QString strTip);
    void sigTheKeyboardIntoDownloading();

public slots:
    void on_pushButton_Download_clicked();

private:
    DProfileSelection m_profile;
    QPushButton* m_downloadButton = nullptr;
    QLabel* m_loadingLabel = nullptr;
    QMovie* m_loadingMovie = nullptr;
    bool m_downloadRunning = false;
    WindowsHookInterface* m_hook = nullptr;
    bool m_keyboardHookOn = false;
    int m_currentLayer = 0;
    int m_shownLayer = 0;
};
