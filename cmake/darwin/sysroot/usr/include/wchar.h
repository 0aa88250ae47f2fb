// Darwin <wchar.h>; libc++ expects it to bring <stdio.h> with it.
#ifndef ZUN_DARWIN_WCHAR_H
#define ZUN_DARWIN_WCHAR_H

#include <stddef.h>
#include <stdio.h>
#include <time.h>

typedef union {
  char __mbstate8[128];
  long long _mbstateL;
} mbstate_t;
typedef int wint_t;
#define WEOF ((wint_t)-1)

#ifdef __cplusplus
extern "C" {
#endif

size_t wcslen(const wchar_t*);
wchar_t* wmemcpy(wchar_t*, const wchar_t*, size_t);
wchar_t* wmemmove(wchar_t*, const wchar_t*, size_t);
wchar_t* wmemset(wchar_t*, wchar_t, size_t);
int wmemcmp(const wchar_t*, const wchar_t*, size_t);
wchar_t* wmemchr(const wchar_t*, wchar_t, size_t);
wchar_t* wcschr(const wchar_t*, wchar_t);
wchar_t* wcspbrk(const wchar_t*, const wchar_t*);
wchar_t* wcsrchr(const wchar_t*, wchar_t);
wchar_t* wcsstr(const wchar_t*, const wchar_t*);

#ifdef __cplusplus
}
#endif

#endif
