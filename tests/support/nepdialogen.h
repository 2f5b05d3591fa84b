// Answers the main window's questions without opening a modal window.
#pragma once

#include "ui/main/dialogen.h"

#include <QStringList>

class NepDialogen : public Drietal::Dialogen {
public:
    QString naam = QStringLiteral("Anna");
    QStringList meldingen;
    int scoreLijsten = 0;
    int naamVragen = 0;

    QString vraagNaam(QWidget*) override {
        ++naamVragen;
        return naam;
    }
    void meld(QWidget*, const QString& tekst) override { meldingen << tekst; }
    void toonScoreLijst(QWidget*) override { ++scoreLijsten; }
};
