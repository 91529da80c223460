// No system-wide 8-bit code page: the locale's language tells it.
#include "core/os/SystemCodePage.h"

int SystemAnsiCodePage() {
    return 0;
}
