// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/voorlezer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace Drietal {
namespace {

// Screen readers do not read a label's new text, and Qt 6.4's bridge hands Orca a name or
// description change in a form it cannot speak, and drops alerts. What Orca 43 does speak is an
// object of role notification that appears: it says the role and the object's name. So each
// message is the name of a small child that is hidden, renamed and shown again.
class MeldingDrager : public QWidget {
    Q_OBJECT
public:
    explicit MeldingDrager(QWidget* venster) : QWidget(venster) {
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 1, 1); // a plain widget paints nothing
        hide();
    }
};

QAccessibleInterface* meldingRol(const QString& klasse, QObject* object) {
    if (klasse == QLatin1String("Drietal::MeldingDrager") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

Voorlezer::Voorlezer(QWidget* venster) : QObject(venster) {
    QAccessible::installFactory(meldingRol); // installed once however often it is asked
    for (QWidget*& drager : m_dragers)
        drager = new MeldingDrager(venster);
}

void Voorlezer::zeg(const QString& tekst) {
    QWidget* drager = m_dragers[m_volgende];
    m_volgende = (m_volgende + 1) % m_dragers.size();
    drager->hide();
    drager->setAccessibleName(tekst);
    drager->show();
    drager->lower();
    emit gezegd(tekst);
}

} // namespace Drietal

#include "voorlezer.moc"
