// The questions and windows the main window opens over itself. Behind an interface, so tests
// answer them without a modal window blocking the run.
#pragma once

#include <QString>

class QWidget;

namespace Drietal {

class Dialogen {
public:
    virtual ~Dialogen() = default;

    // The name box; an empty string when it was cancelled.
    virtual QString vraagNaam(QWidget* ouder) = 0;
    // A message with an OK button, titled with the program's name.
    virtual void meld(QWidget* ouder, const QString& tekst) = 0;
    // The high-score window, modal.
    virtual void toonScoreLijst(QWidget* ouder) = 0;
};

// The real boxes and windows.
class VensterDialogen : public Dialogen {
public:
    QString vraagNaam(QWidget* ouder) override;
    void meld(QWidget* ouder, const QString& tekst) override;
    void toonScoreLijst(QWidget* ouder) override;
};

} // namespace Drietal
