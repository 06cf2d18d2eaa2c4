#pragma once

#include "platform/include/ProgramOpener.h"

#include <QStringList>

// Keeps what it was asked to open; opens nothing.
class FakeProgramOpener : public ProgramOpener
{
public:
    bool open(const QString& path) override
    {
        opened.append(path);
        return true;
    }

    QStringList opened;
};
