#include "ui/widgets/DCrashNotice.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

DCrashNotice::DCrashNotice(const QString& dumpPath, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QObject::tr("Software exit"));
    setAttribute(Qt::WA_StyledBackground, true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 18);
    layout->setSpacing(10);

    auto* heading = new QLabel(QObject::tr("Conflict, software out of operation!"), this);
    heading->setObjectName(QStringLiteral("label_Heading"));
    heading->setTextFormat(Qt::PlainText);
    heading->setWordWrap(true);
    layout->addWidget(heading);

    if (!dumpPath.isEmpty()) {
        auto* where = new QLabel(QObject::tr("A report of the crash was saved to:"), this);
        where->setObjectName(QStringLiteral("label_DumpPlace"));
        where->setTextFormat(Qt::PlainText);
        where->setWordWrap(true);
        layout->addWidget(where);
        // A field, not a label: the path is selected and copied whole, and a
        // folder name is never read as markup.
        m_path = new QLineEdit(QDir::toNativeSeparators(dumpPath), this);
        m_path->setObjectName(QStringLiteral("lineEdit_DumpPath"));
        m_path->setReadOnly(true);
        m_path->setCursorPosition(0);
        m_path->setMinimumWidth(qMin(m_path->fontMetrics().horizontalAdvance(m_path->text()) + 24, 640));
        layout->addWidget(m_path);
    }

    layout->addSpacing(6);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(QObject::tr("OK"), this);
    ok->setObjectName(QStringLiteral("pushButton_Ok"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(ok);
    layout->addLayout(buttons);
    setMinimumWidth(420);
}
