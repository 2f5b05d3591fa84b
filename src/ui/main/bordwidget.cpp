// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/bordwidget.h"

#include "ui/main/bordtekening.h"

#include <QMouseEvent>
#include <QPainter>

namespace Drietal {

BordWidget::BordWidget(QWidget* parent) : QWidget(parent) {
    setFixedSize(kBordBreedte, kBordHoogte);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BordWidget::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.drawPixmap(event->rect(), m_beeld,
                 QRectF(event->rect().topLeft() * m_beeld.devicePixelRatio(),
                        event->rect().size() * m_beeld.devicePixelRatio()));
}

void BordWidget::mousePressEvent(QMouseEvent* event) {
    emit muisIngedrukt(event->position().toPoint(), event->button());
}

RijKaderWidget::RijKaderWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void RijKaderWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(QColor(255, 255, 0), 3));
    p.drawRect(QRectF(1.5, 1.5, width() - 3, height() - 3));
}

} // namespace Drietal
