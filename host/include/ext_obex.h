// ext_obex.h -- class registration, object life and messaging, and the
// console of the Max host API.
#ifndef ZUN_EXT_OBEX_H
#define ZUN_EXT_OBEX_H

#include "ext.h"

#define CLASS_BOX gensym("box")
#define CLASS_NOBOX gensym("nobox")

BEGIN_USING_C_LINKAGE

t_class* class_new(C74_CONST char* name, C74_CONST method mnew, C74_CONST method mfree, long size,
                   C74_CONST method mmenu, short type, ...);
t_max_err class_addmethod(t_class* c, C74_CONST method m, C74_CONST char* name, ...);
t_max_err class_register(t_symbol* name_space, t_class* c);

void* object_alloc(t_class* c);
t_max_err object_free(void* x);

// Sends a message with untyped arguments; object_method_imp always takes
// eight, padded with zeros by the caller.
void* object_method(void* x, t_symbol* s, ...);
void* object_method_imp(void* x, void* sym, void* p1, void* p2, void* p3, void* p4, void* p5,
                        void* p6, void* p7, void* p8);

void object_post(t_object* x, C74_CONST char* s, ...);
void object_error(t_object* x, C74_CONST char* s, ...);
void object_warn(t_object* x, C74_CONST char* s, ...);

END_USING_C_LINKAGE

#endif
