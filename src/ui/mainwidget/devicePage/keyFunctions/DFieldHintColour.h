#pragma once

#include <QObject>

class QWidget;

// Qt 5 style sheets cannot colour the hint an empty field shows, and a sheet
// that colours the field's text gives the hint that colour too, so a hint
// reads as typed text. A watched field's hint takes the theme's muted text
// instead, again each time a sheet gives the field a new palette (a theme
// change, a re-polish).
class DFieldHintColour : public QObject
{
public:
    // Watches every line and text field inside `page` (a page or a part of one).
    static void watchFields(QWidget* page);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit DFieldHintColour(QWidget* field);
    void apply(QWidget* field);

    bool m_applying = false;
};
