// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/windows/oplossing.h"

#include "storage/recordformat.h"
#include "ui/kit/venster.h"

#include <QLabel>

namespace Drietal {
namespace {
// Where the window's controls stand, in twips.
namespace plek {
constexpr QSize kVenster = twipsVenster(2400, 4410);
constexpr QRect kStrafLabel = twipsRect(150, 180, 2010, 735);
constexpr QRect kCodesLabel = twipsRect(150, 930, 2010, 2940);
} // namespace plek
} // namespace

Oplossing::Oplossing(Kern::TijdBron& tijd, float strafTijd,
                     const std::array<QString, Regels::kVakken>& drietalCodes, const QColor& kleur,
                     QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Oplossing "));
    setFixedSize(plek::kVenster);
    zetAchtergrond(this, kleur);

    m_strafLabel = new QLabel(this);
    // The message wraps to three lines at this width; it may use the room down to the codes.
    m_strafLabel->setGeometry(plek::kStrafLabel);
    m_strafLabel->setFont(arial(9.75));
    m_strafLabel->setWordWrap(true);
    m_strafLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_strafLabel->setText(QStringLiteral("De score wordt nu met %1 seconden verhoogd.")
                              .arg(Opslag::kortsteGetal(strafTijd)));

    m_codesLabel = new QLabel(this);
    m_codesLabel->setGeometry(plek::kCodesLabel);
    m_codesLabel->setFont(arial(12, true));
    m_codesLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QString codes;
    for (const QString& code : drietalCodes)
        codes += code + QStringLiteral("\r\n");
    m_codesLabel->setText(codes);

    m_timer.start(tijd, 1000, true, [this] { tik(); });
}

void Oplossing::tik() {
    if (--m_resterend > 0)
        return;
    m_timer.stop();
    accept();
}

} // namespace Drietal
