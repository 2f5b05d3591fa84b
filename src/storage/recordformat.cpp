// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/recordformat.h"

#include "storage/textcodec.h"

#include <QLocale>
#include <cmath>

namespace Opslag {
namespace {

bool isBlanko(QChar c) {
    return c == u' ' || c == u'\t';
}

} // namespace

bool RecordLezer::isRegeleinde(qsizetype pos) const {
    const QChar c = m_text.at(pos);
    return c == u'\r' || c == u'\n';
}

void RecordLezer::slaBlankoOver() {
    while (m_pos < m_text.size() && isBlanko(m_text.at(m_pos)))
        ++m_pos;
}

// Consumes the comma or line end (CR LF, CR or LF) that closes a field.
void RecordLezer::slaScheidingstekenOver() {
    if (m_pos >= m_text.size())
        return;
    const QChar c = m_text.at(m_pos);
    ++m_pos;
    if (c == u'\r' && m_pos < m_text.size() && m_text.at(m_pos) == u'\n')
        ++m_pos;
}

std::optional<QString> RecordLezer::veld() {
    if (opEinde())
        return std::nullopt;
    slaBlankoOver();
    if (m_pos < m_text.size() && m_text.at(m_pos) == u'"') {
        const qsizetype begin = m_pos + 1;
        const qsizetype sluit = m_text.indexOf(u'"', begin);
        if (sluit < 0) {
            // An unclosed quote runs to the end of the text.
            m_hersteld = true;
            m_pos = m_text.size();
            return m_text.mid(begin);
        }
        QString value = m_text.mid(begin, sluit - begin);
        // Anything between the closing quote and the next separator is not part of the value.
        m_pos = sluit + 1;
        slaBlankoOver();
        const qsizetype rest = m_pos;
        while (m_pos < m_text.size() && m_text.at(m_pos) != u',' && !isRegeleinde(m_pos))
            ++m_pos;
        m_hersteld |= m_pos > rest;
        slaScheidingstekenOver();
        return value;
    }
    const qsizetype begin = m_pos;
    while (m_pos < m_text.size() && m_text.at(m_pos) != u',' && !isRegeleinde(m_pos))
        ++m_pos;
    QString value = m_text.mid(begin, m_pos - begin).trimmed();
    slaScheidingstekenOver();
    return value;
}

std::optional<double> RecordLezer::getal() {
    const auto text = veld();
    if (!text)
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(*text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<bool> RecordLezer::waarheid() {
    const auto text = veld();
    if (!text)
        return std::nullopt;
    if (text->compare(QLatin1String("#TRUE#"), Qt::CaseInsensitive) == 0)
        return true;
    if (text->compare(QLatin1String("#FALSE#"), Qt::CaseInsensitive) == 0)
        return false;
    return std::nullopt;
}

void schrijfKopregels(RecordSchrijver& schrijver) {
    schrijver.tekst(QStringLiteral("Heldergroeve Software 2012")).regelEinde();
    schrijver.tekst(QString(26, u'-')).regelEinde();
}

bool isOpslaanbareTekst(const QString& text) {
    for (QChar c : text) {
        if (c == u'"' || c == u'\r' || c == u'\n')
            return false;
    }
    return isWindows1252(text);
}

std::optional<QString> eersteOnopslaanbaar(const QString& text) {
    if (isOpslaanbareTekst(text))
        return std::nullopt;
    for (const char32_t c : text.toUcs4()) {
        const QString teken = QString::fromUcs4(&c, 1);
        if (!isOpslaanbareTekst(teken))
            return teken;
    }
    return QStringLiteral("?");
}

QString maakOpslaanbaar(const QString& text) {
    QString schoon;
    schoon.reserve(text.size());
    for (QChar c : text) {
        if (c == u'"')
            schoon.append(u'\'');
        else if (c.unicode() < 0x20)
            schoon.append(u' ');
        else if (!isWindows1252(QString(c)))
            schoon.append(u'?');
        else
            schoon.append(c);
    }
    return schoon;
}

QString kortsteGetal(double value) {
    if (value == 0)
        return QStringLiteral("0"); // no "-0"
    return QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest);
}

void RecordSchrijver::scheiding() {
    if (m_regelBegonnen)
        m_bytes.append(',');
    m_regelBegonnen = true;
}

RecordSchrijver& RecordSchrijver::tekst(const QString& value) {
    scheiding();
    if (!isOpslaanbareTekst(value)) {
        m_ok = false;
        return *this;
    }
    m_bytes.append('"');
    m_bytes.append(*naarWindows1252(value));
    m_bytes.append('"');
    return *this;
}

RecordSchrijver& RecordSchrijver::getal(double value) {
    scheiding();
    if (!std::isfinite(value)) {
        m_ok = false;
        return *this;
    }
    m_bytes.append(kortsteGetal(value).toLatin1());
    return *this;
}

RecordSchrijver& RecordSchrijver::waarheid(bool value) {
    scheiding();
    m_bytes.append(value ? "#TRUE#" : "#FALSE#");
    return *this;
}

void RecordSchrijver::regelEinde() {
    m_bytes.append("\r\n");
    m_regelBegonnen = false;
}

} // namespace Opslag
