// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/fileaccess.h"

#include "storage/paths.h"
#include "storage/textcodec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

namespace Opslag {
namespace {

// With a full disk the small writes land in QSaveFile's buffer and succeed; only the flush meets
// the error. Committing after a failed flush would put a short or empty file in the old one's
// place, so the flush is checked first. An uncommitted QSaveFile throws its temporary file away.
bool sluit(QSaveFile& file) {
    return file.flush() && file.commit();
}

// Copies like a save, so a copy that fails halfway leaves an earlier copy whole.
bool kopieer(const QString& bron, const QString& doel) {
    QFile in(bron);
    QSaveFile uit(doel);
    if (!in.open(QIODevice::ReadOnly) || !uit.open(QIODevice::WriteOnly))
        return false;
    for (QByteArray blok; !(blok = in.read(64 * 1024)).isEmpty();) {
        if (uit.write(blok) != blok.size())
            return false;
    }
    return in.error() == QFileDevice::NoError && sluit(uit);
}

// Where a save to pad lands: QSaveFile follows a file link to its last target. Empty when that
// cannot be told (a loop of links, a folder that is gone).
QString echtDoel(const QString& pad) {
    QFileInfo info(pad);
    for (int stap = 0; stap < 40 && info.isSymLink(); ++stap)
        info.setFile(info.symLinkTarget());
    const QString map = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (info.isSymLink() || map.isEmpty())
        return {};
    return map + u'/' + info.fileName();
}

bool ligtIn(const QString& pad, const QString& map) {
    const QString echt = QFileInfo(map).canonicalFilePath();
    return !echt.isEmpty() && pad.startsWith(echt + u'/');
}

// A file link is saved through only when it ends inside the program's own folders; one that
// leads elsewhere (say to a file of the system) would have that file rewritten. Linked folders
// are followed: only the file's own link is judged.
bool magSchrijven(const Mappen& mappen, const QString& pad) {
    if (!QFileInfo(pad).isSymLink())
        return true;
    const QString doel = echtDoel(pad);
    return !doel.isEmpty() &&
           (ligtIn(doel, mappen.programmaMap()) || ligtIn(doel, mappen.gebruikersMap()) ||
            ligtIn(doel, mappen.dataMap()));
}

} // namespace

bool isGewoonBestand(const QString& pad) {
    return QFileInfo(pad).isFile();
}

BestandsInhoud leesTekstBestand(const QString& pad) {
    const QFileInfo info(pad);
    if (!info.exists())
        return {LeesStatus::Ontbreekt, {}};
    if (!isGewoonBestand(pad))
        return {LeesStatus::Onleesbaar, {}};
    if (info.size() > kMaxBestandsgrootte)
        return {LeesStatus::TeGroot, {}};
    QFile file(pad);
    if (!file.open(QIODevice::ReadOnly))
        return {LeesStatus::Onleesbaar, {}};
    // Read one byte past the limit, in case the file grew since its size was taken.
    const QByteArray bytes = file.read(kMaxBestandsgrootte + 1);
    if (file.error() != QFileDevice::NoError)
        return {LeesStatus::Onleesbaar, {}};
    if (bytes.size() > kMaxBestandsgrootte)
        return {LeesStatus::TeGroot, {}};
    return {LeesStatus::Gelezen, decodeerBestand(bytes)};
}

QByteArray leesBegin(const QString& pad, qint64 max) {
    QFile file(pad);
    if (!isGewoonBestand(pad) || !file.open(QIODevice::ReadOnly))
        return {};
    return file.read(max);
}

bool kanSchrijvenIn(const QString& map) {
    QTemporaryFile proef(map + QStringLiteral("/.schrijfproef-XXXXXX"));
    return proef.open() && proef.write("proef\r\n") == 7 && proef.flush();
}

OpslaanStatus vervangBestand(const Mappen& mappen, const QString& pad, const QByteArray& bytes,
                             bool bewaarOud) {
    const QString backup = pad + QStringLiteral(".bak");
    if (!magSchrijven(mappen, pad) || (bewaarOud && !magSchrijven(mappen, backup)))
        return OpslaanStatus::LinkNaarBuiten;
    if (bewaarOud && isGewoonBestand(pad) && !kopieer(pad, backup))
        return OpslaanStatus::SchrijvenMislukt;
    QSaveFile file(pad);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return OpslaanStatus::SchrijvenMislukt;
    return sluit(file) ? OpslaanStatus::Opgeslagen : OpslaanStatus::SchrijvenMislukt;
}

OpslaanStatus kopieerBestand(const Mappen& mappen, const QString& bron, const QString& doel) {
    if (!magSchrijven(mappen, doel))
        return OpslaanStatus::LinkNaarBuiten;
    if (!isGewoonBestand(bron) || !kopieer(bron, doel))
        return OpslaanStatus::SchrijvenMislukt;
    return OpslaanStatus::Opgeslagen;
}

} // namespace Opslag
