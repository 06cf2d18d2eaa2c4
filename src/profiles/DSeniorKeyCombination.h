#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// A key combination put together one picked key at a time in the
// advanced-key editor: one or two modifiers, then the key that closes it.
// It starts with a modifier (a plain key first is ignored), takes at most
// two distinct modifiers, and ends with the first plain key, which commits
// it when the captions know that key and abandons it otherwise. The next
// pick after a closing key starts afresh.
class DSeniorKeyCombination
{
public:
    enum class Step {
        Ignored, // nothing changed: a plain key first, or a third modifier
        Collecting, // a modifier joined; shownText() names the parts so far
        Committed, // keyText() holds the combination, shownText() all parts
        Abandoned // the closing key has no caption; nothing to store
    };

    Step pick(int usage, const QMap<int, QString>& captions);

    // The parts picked, in pick order, joined by "+".
    QString shownText() const { return m_shown; }
    // "mask,usage" of the last committed combination.
    QByteArray keyText() const { return m_keyText; }

    // The name of a modifier usage (224 to 231), empty for any other usage.
    static QString modifierName(int usage);

private:
    void addName(const QString& name);

    bool m_active = false;
    QStringList m_names;
    int m_mask = 0;
    int m_key = 0;
    QString m_shown;
    QByteArray m_keyText;
};
