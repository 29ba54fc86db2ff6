// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <locale.h>

// Puts the calling thread on the "C" numeric conventions for its lifetime, so numbers
// in files use '.' whatever locale the application runs in.
class CNumericLocale {
public:
    CNumericLocale();
    ~CNumericLocale();
    CNumericLocale(const CNumericLocale&) = delete;
    CNumericLocale& operator=(const CNumericLocale&) = delete;

private:
    locale_t own_;
    locale_t previous_ = nullptr;
};
