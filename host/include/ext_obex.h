// ext_obex.h -- class registration, object life and messaging, and the
// console of the Max host API.
#ifndef ZUN_EXT_OBEX_H
#define ZUN_EXT_OBEX_H

#include "ext.h"

#include <stddef.h>

#define CLASS_BOX gensym("box")
#define calcoffset(x, y) offsetof(x, y)
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

// Sends a message with atoms, as a patch would; rv, if given, is set to
// A_NOTHING.
t_max_err object_method_typed(void* x, t_symbol* s, long ac, t_atom* av, t_atom* rv);

// ---- attributes

// A getter fills *av with *ac atoms, allocating them with getbytes when
// *av is null; a setter takes ac atoms.
t_object* attribute_new(C74_CONST char* name, t_symbol* type, long flags, method mget,
                        method mset);
t_max_err class_addattr(t_class* c, t_object* attr);
t_max_err object_attr_setvalueof(void* x, t_symbol* s, long argc, t_atom* argv);
t_max_err object_attr_getvalueof(void* x, t_symbol* s, long* argc, t_atom** argv);
// Where the first "@name" of a creation argument list is (ac if none), and
// every "@name value..." of the list set as an attribute.
long attr_args_offset(short ac, t_atom* av);
void attr_args_process(void* x, short ac, t_atom* av);

// The object's own store: the outlet stored under "dumpout" answers
// attribute getters and object_obex_dumpout.
void class_obexoffset_set(t_class* c, long offset);
t_max_err object_obex_store(void* x, t_symbol* key, t_object* val);
void object_obex_dumpout(void* x, C74_CONST t_symbol* s, long argc, C74_CONST t_atom* argv);

void object_post(t_object* x, C74_CONST char* s, ...);
void object_error(t_object* x, C74_CONST char* s, ...);

END_USING_C_LINKAGE

#include "ext_obex_util.h"

#endif
