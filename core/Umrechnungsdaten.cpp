#include "Voderedezazarire.h"

namespace Voderedezazarire {

Umrechnungsdatensatz Umrechnungsdaten{};

} // namespace Voderedezazarire
