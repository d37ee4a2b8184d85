// The x86-64 system-call numbers from the kernel's header, apart from the
// i386 ones, which use the same names.
#include <asm/unistd_64.h>

#include "devport/core/LinuxAbi.h"

devport::linux_abi::SystemCallNumbers KernelX8664SystemCalls() {
    return {__NR_open, __NR_close, __NR_ioctl, __NR_statx};
}
