// Darwin <inttypes.h>: int64_t is long long.
#ifndef ZUN_DARWIN_INTTYPES_H
#define ZUN_DARWIN_INTTYPES_H

#include <stdint.h>

#define PRId32 "d"
#define PRIu32 "u"
#define PRIx32 "x"
#define PRId64 "lld"
#define PRIi64 "lli"
#define PRIu64 "llu"
#define PRIx64 "llx"

#endif
