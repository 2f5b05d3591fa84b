// SPDX-License-Identifier: GPL-3.0-or-later
// Answers the main window's questions without opening a modal window, and counts what it was
// asked to show.
#pragma once

#include "ui/main/dialogen.h"

#include <QStringList>
#include <functional>

class NepDialogen : public Drietal::Dialogen {
public:
    QString naam = QStringLiteral("Anna");
    bool antwoord = false; // to every yes/no question
    QStringList meldingen, vragen;
    QList<std::array<QString, 10>> oplossingen; // the codes shown
    int naamVragen = 0, scoreLijsten = 0, configs = 0;
    std::function<void()> tijdensVraag; // what happens while a question is open

    QString vraagNaam(QWidget*) override {
        ++naamVragen;
        return naam;
    }
    void meld(QWidget*, const QString& tekst) override { meldingen << tekst; }
    bool vraag(QWidget*, const QString& tekst) override {
        vragen << tekst;
        if (tijdensVraag)
            tijdensVraag();
        return antwoord;
    }
    void toonScoreLijst(QWidget*, const QString&) override { ++scoreLijsten; }
    void toonOplossing(QWidget*, float, const std::array<QString, 10>& codes) override {
        oplossingen << codes;
    }
    void toonWoordform(QWidget*) override {}
    void toonConfig(QWidget*) override { ++configs; }
};
