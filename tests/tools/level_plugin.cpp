// A plug-in for the renderer's tests, built only against the SDK headers.
// "zuntest.level~" outputs a constant level, +level on the left and -level
// on the right, so that a render shows on which sample a message landed.
// It posts every level it is sent, answers "count" with the number of
// levels received, and posts an error on "fail".

#include "ext.h"
#include "ext_obex.h"
#include "z_dsp.h"

namespace {

struct Level {
  t_pxobject header;
  double level;
  long received;
  void* countOutlet;
};

t_class* levelClass = nullptr;

void* levelNew(t_symbol*, long, t_atom*) {
  Level* x = static_cast<Level*>(object_alloc(levelClass));
  object_post(nullptr, "level~ ready");
  x->level = 0.0;
  x->received = 0;
  x->countOutlet = intout(x);
  z_dsp_setup(&x->header, 1);
  outlet_new(x, "signal");
  outlet_new(x, "signal");
  return x;
}

void levelFree(Level* x) { z_dsp_free(&x->header); }

void levelSet(Level* x, double v) {
  x->level = v;
  ++x->received;
  object_post(nullptr, "set %.17g", v);
}

void levelCount(Level* x) { outlet_int(x->countOutlet, x->received); }
void levelFail(Level*) { object_error(nullptr, "failing on purpose"); }
void levelFlag(Level*, long) {}
void levelName(Level*, t_symbol*) {}

void levelPerform(t_object* o, t_object*, double**, long, double** outs, long, long frames, long,
                  void*) {
  const Level* x = reinterpret_cast<const Level*>(o);
  for (long i = 0; i < frames; ++i) {
    outs[0][i] = x->level;
    outs[1][i] = -x->level;
  }
}

void levelDsp64(Level* x, t_object* chain, short*, double, long, long) {
  object_method_imp(chain, gensym("dsp_add64"), x, reinterpret_cast<void*>(levelPerform), nullptr,
                    nullptr, nullptr, nullptr, nullptr, nullptr);
}

}  // namespace

extern "C" C74_EXPORT int main(void) {
  t_class* c = class_new("zuntest.level~", reinterpret_cast<method>(levelNew),
                         reinterpret_cast<method>(levelFree), sizeof(Level), nullptr, A_GIMME, 0);
  class_addmethod(c, reinterpret_cast<method>(levelDsp64), "dsp64", A_CANT, 0);
  class_addmethod(c, reinterpret_cast<method>(levelSet), "set", A_FLOAT, 0);
  class_addmethod(c, reinterpret_cast<method>(levelCount), "count", A_NOTHING);
  class_addmethod(c, reinterpret_cast<method>(levelFail), "fail", A_NOTHING);
  class_addmethod(c, reinterpret_cast<method>(levelFlag), "flag", A_LONG, 0);
  class_addmethod(c, reinterpret_cast<method>(levelName), "name", A_SYM, 0);
  class_dspinit(c);
  class_register(CLASS_BOX, c);
  levelClass = c;
  return 0;
}
