#pragma once

// Driving the host: load plug-ins, create objects, send them messages, bind
// buffer~ tables, run the audio chain and read what the objects produced.
//
// The host runs everything on the calling thread: a call made here stands
// for the host's message thread, process() for one turn of its audio thread.

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

#include "z_dsp.h"

namespace zun {

// A failure of the host itself: a plug-in that cannot be loaded, an unknown
// class, a constructor that returned nothing, a buffer~ name taken twice.
struct HostError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// One message or creation argument: an integer, a float or a symbol.
struct Atom {
  Atom(int v) : value(static_cast<t_atom_long>(v)) {}
  Atom(long v) : value(static_cast<t_atom_long>(v)) {}
  Atom(long long v) : value(static_cast<t_atom_long>(v)) {}
  Atom(double v) : value(v) {}
  Atom(const char* s) : value(std::string(s)) {}
  Atom(std::string s) : value(std::move(s)) {}
  std::variant<t_atom_long, double, std::string> value;
};

// ---- plug-ins and classes

struct MethodInfo {
  std::string selector;
  std::vector<int> types;  // the type list, without the closing 0
};

// An attribute and the attributes of it an inspector reads ("label",
// "category", "order", "style", "min", "max", "save"...), each as its atoms
// written out and separated by spaces.
struct AttributeInfo {
  std::string name;
  std::string type;
  std::vector<std::pair<std::string, std::string>> attributes;  // in the order added
  // The text of attribute `what`, or "" if it has none.
  std::string get(const std::string& what) const;
};

struct ClassInfo {
  std::string name;
  std::string nameSpace;  // empty until registered
  std::vector<int> constructorTypes;
  std::vector<MethodInfo> methods;  // in registration order
  std::vector<AttributeInfo> attributes;  // in the order added
  bool signal = false;              // class_dspinit was called
  long size = 0;                    // instance record size in bytes
};

// Opens a plug-in file, calls its exported `main` and returns the names of
// the classes it registered. A file is loaded once; loading it again
// returns the same names without calling `main` again.
std::vector<std::string> loadPlugin(const std::string& path);

// Every registered class, in registration order.
std::vector<ClassInfo> classes();
ClassInfo classInfo(const std::string& name);

// ---- objects

// Instantiates a class of the "box" name space with creation arguments.
t_object* create(const std::string& className, const std::vector<Atom>& args = {});
// Calls the class's free function and releases the record.
void destroy(t_object* x);

// Sends a message as a patch would, with the host's argument checks and
// conversions. Returns whether a method was called; if not, the console
// holds the reason.
bool send(t_object* x, const std::string& selector, const std::vector<Atom>& args = {});
// The same into inlet `inlet` (0: the leftmost), as proxy_getinlet tells
// the method.
bool sendToInlet(t_object* x, int inlet, const std::string& selector,
                 const std::vector<Atom>& args = {});

// What the assist method writes for an inlet (ASSIST_INLET) or outlet
// (ASSIST_OUTLET); `initial` is the text the box holds before the call.
std::string assist(t_object* x, long kind, long index, const std::string& initial = "");
// The double-click a user gives the box.
void doubleClick(t_object* x);

// Outlets, left to right: how many, and the type each was made with
// ("signal", "multichannelsignal", "int", or "" for an untyped outlet).
int outletCount(t_object* x);
std::string outletType(t_object* x, int index);
// Delivers every integer sent out of the outlet to `receiver`.
void connect(t_object* x, int outlet, std::function<void(t_atom_long)> receiver);
// Delivers every message sent out of the outlet with outlet_anything
// (selector and arguments) to `receiver`.
void connectAnything(t_object* x, int outlet,
                     std::function<void(const std::string&, const std::vector<Atom>&)> receiver);
// Delivers every list sent out of the outlet to `receiver`.
void connectList(t_object* x, int outlet, std::function<void(const std::vector<Atom>&)> receiver);

// ---- console

struct ConsoleLine {
  enum class Kind { post, error, warning };
  Kind kind;
  std::string text;
};
std::vector<ConsoleLine> console();
void clearConsole();
// Also print every console line to stderr.
void setConsoleEcho(bool on);
// While it lives, the lines posted on this thread go to `into` instead of
// the console (nor are they echoed), so that threads each working for
// their own objects can tell whose lines are whose.
class ConsoleCapture {
 public:
  explicit ConsoleCapture(std::vector<ConsoleLine>& into);
  ~ConsoleCapture();
  ConsoleCapture(const ConsoleCapture&) = delete;
  ConsoleCapture& operator=(const ConsoleCapture&) = delete;

 private:
  std::vector<ConsoleLine>* previous;
};

// ---- buffer~ objects

// A buffer~ holds `frames` frames of `channels` interleaved 32-bit floats.
void createBuffer(const std::string& name, long frames, long channels = 1);
// Replaces the contents, making the buffer~ if there is none; the frame
// count becomes interleaved.size() / channels.
void setBufferSamples(const std::string& name, const std::vector<float>& interleaved,
                      long channels = 1);
// Changes the size, keeping what fits and zeroing the rest.
void resizeBuffer(const std::string& name, long frames, long channels);
// The rate buffer_getsamplerate tells, as of a sound file read at that rate;
// 0, as a new buffer~ has it, tells the audio's rate.
void setBufferSampleRate(const std::string& name, double rate);
void deleteBuffer(const std::string& name);
bool bufferExists(const std::string& name);
// While set, every buffer_locksamples on this buffer~ fails.
void setLockFailure(const std::string& name, bool fail);

struct LockStats {
  long locks = 0;  // successful locks
  long unlocks = 0;
  long failedLocks = 0;       // locks that returned null
  long unmatchedUnlocks = 0;  // unlocks without a lock held
  long held = 0;              // locks not yet released
};
// Counted since the buffer~ was created or clearLockLog() ran.
LockStats lockStats(const std::string& name);

struct LockEvent {
  enum class Kind { lock, failedLock, unlock };
  Kind kind;
  std::string buffer;
};
std::vector<LockEvent> lockLog();
void clearLockLog();

// The buffer~ names buffer_view was called with, in order ("" for null).
std::vector<std::string> viewLog();

// ---- audio

void setSampleRate(double sr);
double sampleRate();
void setVectorSize(long frames);
long vectorSize();

// Compiles the audio chain: sends "dsp64" to every signal object alive,
// in creation order, which register their perform routines.
void startDsp();
void stopDsp();
bool dspRunning();

// One registration of the chain.
struct PerformEntry {
  t_object* object;
  t_perfroutine64 routine;
  long flags;
  void* userParam;
};
std::vector<PerformEntry> dspChain();

// Runs every registered perform routine once on one vector. Before each
// call the host fills the object's output vectors with NaN, as stale
// memory that a routine must overwrite. Allocates nothing.
void process();
// Runs one object's perform routine once, as process() does. Different
// objects may run at once on different threads: what a perform touches in
// the host (its own vectors, buffer~ locks and their counts) is safe for
// that, and takes no lock.
void process(t_object* x);

// A real audio thread: runs process() vector after vector, concurrently with
// whatever the other threads send, until it is destroyed. After each vector
// it calls `betweenVectors` with the vector's number, where a host would
// recompile its chain (a new sample rate or vector size).
class AudioThread {
 public:
  explicit AudioThread(std::function<void(long)> betweenVectors = {});
  ~AudioThread();
  AudioThread(const AudioThread&) = delete;
  AudioThread& operator=(const AudioThread&) = delete;
  long vectors() const;

 private:
  struct State;
  std::unique_ptr<State> state;
};

// An object's output vector `channel` of the latest process(): vectorSize()
// samples, valid until the chain is compiled again or the object is freed.
// Its outlets' channels are numbered left to right, those of a
// multichannel outlet one after the other.
const double* output(t_object* x, int channel);
// How many output vectors the object has in the chain.
int outputCount(t_object* x);
// How many it would have if the chain compiled now.
int outputChannels(t_object* x);

// A signal into the object's signal inlet `inlet`: before each process()
// the host calls fill(vector, frames) for it, where the inlet of an object
// without a feed reads zeros. A feed counts as a connection when the chain
// compiles. An empty function takes the feed away. Set feeds on the thread
// that runs process(), between vectors.
void feedInput(t_object* x, int inlet, std::function<void(double*, long)> fill);

// ---- the scheduler

// Moves logical time on by `milliseconds`, firing every clock that falls
// due meanwhile, in time order, on the calling thread. Time starts at 0.
void runScheduler(double milliseconds);
double schedulerTime();

// ---- all of it

// Frees every object and buffer~, empties the console and the logs, stops
// audio, restores 44100 Hz and 64 samples and sets the scheduler's time
// back to 0. Loaded classes stay.
void reset();

}  // namespace zun
