#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class DMacroFile;

// The keys bound to a macro in the profiles of every keyboard. The macro
// file is shared by all keyboards, so a macro that goes must take its
// bindings with it from every layer file under the user configuration
// folder; a key left bound to a gone index would play whatever macro next
// takes that index.
class DMacroBindings
{
public:
    struct Binding
    {
        QByteArray layerPath;
        QByteArray profileIndex;
        QByteArray keyCode;
        QByteArray keyName;
    };

    // The layer files of every keyboard: <model>/<serial>/<layer file>.
    static QList<QByteArray> layerFiles(const QString& userConfigDir);
    // The profile indexes a layer file lists; false when it cannot be read.
    static bool profilesOf(const QByteArray& layerPath, QList<QByteArray>* out);

    // Every key whose stored function plays the macro. False when a layer
    // file cannot be read: its keys are then unknown.
    static bool find(const QString& userConfigDir, int macroIndex, QList<Binding>* out);
    // Every key whose stored function has the type code and the value (the
    // macro or advanced-key index); false as for find().
    static bool findKeys(const QString& userConfigDir, int functionType, int value, QList<Binding>* out);
    // Gives each key back its default function, within the caller's batch.
    // False at the first key the store refuses.
    static bool unbind(const QList<Binding>& bindings);

    // Deletes the macro with its bindings: each bound key loses its stored
    // function (as the reset page leaves a key) and no profile keeps a copy
    // of the macro's events. The layer files are written first, as one
    // batch, and the macro only goes once they hold the change, so a failed
    // write never leaves a key bound to a macro that is gone. False when
    // anything was not written; the macro then stays.
    static bool removeMacro(DMacroFile& macroFile, const QString& userConfigDir, int macroIndex);
};
