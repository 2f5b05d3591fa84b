// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/werkbalk.h"

#include "ui/kit/venster.h"
#include "ui/main/plaatjes.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QToolTip>

namespace Drietal {
namespace {

// The buttons in the order of Commando, with their pictures and tooltips.
struct KnopSoort {
    Plaatje plaatje;
    const char* tip;
};
constexpr KnopSoort kKnoppen[kAantalKnoppen] = {
    {Plaatje::Help, " Help "},
    {Plaatje::Start, " Start spel "},
    {Plaatje::SoundOn, " Geluid aan / uit "},
    {Plaatje::Woorden, " Invoer woorden "},
    {Plaatje::Instellingen, " Instellingen "},
    {Plaatje::Scorelijst, " Scorelijst "},
    {Plaatje::MeerSoftware, " Meer software "},
    {Plaatje::Oplossing, " Oplossing, score wordt met 10 sec. verhoogd "},
};

// Places on the strip, in its pixels; the exit button keeps to the right edge.
constexpr int kKnopLinks0 = 10;
constexpr int kKnopAfstand = 70;
constexpr int kKnopBoven = 23;
constexpr int kExitVanRechts = 60;
constexpr QRect kAftelVak(QPoint(574, 28), QPoint(620, 65));

} // namespace

PlaatjeKnop::PlaatjeKnop(QWidget* parent) : QAbstractButton(parent) {
    setFixedSize(kKnopMaat, kKnopMaat);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    connect(this, &QAbstractButton::clicked, this, &PlaatjeKnop::geklikt);
}

void PlaatjeKnop::setPixmap(const QPixmap& beeld) {
    m_beeld = beeld;
    update();
}

QSize PlaatjeKnop::sizeHint() const {
    return {kKnopMaat, kKnopMaat};
}

void PlaatjeKnop::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (isEnabled()) {
        p.drawPixmap(0, 0, m_beeld);
    } else {
        QStyleOption optie;
        optie.initFrom(this);
        p.drawPixmap(0, 0, style()->generatedIconPixmap(QIcon::Disabled, m_beeld, &optie));
    }
    if (!hasFocus() || !focusKaderZichtbaar())
        return;
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(255, 255, 255), 2, Qt::DotLine));
    p.drawRoundedRect(QRectF(1, 1, width() - 2, height() - 2), 10, 10);
}

bool PlaatjeKnop::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip || m_tip.isEmpty())
        return QAbstractButton::event(event);
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), m_tip, this);
    return true;
}

void PlaatjeKnop::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        click();
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        event->ignore(); // the arrows belong to the board's cards
        break;
    default:
        QAbstractButton::keyPressEvent(event);
    }
}

KnopStrook::KnopStrook(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_streep = new QWidget(this);
    m_streep->setAutoFillBackground(true);
    QPalette licht = m_streep->palette();
    licht.setColor(QPalette::Window, QColor(180, 180, 180));
    m_streep->setPalette(licht);
    for (int i = 0; i < kAantalKnoppen; ++i) {
        const KnopSoort& soort = kKnoppen[i];
        m_knoppen[i] = new PlaatjeKnop(this);
        m_knoppen[i]->setTip(QString::fromLatin1(soort.tip));
        m_knoppen[i]->setAccessibleName(QString::fromLatin1(soort.tip).trimmed());
        m_knoppen[i]->setPixmap(knopPlaatje(soort.plaatje, devicePixelRatioF()));
        m_knoppen[i]->move(kKnopLinks0 + kKnopAfstand * i, kKnopBoven);
    }
    m_exit = new PlaatjeKnop(this);
    m_exit->setAccessibleName(QStringLiteral("Afsluiten"));
    m_exit->setPixmap(knopPlaatje(Plaatje::Exit, devicePixelRatioF()));
}

void KnopStrook::resizeEvent(QResizeEvent*) {
    m_streep->setGeometry(-2, 0, width() + 4, 1);
    m_exit->move(width() - kExitVanRechts, kKnopBoven);
    tekenAchtergrond();
}

// The strip's colour with a dot every third pixel, and the dark box behind the countdown.
void KnopStrook::tekenAchtergrond() {
    const qreal dpr = devicePixelRatioF();
    m_achtergrond = QPixmap(size() * dpr);
    m_achtergrond.setDevicePixelRatio(dpr);
    m_achtergrond.fill(QColor(80, 80, 100));
    QPainter p(&m_achtergrond);
    // One dot in a 3 x 3 tile, repeated from (0, 10) down to the bottom.
    QPixmap tegel(3, 3);
    tegel.fill(QColor(80, 80, 100));
    {
        QPainter t(&tegel);
        t.setPen(QColor(20, 20, 50));
        t.drawPoint(0, 0);
    }
    p.setBrushOrigin(0, 10);
    p.fillRect(QRect(0, 10, width(), kStrookHoogte - 10), QBrush(tegel));
    p.fillRect(kAftelVak, QColor(20, 20, 40));
    p.setPen(QColor(170, 170, 170));
    p.drawRect(kAftelVak.adjusted(0, 0, -1, -1));
}

void KnopStrook::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const qreal dpr = m_achtergrond.devicePixelRatio();
    p.drawPixmap(event->rect(), m_achtergrond,
                 QRectF(event->rect().topLeft() * dpr, event->rect().size() * dpr));
}

} // namespace Drietal
