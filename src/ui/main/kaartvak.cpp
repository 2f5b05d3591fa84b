// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/kaartvak.h"

#include "ui/kit/venster.h"
#include "ui/main/bordmaten.h"
#include "ui/main/bordtekening.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace Drietal {

namespace {

// A card as a screen reader sees it: a button whose name it reads when the card gets the focus.
// The name is handed out here, not set with setAccessibleName(): each change would send an event
// Orca 43 cannot speak from Qt 6.4 but must work through, thirty at every flip and pause, while
// the message about that flip or pause waits behind them.
class KaartToegang : public QAccessibleWidget {
public:
    explicit KaartToegang(KaartVak* vak) : QAccessibleWidget(vak, QAccessible::Button) {}
    QString text(QAccessible::Text soort) const override {
        return soort == QAccessible::Name ? kaart()->naam() : QAccessibleWidget::text(soort);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actie) override {
        if (actie == pressAction())
            kaart()->click();
    }

private:
    KaartVak* kaart() const { return static_cast<KaartVak*>(widget()); }
};

QAccessibleInterface* kaartToegang(const QString& klasse, QObject* object) {
    if (klasse == QLatin1String("Drietal::KaartVak") && object && object->isWidgetType())
        return new KaartToegang(static_cast<KaartVak*>(object));
    return nullptr;
}

} // namespace

KaartVak::KaartVak(int rij, int vak, QWidget* parent)
    : QAbstractButton(parent), m_rij(rij), m_vak(vak) {
    QAccessible::installFactory(kaartToegang); // installed once however often it is asked
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus); // reached with the arrow keys, not with Tab
    setGeometry(kKaartLinks[rij] - 4, kaartBoven(vak) - 4, kKaartBreedte + 9, kKaartHoogte + 9);
    zetToestand(false, {});
}

void KaartVak::zetToestand(bool open, const QString& woord) {
    const QString plek = QStringLiteral("Rij %1, vak %2").arg(m_rij + 1).arg(m_vak);
    // The word first: in the think time a player hears it at once and goes on to the next card.
    m_naam = !open             ? plek + QStringLiteral(", dicht")
             : woord.isEmpty() ? plek + QStringLiteral(", open")
                               : woord + QStringLiteral(". ") + plek;
}

void KaartVak::paintEvent(QPaintEvent*) {
    if (!hasFocus() || !focusKaderZichtbaar())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 190, 255), 4));
    p.drawRoundedRect(QRectF(2, 2, width() - 4, height() - 4), 5, 5);
    p.setPen(QPen(QColor(255, 255, 255), 1));
    p.drawRoundedRect(QRectF(4.5, 4.5, width() - 9, height() - 9), 3, 3);
}

void KaartVak::focusInEvent(QFocusEvent* event) {
    QAbstractButton::focusInEvent(event);
    update();
}

void KaartVak::focusOutEvent(QFocusEvent* event) {
    QAbstractButton::focusOutEvent(event);
    update();
}

// The arrows move over the board and Enter opens a card, as the main window decides; Space
// presses the card as a button.
void KaartVak::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space)
        QAbstractButton::keyPressEvent(event);
    else
        event->ignore();
}

PauzePaneel::PauzePaneel(QWidget* parent) : QWidget(parent) {
    setGeometry(27, 27, 744, 444);
    setAccessibleName(QStringLiteral("Pauze"));
    setAccessibleDescription(QStringLiteral("Druk op P om verder te spelen"));
    setCursor(Qt::PointingHandCursor);
    hide();
}

void PauzePaneel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    tekenSchaduw(p, 0, width(), 0, height());
    p.fillRect(rect(), QColor(0, 0, 0, 110));
    p.setFont(comicSans(40, true));
    p.setPen(QColor(30, 30, 30));
    p.drawText(rect().translated(3, 3).adjusted(0, 0, 0, -60), Qt::AlignCenter,
               QStringLiteral("Pauze"));
    p.setPen(QColor(255, 255, 255));
    p.drawText(rect().adjusted(0, 0, 0, -60), Qt::AlignCenter, QStringLiteral("Pauze"));
    p.setFont(comicSans(14));
    p.setPen(QColor(230, 230, 200));
    p.drawText(rect().adjusted(0, 80, 0, 0), Qt::AlignCenter,
               QStringLiteral("Druk op P (of klik hier) om verder te spelen"));
}

void PauzePaneel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit geklikt();
}

} // namespace Drietal
