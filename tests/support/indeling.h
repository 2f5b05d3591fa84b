// SPDX-License-Identifier: GPL-3.0-or-later
// What a player sees of a window's layout, checked by relations rather than by positions: every
// control lies inside the window, controls do not overlap (a panel under them aside), texts fit
// their controls, and every push button lies on a dark panel that shows around it.
#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

namespace Indeling {

// A plain frame or a coloured label without text or picture: a panel others may lie on.
inline bool isPaneel(const QWidget* w) {
    const auto* label = qobject_cast<const QLabel*>(w);
    return w->metaObject() == &QFrame::staticMetaObject ||
           (label && label->text().isEmpty() && label->pixmap().isNull());
}

// The control's class and text, for a failure message.
inline QByteArray naam(const QWidget* w) {
    return QByteArray(w->metaObject()->className()) + ' ' + w->property("text").toString().toUtf8();
}

inline void controleer(QWidget& venster) {
    venster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&venster));
    const QImage beeld = venster.grab().toImage();
    QList<QWidget*> controls;
    for (QWidget* w : venster.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isVisible())
            controls << w;
    }
    QVERIFY(controls.size() > 1);
    for (QWidget* w : controls) {
        QVERIFY2(venster.rect().contains(w->geometry()), naam(w));
        if (const auto* label = qobject_cast<QLabel*>(w); label && !label->text().isEmpty()) {
            const QRect ruimte = label->contentsRect();
            const QSize nodig = label->fontMetrics()
                                    .boundingRect(ruimte, label->wordWrap() ? Qt::TextWordWrap : 0,
                                                  label->text().trimmed())
                                    .size();
            QVERIFY2(nodig.width() <= ruimte.width() && nodig.height() <= ruimte.height(), naam(w));
        }
        if (const auto* knop = qobject_cast<QAbstractButton*>(w)) {
            QVERIFY2(knop->fontMetrics().horizontalAdvance(knop->text()) < knop->width() - 4,
                     naam(w));
            // The panel lies around it and shows on every side.
            const auto paneel = std::find_if(controls.begin(), controls.end(), [&](QWidget* p) {
                return isPaneel(p) && p->geometry().adjusted(1, 1, -1, -1).contains(w->geometry());
            });
            QVERIFY2(paneel != controls.end(), naam(w));
            const QRect r = w->geometry();
            for (const QPoint p :
                 {QPoint(r.left() - 1, r.center().y()), QPoint(r.right() + 1, r.center().y()),
                  QPoint(r.center().x(), r.top() - 1), QPoint(r.center().x(), r.bottom() + 1)})
                QVERIFY2(beeld.pixelColor(p).lightness() < 100, naam(w));
        }
        for (QWidget* ander : controls) {
            if (ander != w && !isPaneel(w) && !isPaneel(ander))
                QVERIFY2(!w->geometry().intersects(ander->geometry()),
                         naam(w) + " / " + naam(ander));
        }
    }
}

} // namespace Indeling
