// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/platform.h"

#include <QProcess>
#include <QUrl>

namespace Platform {

void WebPaginaOpenen(const QString& adres) {
    // xdg-open is the desktop's own "open"; started detached it never holds up the game.
    QProcess::startDetached(QStringLiteral("xdg-open"), {adres});
}

} // namespace Platform
