// Darwin LP64 <sys/types.h>: the types the code and the Max SDK use.
#ifndef ZUN_DARWIN_SYS_TYPES_H
#define ZUN_DARWIN_SYS_TYPES_H

#include <stddef.h>
#include <stdint.h>

typedef unsigned char u_int8_t;
typedef unsigned short u_int16_t;
typedef unsigned int u_int32_t;
typedef unsigned long long u_int64_t;
typedef long ssize_t;
typedef long long off_t;
typedef int pid_t;
typedef unsigned short mode_t;
typedef long time_t;
typedef unsigned long clock_t;
typedef unsigned int useconds_t;

#include <sys/_pthread_types.h>

#endif
