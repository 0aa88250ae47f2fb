// Darwin <sched.h>
#ifndef ZUN_DARWIN_SCHED_H
#define ZUN_DARWIN_SCHED_H

#ifdef __cplusplus
extern "C" {
#endif

int sched_yield(void);

#ifdef __cplusplus
}
#endif

#endif
