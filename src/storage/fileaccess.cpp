#include "storage/fileaccess.h"

#include "storage/textcodec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace Opslag {

BestandsInhoud leesTekstBestand(const QString& pad) {
    const QFileInfo info(pad);
    if (!info.exists())
        return {LeesStatus::Ontbreekt, {}};
    if (!info.isFile())
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

OpslaanStatus vervangBestand(const QString& pad, const QByteArray& bytes, bool bewaarOud) {
    if (bewaarOud && QFileInfo(pad).isFile()) {
        const QString backup = pad + QStringLiteral(".bak");
        QFile::remove(backup);
        if (!QFile::copy(pad, backup))
            return OpslaanStatus::SchrijvenMislukt;
    }
    QSaveFile file(pad);
    if (!file.open(QIODevice::WriteOnly))
        return OpslaanStatus::SchrijvenMislukt;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return OpslaanStatus::SchrijvenMislukt;
    }
    return file.commit() ? OpslaanStatus::Opgeslagen : OpslaanStatus::SchrijvenMislukt;
}

} // namespace Opslag
