// Darwin LP64 pthread types: a signature word, then opaque bytes of the
// sizes libSystem was built with. A wrong size corrupts memory silently.
#ifndef ZUN_DARWIN_PTHREAD_TYPES_H
#define ZUN_DARWIN_PTHREAD_TYPES_H

struct _opaque_pthread_t;
typedef struct _opaque_pthread_t* pthread_t;
typedef struct { long __sig; char __opaque[56]; } pthread_attr_t;
typedef struct { long __sig; char __opaque[56]; } pthread_mutex_t;
typedef struct { long __sig; char __opaque[8]; } pthread_mutexattr_t;
typedef struct { long __sig; char __opaque[40]; } pthread_cond_t;
typedef struct { long __sig; char __opaque[8]; } pthread_condattr_t;
typedef struct { long __sig; char __opaque[8]; } pthread_once_t;
typedef struct { long __sig; char __opaque[192]; } pthread_rwlock_t;
typedef unsigned long pthread_key_t;

#endif
