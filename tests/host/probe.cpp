// A plug-in that reports through the console what the host hands it, built
// only against the SDK headers. It registers "probe~", a signal class with
// one method per argument type, and "probe", a plain class.

#include "ext.h"
#include "ext_buffer.h"
#include "ext_obex.h"
#include "z_dsp.h"

namespace {

struct Probe {
  t_pxobject header;
  long untouched;  // never set: shows that the record arrives zeroed
  t_buffer_ref* table;
  void* countOutlet;
  bool variadic;  // registers its perform routine through object_method
};

t_class* probeClass = nullptr;
t_class* plainClass = nullptr;

char typeLetter(const t_atom& a) {
  switch (a.a_type) {
    case A_LONG:
      return 'L';
    case A_FLOAT:
      return 'F';
    case A_SYM:
      return 'S';
    default:
      return '?';
  }
}

void* probeNew(t_symbol* s, long argc, t_atom* argv) {
  Probe* x = static_cast<Probe*>(object_alloc(probeClass));
  object_post(nullptr, "new %s %ld untouched %ld sr %g", s->s_name, argc, x->untouched,
              sys_getsr());
  for (short i = 0; i < argc; ++i)
    object_post(nullptr, "arg %d %s", i, atom_getsymarg(i, static_cast<short>(argc), argv)->s_name);
  x->countOutlet = intout(x);
  z_dsp_setup(&x->header, 1);
  outlet_new(x, "signal");
  outlet_new(x, "signal");
  x->variadic = argc > 0 && atom_getsymarg(0, static_cast<short>(argc), argv) == gensym("variadic");
  return x;
}

void probeFree(Probe* x) {
  z_dsp_free(&x->header);
  if (x->table) object_free(x->table);
  object_post(nullptr, "free");
}

void probeLong(Probe*, long v) { object_post(nullptr, "long %ld", v); }
void probeFloat(Probe*, double v) { object_post(nullptr, "float %.17g", v); }
void probeSym(Probe*, t_symbol* s) { object_post(nullptr, "sym %s", s->s_name); }
void probeBang(Probe*) { object_post(nullptr, "bang"); }
void probeDefLong(Probe*, long v) { object_post(nullptr, "deflong %ld", v); }
void probePair(Probe*, long a, double b) { object_post(nullptr, "pair %ld %.17g", a, b); }
void probeSecret(Probe*) { object_post(nullptr, "secret"); }
void probeWhoami(Probe* x) { object_error(reinterpret_cast<t_object*>(x), "me"); }
void probeCount(Probe* x, long v) { outlet_int(x->countOutlet, v); }

void probeGimme(Probe*, t_symbol* s, long argc, t_atom* argv) {
  char types[16] = {};
  for (long i = 0; i < argc && i < 15; ++i) types[i] = typeLetter(argv[i]);
  object_post(nullptr, "gimme %s %ld %s", s->s_name, argc, types);
}

void probeBind(Probe* x, t_symbol* name) {
  if (x->table)
    buffer_ref_set(x->table, name);
  else
    x->table = buffer_ref_new(reinterpret_cast<t_object*>(x), name);
}

// Left: the first channel of the bound table, repeated, or the frame
// index; right: the vector length, written only while a table is bound.
void probePerform(Probe* x, t_object*, double** ins, long numins, double** outs, long numouts,
                  long frames, long flags, void* user) {
  if (numins != 1 || numouts != 2 || flags != 7 || user != x) return;
  t_buffer_obj* b = x->table ? buffer_ref_getobject(x->table) : nullptr;
  float* samples = b ? buffer_locksamples(b) : nullptr;
  const long count = samples ? buffer_getframecount(b) : 0;
  const long channels = samples ? buffer_getchannelcount(b) : 1;
  for (long i = 0; i < frames; ++i)
    outs[0][i] = count > 0 ? samples[(i % count) * channels] : static_cast<double>(i) + ins[0][i];
  if (samples) {
    for (long i = 0; i < frames; ++i) outs[1][i] = static_cast<double>(frames);
    buffer_unlocksamples(b);
  }
}

void probeDsp64(Probe* x, t_object* chain, short*, double sr, long maxvec, long) {
  object_post(nullptr, "dsp64 %g %ld", sr, maxvec);
  if (x->variadic)
    object_method(chain, gensym("dsp_add64"), x, reinterpret_cast<void*>(probePerform), 7L,
                  static_cast<void*>(x));
  else
    object_method_imp(chain, gensym("dsp_add64"), x, reinterpret_cast<void*>(probePerform),
                      reinterpret_cast<void*>(7), x, 0, 0, 0, 0);
}

void* plainNew(t_symbol*, long, t_atom*) { return object_alloc(plainClass); }

}  // namespace

C74_EXPORT int main(void) {
  object_post(nullptr, "main");
  t_class* c =
      class_new("probe~", reinterpret_cast<method>(probeNew), reinterpret_cast<method>(probeFree),
                sizeof(Probe), nullptr, A_GIMME, A_DEFLONG, 0);
  class_addmethod(c, reinterpret_cast<method>(probeDsp64), "dsp64", A_CANT, 0);
  class_addmethod(c, reinterpret_cast<method>(probeLong), "long", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(probeFloat), "float", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(probeSym), "sym", A_SYM, 0);
  class_addmethod(c, reinterpret_cast<method>(probeGimme), "list", A_GIMME, 0);
  class_addmethod(c, reinterpret_cast<method>(probeBang), "bang", A_NOTHING, 0);
  class_addmethod(c, reinterpret_cast<method>(probeDefLong), "deflong", A_DEFLONG, 0);
  class_addmethod(c, reinterpret_cast<method>(probePair), "pair", A_LONG, A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(probeSecret), "secret", A_CANT, 0);
  class_addmethod(c, reinterpret_cast<method>(probeWhoami), "whoami", A_NOTHING, 0);
  class_addmethod(c, reinterpret_cast<method>(probeCount), "count", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(probeBind), "bind", A_SYM, 0);
  class_dspinit(c);
  class_register(CLASS_BOX, c);
  probeClass = c;

  plainClass = class_new("probe", reinterpret_cast<method>(plainNew), nullptr, sizeof(t_object),
                         nullptr, A_GIMME, 0);
  class_addmethod(plainClass, reinterpret_cast<method>(probeBang), "bang", A_NOTHING, 0);
  class_register(CLASS_BOX, plainClass);
  return 0;
}
