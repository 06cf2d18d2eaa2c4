#include "ui/seniorKeys/DSeniorKeysRecordExplainDia.h"

#include "ui_DSeniorKeysRecordExplainDia.h"

DSeniorKeysRecordExplainDia::DSeniorKeysRecordExplainDia(int kind, QWidget* parent)
    : QWidget(parent)
    , m_ui(new Ui::DSeniorKeysRecordExplainDia)
{
    m_ui->setupUi(this);
    const QChar newLine(QLatin1Char('\n'));
    if (kind == kKeyEntry) {
        m_ui->stackedWidget->setCurrentWidget(m_ui->page_Explain01);
        m_ui->label_KeyRecordExplain->setText(
            QObject::tr("When \"Single Key\" is selected, simply click a certain key to complete key configuration;")
            + newLine
            + QObject::tr("When \"Key Combination\" is selected, at least one combination key and one other key need "
                          "to be selected to complete the input of the combination key, such as L_Shift+A or "
                          "L_Shift+L_Ctrl+A;"));
    } else if (kind == kKinds) {
        // The kind names are the same words in every language.
        m_ui->stackedWidget->setCurrentWidget(m_ui->page_Explain02);
        m_ui->label_DksMtTglExplain->setText(
            QStringLiteral("DKS:") + newLine
            + QObject::tr("The key can achieve four functions: 1 to 4 functions can be bound according to four "
                          "different pressing degrees.")
            + newLine + QStringLiteral("MT:") + newLine
            + QObject::tr("The key have two functions: holding down the key is one type, and clicking the key is one "
                          "type.")
            + newLine + QStringLiteral("TGL:") + newLine
            + QObject::tr("Click this key to switch continuous triggering on or off."));
    }
}

DSeniorKeysRecordExplainDia::~DSeniorKeysRecordExplainDia()
{
    delete m_ui;
}
