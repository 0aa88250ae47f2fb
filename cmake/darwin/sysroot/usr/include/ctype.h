// Darwin <ctype.h>
#ifndef ZUN_DARWIN_CTYPE_H
#define ZUN_DARWIN_CTYPE_H

#ifdef __cplusplus
extern "C" {
#endif

int isspace(int);
int isdigit(int);
int isalpha(int);
int tolower(int);
int toupper(int);

#ifdef __cplusplus
}
#endif

#endif
