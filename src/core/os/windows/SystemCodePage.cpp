#include "core/os/SystemCodePage.h"

#include "WindowsApi.h"

int SystemAnsiCodePage() {
    return static_cast<int>(GetACP());
}
