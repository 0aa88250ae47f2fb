// ext_buffer.h -- references to buffer~ objects by name and access to their
// samples, which hold interleaved channels.
#ifndef ZUN_EXT_BUFFER_H
#define ZUN_EXT_BUFFER_H

#include "ext.h"

typedef struct _buffer_ref t_buffer_ref;
typedef t_object t_buffer_obj;

BEGIN_USING_C_LINKAGE

t_buffer_ref* buffer_ref_new(t_object* self, t_symbol* name);
void buffer_ref_set(t_buffer_ref* x, t_symbol* name);
t_buffer_obj* buffer_ref_getobject(t_buffer_ref* x);
// An object that references buffer~s gets their notifications through its
// "notify" method (A_CANT), which passes each on to every reference here.
t_max_err buffer_ref_notify(t_buffer_ref* x, t_symbol* s, t_symbol* msg, void* sender, void* data);

void buffer_view(t_buffer_obj* buffer_object);
float* buffer_locksamples(t_buffer_obj* buffer_object);
void buffer_unlocksamples(t_buffer_obj* buffer_object);
t_atom_long buffer_getchannelcount(t_buffer_obj* buffer_object);
t_atom_long buffer_getframecount(t_buffer_obj* buffer_object);
// The rate of the sound the buffer~ holds: that of the file it read, else
// the audio's.
t_atom_float buffer_getsamplerate(t_buffer_obj* buffer_object);

END_USING_C_LINKAGE

#endif
