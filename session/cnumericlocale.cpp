// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/cnumericlocale.h"

CNumericLocale::CNumericLocale() : own_(newlocale(LC_NUMERIC_MASK, "C", nullptr)) {
    if (own_)
        previous_ = uselocale(own_);
}

CNumericLocale::~CNumericLocale() {
    if (!own_)
        return;
    uselocale(previous_);
    freelocale(own_);
}
