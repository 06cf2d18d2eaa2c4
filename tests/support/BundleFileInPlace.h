#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// While it lives, the resource ":/<alias>" holds the given text, or nothing
// at all for a null text: the program's bundle is taken away and a bundle of
// that one file, made by rcc (the environment's ORVANE_RCC), stands in. The
// program's bundle comes back afterwards. Laid over the program's bundle,
// the file takes the place of the program's own under that alias and the
// rest of the bundle stays.
class BundleFileInPlace
{
public:
    enum class Layer { Alone, OverProgram };

    BundleFileInPlace(const QString& alias, const QByteArray& text, Layer layer = Layer::Alone);
    ~BundleFileInPlace();

    BundleFileInPlace(const BundleFileInPlace&) = delete;
    BundleFileInPlace& operator=(const BundleFileInPlace&) = delete;

    // False when a text was given but its bundle could not be made.
    bool ready() const { return m_ready; }

private:
    bool registerBundleOf(const QString& alias, const QByteArray& text);

    QTemporaryDir m_dir;
    QString m_rcc;
    Layer m_layer;
    bool m_registered = false;
    bool m_ready = false;
};
