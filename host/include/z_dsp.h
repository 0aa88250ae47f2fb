// z_dsp.h -- signal objects of the Max host API: the signal-object header,
// DSP set-up and the audio chain's perform routine.
#ifndef ZUN_Z_DSP_H
#define ZUN_Z_DSP_H

#include "ext.h"

// Header of every non-UI signal object, first in its record.
typedef struct t_pxobject {
  struct object z_ob;
  long z_in;
  void* z_proxy;
  long z_disabled;
  short z_count;  // number of signal inlets
  short z_misc;
} t_pxobject;

BEGIN_USING_C_LINKAGE

typedef void (*t_perfroutine64)(t_object* x, t_object* dsp64, double** ins, long numins,
                                double** outs, long numouts, long sampleframes, long flags,
                                void* userparam);

float sys_getsr(void);

void z_dsp_setup(t_pxobject* x, long nsignals);
void z_dsp_free(t_pxobject* x);
#define dsp_setup z_dsp_setup
#define dsp_free z_dsp_free

void class_dspinit(t_class* c);

t_symbol* atom_getsymarg(short which, short argc, t_atom* argv);

END_USING_C_LINKAGE

#endif
