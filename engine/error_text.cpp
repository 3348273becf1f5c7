#include "error_text.h"

#include <cstring>
#include <locale.h>

namespace stampwright {

std::string_view ErrorText(int errorNumber) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return strerror_l(errorNumber, cLocale);
}

} // namespace stampwright
