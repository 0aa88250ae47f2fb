// Darwin <stdlib.h>
#ifndef ZUN_DARWIN_STDLIB_H
#define ZUN_DARWIN_STDLIB_H

#include <stddef.h>

#define EXIT_SUCCESS 0
#define EXIT_FAILURE 1

#ifdef __cplusplus
extern "C" {
#endif

typedef struct { int quot, rem; } div_t;
typedef struct { long quot, rem; } ldiv_t;
typedef struct { long long quot, rem; } lldiv_t;

void* malloc(size_t);
void* calloc(size_t, size_t);
void* realloc(void*, size_t);
void free(void*);
int posix_memalign(void**, size_t, size_t);
void abort(void) __attribute__((noreturn));
int atexit(void (*)(void));
void exit(int) __attribute__((noreturn));
char* getenv(const char*);
int abs(int);
long labs(long);
long long llabs(long long);
ldiv_t ldiv(long, long);
lldiv_t lldiv(long long, long long);
div_t div(int, int);
double strtod(const char*, char**);
float strtof(const char*, char**);
long strtol(const char*, char**, int);
long long strtoll(const char*, char**, int);
unsigned long strtoul(const char*, char**, int);
unsigned long long strtoull(const char*, char**, int);
void qsort(void*, size_t, size_t, int (*)(const void*, const void*));

#ifdef __cplusplus
}
#endif

#endif
