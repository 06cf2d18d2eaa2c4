#pragma once

#include "ui/widgets/DToolDialog.h"

// The advanced-key editor as the main window opens it: a tool window over
// the window's overlay that reports its closing and tells the pages that the
// advanced-key list may have changed. The editing itself is not in this build.
class DSeniorKeysPage : public DToolDialog
{
    Q_OBJECT

public:
    explicit DSeniorKeysPage(QWidget* parent = nullptr);

signals:
    void sigSeniorKeysPageClose();

protected:
    void aboutToClose() override;
};
