// SPDX-License-Identifier: GPL-3.0-or-later
// Quoted record lines, the text form shared by the settings file, the high-score list and the
// topic files: comma-separated fields, strings in double quotes, CR LF line ends.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace Opslag {

// Reads a decoded file as a stream of fields. A field ends at a comma or a line end; blanks in
// front of it are skipped. A field that opens with a double quote runs to the next double quote
// and its value is the text between; any other field is trimmed.
class RecordLezer {
public:
    explicit RecordLezer(QString text) : m_text(std::move(text)) {}

    // True when no field is left: only the end of the text remains.
    bool opEinde() const { return m_pos >= m_text.size(); }

    // The next field, or nullopt when the text has run out (a record cut short).
    std::optional<QString> veld();

    // A field read as a number ("220", "-1", "12.5"); nullopt at the end or for a non-number.
    std::optional<double> getal();

    // A field read as #TRUE# or #FALSE#; nullopt at the end or for anything else.
    std::optional<bool> waarheid();

    // True once a field had to be repaired to be read: a quote left open, or text after a closing
    // quote. The program never writes either.
    bool hersteld() const { return m_hersteld; }

private:
    void slaBlankoOver();
    void slaScheidingstekenOver();
    bool isRegeleinde(qsizetype pos) const;

    QString m_text;
    qsizetype m_pos = 0;
    bool m_hersteld = false;
};

// Builds quoted record lines. Text that the format cannot hold (a double quote, a line break, a
// character outside Windows-1252) marks the writer as failed rather than writing something that
// would read back differently.
class RecordSchrijver {
public:
    RecordSchrijver& tekst(const QString& value);
    RecordSchrijver& getal(double value);
    RecordSchrijver& waarheid(bool value);
    void regelEinde();

    bool ok() const { return m_ok; }
    // The Windows-1252 bytes of everything written so far.
    QByteArray bytes() const { return m_bytes; }

private:
    void scheiding();

    QByteArray m_bytes;
    bool m_regelBegonnen = false;
    bool m_ok = true;
};

// The maker line and the rule that open the settings file and the high-score list.
void schrijfKopregels(RecordSchrijver& schrijver);

// True when the text can stand between the double quotes of a record line and read back the same.
bool isOpslaanbareTekst(const QString& text);
// The first character of text that a record line cannot hold, to name it to the user; nullopt when
// it can hold all of it. A lone surrogate, no character at all, comes back as "?".
std::optional<QString> eersteOnopslaanbaar(const QString& text);

// The text as near as a record line can hold it: a double quote becomes a single one, a control
// character a blank, a character outside Windows-1252 a question mark. For what must be kept
// even when it cannot be kept exactly: a player's name, a score, the title.
QString maakOpslaanbaar(const QString& text);

// Shortest decimal form of a number: 220, -1, 12.5.
QString kortsteGetal(double value);

} // namespace Opslag
