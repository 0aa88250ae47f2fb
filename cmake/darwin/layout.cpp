// The Darwin LP64 layout our headers rely on, checked where they are
// compiled: a wrong size here would pass every compile and corrupt memory
// in Max. Values as macOS's own headers and libc++ build them.
#include <climits>
#include <cstdint>
#include <ctime>
#include <cwchar>
#include <mutex>
#include <type_traits>

#include <MacTypes.h>
#include <pthread.h>
#include <sys/types.h>

static_assert(sizeof(long) == 8 && sizeof(void*) == 8, "LP64");
static_assert(std::is_same<int64_t, long long>::value, "int64_t mangles as x");
static_assert(std::is_same<uint64_t, unsigned long long>::value, "uint64_t mangles as y");
static_assert(std::is_same<size_t, unsigned long>::value, "size_t mangles as m");
static_assert(CHAR_MIN < 0, "char is signed");
static_assert(sizeof(wchar_t) == 4, "wchar_t holds a UTF-32 unit");
#if defined(__aarch64__)
static_assert(sizeof(long double) == 8, "long double is double on Apple silicon");
#else
static_assert(sizeof(long double) == 16, "x87 long double in 16 bytes");
#endif

static_assert(sizeof(pthread_mutex_t) == 64 && sizeof(std::mutex) == 64, "mutex");
static_assert(sizeof(pthread_cond_t) == 48, "condition variable");
static_assert(sizeof(pthread_once_t) == 16, "once flag");
static_assert(sizeof(pthread_attr_t) == 64, "thread attributes");
static_assert(sizeof(pthread_mutexattr_t) == 16, "mutex attributes");
static_assert(sizeof(pthread_key_t) == 8, "thread-local key");
constexpr pthread_mutex_t unlocked = PTHREAD_MUTEX_INITIALIZER;
static_assert(unlocked.__sig == 0x32AAABA7, "a mutex libSystem takes as initialised");

static_assert(sizeof(mbstate_t) == 128, "multibyte state");
static_assert(sizeof(struct tm) == 56, "calendar time");
static_assert(sizeof(struct timespec) == 16 && sizeof(time_t) == 8, "time");
static_assert(sizeof(off_t) == 8 && sizeof(ssize_t) == 8, "file sizes");
static_assert(sizeof(UInt32) == 4 && sizeof(UInt64) == 8 && sizeof(Boolean) == 1, "MacTypes");
