#pragma once

#include <QWidget>

namespace Ui {
class DSeniorKeysRecordExplainDia;
}

// The text of the advanced-key editor's question-mark bubbles: kind 1
// explains how keys are entered, kind 2 what the three kinds of advanced
// key do.
class DSeniorKeysRecordExplainDia : public QWidget
{
    Q_OBJECT

public:
    enum Kind { kKeyEntry = 1, kKinds = 2 };

    DSeniorKeysRecordExplainDia(int kind, QWidget* parent);
    ~DSeniorKeysRecordExplainDia() override;

private:
    Ui::DSeniorKeysRecordExplainDia* m_ui;
};
