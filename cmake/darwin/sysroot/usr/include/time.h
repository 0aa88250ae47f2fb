// Darwin LP64 <time.h>
#ifndef ZUN_DARWIN_TIME_H
#define ZUN_DARWIN_TIME_H

#include <sys/types.h>

#define CLOCKS_PER_SEC 1000000

struct timespec {
  time_t tv_sec;
  long tv_nsec;
};

struct tm {
  int tm_sec, tm_min, tm_hour, tm_mday, tm_mon, tm_year, tm_wday, tm_yday, tm_isdst;
  long tm_gmtoff;
  char* tm_zone;
};

#ifdef __cplusplus
extern "C" {
#endif

clock_t clock(void);
time_t time(time_t*);
int nanosleep(const struct timespec*, struct timespec*);

#ifdef __cplusplus
}
#endif

#endif
