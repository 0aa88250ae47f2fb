// ext.h -- the basic types and calls of the Max host API: symbols, atoms,
// objects, outlets, clocks and the console, under the names of the Max SDK so that
// externals written against it build unchanged against the real SDK.
#ifndef ZUN_EXT_H
#define ZUN_EXT_H

#include <stdint.h>

#ifdef __cplusplus
#define BEGIN_USING_C_LINKAGE extern "C" {
#define END_USING_C_LINKAGE }
#else
#define BEGIN_USING_C_LINKAGE
#define END_USING_C_LINKAGE
#endif

#define C74_CONST const
#define C74_EXPORT __attribute__((visibility("default")))

typedef intptr_t t_ptr_int;
typedef uintptr_t t_ptr_uint;
typedef t_ptr_int t_int;
typedef t_ptr_int t_atom_long;
typedef double t_atom_float;
typedef t_atom_long t_max_err;

typedef enum {
  MAX_ERR_NONE = 0,
  MAX_ERR_GENERIC = -1,
  MAX_ERR_INVALID_PTR = -2,
  MAX_ERR_DUPLICATE = -3,
  MAX_ERR_OUT_OF_MEM = -4
} e_max_errorcodes;

// Argument type codes of method type lists and atoms.
typedef enum {
  A_NOTHING = 0,
  A_LONG,
  A_FLOAT,
  A_SYM,
  A_OBJ,
  A_DEFLONG,
  A_DEFFLOAT,
  A_DEFSYM,
  A_GIMME,
  A_CANT
} e_max_atomtypes;

// The selector value of an assist call: which side the box asks about.
enum { ASSIST_INLET = 1, ASSIST_OUTLET = 2 };

enum { MAGIC = 1758379419L, OB_MAGIC = MAGIC };

typedef void t_outlet;
typedef void t_inlet;
typedef void t_clock;

struct messlist;
struct maxclass;

typedef struct object {
  struct messlist* o_messlist;
  t_ptr_int o_magic;
  t_inlet* o_inlet;
  t_outlet* o_outlet;
} t_object;

typedef struct symbol {
  char* s_name;
  struct object* s_thing;
} t_symbol;

union word {
  t_atom_long w_long;
  t_atom_float w_float;
  struct symbol* w_sym;
  struct object* w_obj;
};

typedef struct atom {
  short a_type;
  union word a_w;
} t_atom;

typedef struct maxclass t_class;

typedef void* (*method)(void*);

BEGIN_USING_C_LINKAGE

t_symbol* gensym(C74_CONST char* s);

void* outlet_new(void* x, C74_CONST char* s);
void* intout(void* x);
void* listout(void* x);
void* outlet_int(void* o, t_atom_long n);
void* outlet_list(t_outlet* x, t_symbol* s, short ac, t_atom* av);
void* outlet_anything(t_outlet* x, C74_CONST t_symbol* s, short ac, C74_CONST t_atom* av);

typedef char* t_ptr;
typedef t_ptr_uint t_ptr_size;
typedef t_ptr_uint t_getbytes_size;
// Zeroed memory; getbytes and freebytes are the same calls.
t_ptr sysmem_newptr(t_ptr_size size);
void sysmem_freeptr(void* ptr);
#define getbytes(size) ((char*)sysmem_newptr((t_ptr_size)(size)))
#define freebytes(ptr, size) sysmem_freeptr(ptr)

// No translation: the text itself.
t_symbol* gensym_tr(C74_CONST char* s);
char* str_tr(C74_CONST char* s);

// Clocks call fn(obj) when they go off; freed with freeobject (or
// object_free), which unsets them.
t_clock* clock_new(void* obj, method fn);
void clock_delay(t_clock* x, long n);
void clock_fdelay(t_clock* x, double f);
void clock_unset(t_clock* x);
void clock_getftime(double* time);
void freeobject(void* op);
#define clock_free freeobject

END_USING_C_LINKAGE

#endif
