#include "platform/platform.h"

#include "core/tijdbron.h"

#include <QProcess>
#include <QUrl>
#include <cmath>

namespace Algemeen {

void Wachten(double seconden) {
    if (!(seconden > 0))
        return;
    tijd().wacht(static_cast<int>(std::lround(seconden * 1000)));
}

void WebPaginaOpenen(const QString& adres) {
    // xdg-open is the desktop's own "open"; started detached it never holds up the game.
    QProcess::startDetached(QStringLiteral("xdg-open"), {adres});
}

} // namespace Algemeen
