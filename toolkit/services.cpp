#include "services.h"

namespace tk {

Services& services() {
    static Services instance;
    return instance;
}

} // namespace tk
