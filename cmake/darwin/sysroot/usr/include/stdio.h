// Darwin <stdio.h>: FILE stays opaque; the standard streams are
// __stdinp, __stdoutp and __stderrp.
#ifndef ZUN_DARWIN_STDIO_H
#define ZUN_DARWIN_STDIO_H

#include <stdarg.h>
#include <stddef.h>

#define EOF (-1)
#define SEEK_SET 0
#define SEEK_CUR 1
#define SEEK_END 2

#ifdef __cplusplus
extern "C" {
#endif

typedef struct __sFILE FILE;
typedef long long fpos_t;

extern FILE* __stdinp;
extern FILE* __stdoutp;
extern FILE* __stderrp;
#define stdin __stdinp
#define stdout __stdoutp
#define stderr __stderrp

int fclose(FILE*);
int fflush(FILE*);
int fprintf(FILE*, const char*, ...);
int printf(const char*, ...);
int snprintf(char*, size_t, const char*, ...);
int sprintf(char*, const char*, ...);
int sscanf(const char*, const char*, ...);
int vfprintf(FILE*, const char*, va_list);
int vsnprintf(char*, size_t, const char*, va_list);
int fputc(int, FILE*);
int fputs(const char*, FILE*);
int puts(const char*);
size_t fread(void*, size_t, size_t, FILE*);
size_t fwrite(const void*, size_t, size_t, FILE*);
int remove(const char*);

#ifdef __cplusplus
}
#endif

#endif
