// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/kit/venster.h"

#include <QApplication>
#include <QGuiApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

namespace Drietal {

namespace {
QFont letter(const QString& familie, qreal punten, bool vet) {
    QFont font(familie);
    font.setPointSizeF(punten);
    font.setBold(vet);
    return font;
}
// Kept by the application object itself, which lives exactly as long as its windows.
constexpr char kToetsenbordGebruikt[] = "drietalToetsenbordGebruikt";

class ToetsenbordWachter : public QObject {
public:
    explicit ToetsenbordWachter(QObject* ouder) : QObject(ouder) {
        setObjectName(QStringLiteral("drietalToetsenbordWachter"));
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && !focusKaderZichtbaar()) {
            qApp->setProperty(kToetsenbordGebruikt, true);
            if (QWidget* focus = QApplication::focusWidget())
                focus->update();
        }
        return QObject::eventFilter(object, event);
    }
};
} // namespace

bool focusKaderZichtbaar() {
    return qApp && qApp->property(kToetsenbordGebruikt).toBool();
}

void volgToetsenbord() {
    if (qApp && !qApp->findChild<QObject*>(QStringLiteral("drietalToetsenbordWachter"),
                                           Qt::FindDirectChildrenOnly))
        qApp->installEventFilter(new ToetsenbordWachter(qApp));
}

QFont arial(qreal punten, bool vet) {
    return letter(QStringLiteral("Arial"), punten, vet);
}

QFont comicSans(qreal punten, bool vet) {
    return letter(QStringLiteral("Comic Sans MS"), punten, vet);
}

QFont passend(QFont font, const QString& tekst, int breedte, qreal kleinste) {
    while (font.pointSizeF() > kleinste && QFontMetrics(font).horizontalAdvance(tekst) > breedte)
        font.setPointSizeF(std::max(kleinste, font.pointSizeF() - 0.5));
    return font;
}

void meld(QWidget* ouder, const QString& tekst) {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Drietalspel"), tekst, QMessageBox::Ok,
                    ouder);
    box.exec();
}

QLabel* tekstLabel(QWidget* ouder, const QString& tekst, QPoint plek, const QFont& font,
                   const QColor& kleur) {
    auto* label = new QLabel(tekst, ouder);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    if (kleur.isValid())
        zetTekstKleur(label, kleur);
    label->move(plek);
    label->adjustSize();
    return label;
}

QLabel* vlak(QWidget* ouder, const QRect& plek, const QColor& kleur) {
    auto* label = new QLabel(ouder);
    label->setGeometry(plek);
    zetAchtergrond(label, kleur);
    return label;
}

void zetTekst(QLabel* label, const QString& tekst) {
    if (label->text() == tekst)
        return;
    label->setText(tekst);
    label->adjustSize();
}

void zetTekstKleur(QLabel* label, const QColor& kleur) {
    QPalette palet = label->palette();
    palet.setColor(QPalette::WindowText, kleur);
    label->setPalette(palet);
}

QString lijstStijl() {
    return QStringLiteral(
        "QListWidget { background: rgb(30, 30, 60); color: rgb(200, 200, 200); }");
}

QColor vensterKleur(const Regels::InstellingWaarden& i) {
    return QColor(i.ColorRed, i.ColorGreen, i.ColorBlue);
}

void zetAchtergrond(QWidget* widget, const QColor& kleur) {
    QPalette palet = widget->palette();
    palet.setColor(QPalette::Window, kleur);
    widget->setPalette(palet);
    widget->setAutoFillBackground(true);
}

QPushButton* gekleurdeKnop(QWidget* ouder, const QString& tekst, const QRect& plek,
                           const QColor& kleur) {
    auto* button = new QPushButton(tekst, ouder);
    button->setGeometry(plek);
    button->setFont(arial(8.25));
    button->setAutoDefault(false);
    button->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 1px solid #404040; }"
                       "QPushButton:pressed { background-color: %2; }"
                       "QPushButton:focus { border: 1px dotted black; }")
            .arg(kleur.name(), kleur.darker(115).name()));
    return button;
}

QPushButton* omlijsteKnop(QWidget* ouder, const QString& tekst, const QRect& knop,
                          const QColor& kleur) {
    auto* paneel = new QLabel(ouder);
    paneel->setGeometry(knop.adjusted(-2, -2, 2, 2));
    zetAchtergrond(paneel, QColor(64, 64, 64));
    return gekleurdeKnop(ouder, tekst, knop, kleur);
}

bool DrukEffect::druk(QWidget* knop, std::function<void()> commando, int nawerkMs) {
    const auto [plek, nieuw] = m_bezig.try_emplace(knop);
    if (!nieuw)
        return false;
    const QPoint rust = knop->pos();
    knop->move(rust + QPoint(2, 2));
    Lopend& lopend = plek->second;
    lopend.terug.start(m_tijd, kDrukMs, false, [knop, rust] { knop->move(rust); });
    // The command may open a modal window: the button stays busy until that has closed.
    lopend.klaar.start(m_tijd, nawerkMs, false, [this, knop, commando = std::move(commando)] {
        commando();
        m_bezig.erase(knop);
    });
    return true;
}

bool laadQtVertaling() {
    auto* vertaling = new QTranslator(QCoreApplication::instance());
    if (vertaling->load(QStringLiteral("qtbase_nl"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(vertaling))
        return true;
    delete vertaling;
    return false;
}

// What Qt's own Wayland title bar takes for its three buttons and their margins.
constexpr int kTitelKnoppenRuimte = 100;

std::unique_ptr<QInputDialog> naamVraag(QWidget* ouder) {
    auto vraag = std::make_unique<QInputDialog>(ouder);
    vraag->setInputMode(QInputDialog::TextInput);
    vraag->setWindowTitle(QStringLiteral("Naam Speler"));
    vraag->setLabelText(QStringLiteral("Geef hier jouw naam in..."));
    vraag->setTextValue(QStringLiteral("Nobody"));
    // On Wayland Qt draws the title bar itself, the title centred between room for its buttons on
    // either side, and cuts a title the narrow box has no room for. (X11's window manager draws
    // its own, and the box keeps its size there.)
    if (QGuiApplication::platformName().startsWith(QStringLiteral("wayland"))) {
        QFont titel = QGuiApplication::font();
        titel.setBold(true);
        // The box's layout sets its size from its contents: the label is made wide enough.
        if (auto* label = vraag->findChild<QLabel*>())
            label->setMinimumWidth(QFontMetrics(titel).horizontalAdvance(vraag->windowTitle()) +
                                   2 * kTitelKnoppenRuimte);
    }
    return vraag;
}

std::unique_ptr<QMessageBox> jaNeeVraag(QWidget* ouder, const QString& titel, const QString& tekst,
                                        QMessageBox::Icon icoon) {
    auto vraag = std::make_unique<QMessageBox>(icoon, titel, tekst,
                                               QMessageBox::Yes | QMessageBox::No, ouder);
    vraag->setDefaultButton(QMessageBox::No);
    return vraag;
}

} // namespace Drietal
