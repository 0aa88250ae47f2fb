// Darwin <mach/mach_time.h>
#ifndef ZUN_DARWIN_MACH_TIME_H
#define ZUN_DARWIN_MACH_TIME_H

#include <stdint.h>

typedef struct {
  uint32_t numer;
  uint32_t denom;
} mach_timebase_info_data_t;

#ifdef __cplusplus
extern "C" {
#endif

uint64_t mach_absolute_time(void);
int mach_timebase_info(mach_timebase_info_data_t*);

#ifdef __cplusplus
}
#endif

#endif
