#pragma once

#include <QMetaType>
#include <QVector>

// The spectrum of one analysed block: one element per transform bin.
class FrequencySpectrum
{
public:
    struct Element
    {
        double frequency = 0.0; // centre of the bin, Hz
        double amplitude = 0.0; // 0.0 to 1.0
        double phase = 0.0; // not computed
        bool clipped = false; // the level was above 1.0 before clamping
    };
    using iterator = QVector<Element>::iterator;
    using const_iterator = QVector<Element>::const_iterator;

    explicit FrequencySpectrum(int numPoints = 0);

    void reset();
    int count() const { return m_elements.count(); }
    Element& operator[](int index) { return m_elements[index]; }
    const Element& operator[](int index) const { return m_elements[index]; }
    iterator begin() { return m_elements.begin(); }
    iterator end() { return m_elements.end(); }
    const_iterator begin() const { return m_elements.begin(); }
    const_iterator end() const { return m_elements.end(); }

private:
    QVector<Element> m_elements;
};

Q_DECLARE_METATYPE(FrequencySpectrum)
