// The desktop services of the program: waiting while events go on, and the "open" action.
#pragma once

#include <QString>

namespace Algemeen {

// Returns after the given seconds, handling events meanwhile (through the time seam).
void Wachten(double seconden);

// Opens an address with the desktop's "open" action and returns at once; the result is not
// reported (there is nobody to report it to).
void WebPaginaOpenen(const QString& adres);

} // namespace Algemeen
