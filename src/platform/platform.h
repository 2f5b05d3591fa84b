// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's "open" action.
#pragma once

#include <QString>

namespace Platform {

// Opens an address with the desktop's "open" action and returns at once; the result is not
// reported (there is nobody to report it to).
void WebPaginaOpenen(const QString& adres);

} // namespace Platform
