// Stand-in for macOS's <libkern/OSAtomic.h>: the calls the Max SDK's
// atomic macros expand to, declared as macOS declares them.
#ifndef ZUN_SHIM_OSATOMIC_H
#define ZUN_SHIM_OSATOMIC_H

#include <stdbool.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

int32_t OSAtomicIncrement32(volatile int32_t* value);
int32_t OSAtomicIncrement32Barrier(volatile int32_t* value);
int32_t OSAtomicDecrement32(volatile int32_t* value);
int32_t OSAtomicDecrement32Barrier(volatile int32_t* value);
bool OSAtomicCompareAndSwap32Barrier(int32_t oldValue, int32_t newValue, volatile int32_t* value);
bool OSAtomicCompareAndSwap64Barrier(int64_t oldValue, int64_t newValue, volatile int64_t* value);

#ifdef __cplusplus
}
#endif

#endif
