#pragma once

#include "platform/include/TextPaster.h"

#include <QStringList>

// Keeps what it was asked to paste.
class FakeTextPaster : public TextPaster
{
public:
    bool paste(const QString& text) override
    {
        pasted.append(text);
        return true;
    }

    QStringList pasted;
};
