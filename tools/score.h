#pragma once

// A score as read from its file: the statements, each with where it was
// written, before anything is checked against the plug-ins.
//
//   buffer NAME GENERATOR SIZE [ARGS]     a table made by a generator
//   buffer NAME file PATH                 a table read from a sound file
//   object ID CLASS [ARGS]                an object and its creation arguments
//   at TIME ID SELECTOR [ARGS]            one message at a time
//   at TIME ID INLET float VALUE          a float into the signal inlet named INLET
//   ramp T0 T1 ID [INLET] SELECTOR FROM TO [every INTERVAL]
//                                         float messages interpolated linearly
//   input ID BUFFER [loop]                a table played into an object's inlet
//   input ID INLET BUFFER [loop]          the same into the signal inlet named INLET
//   end TIME                              the length of the render

#include <optional>
#include <string>
#include <vector>

#include "diagnostics.h"
#include "score_lexer.h"
#include "zunHost.h"

namespace zun::tools {

// One argument as written: an integer, a float or a symbol.
struct Value {
  enum class Kind { integer, real, symbol };
  Kind kind = Kind::symbol;
  long long integer = 0;
  double real = 0.0;
  std::string symbol;
  SourcePos pos;

  static Value fromToken(const Token& t);
  bool isNumber() const { return kind != Kind::symbol; }
  double number() const { return kind == Kind::integer ? static_cast<double>(integer) : real; }
  zun::Atom toAtom() const;
  std::string describe() const;  // "the symbol foo", "the float 0.5", ...
};

struct Time {
  double seconds = 0.0;
  SourcePos pos;
};

struct BufferStatement {
  int line = 0;
  Token name;
  Token generator;  // "file" for a sound file
  long long size = 0;
  SourcePos sizePos;
  std::vector<Value> params;  // a generator's optional arguments
  Token path;                 // for "file"
  // False when the statement has an error: its name is still known, so
  // that the rest of the score is checked without a cascade of errors.
  bool complete = true;
};

struct ObjectStatement {
  int line = 0;
  Token id;
  Token className;
  std::vector<Value> args;
};

struct AtStatement {
  int line = 0;
  Time time;
  Token object;
  Token selector;
  std::vector<Value> args;
  std::optional<Token> inlet;  // the signal inlet a float goes to; the first when none is named
};

struct RampStatement {
  int line = 0;
  Time start;
  Time end;
  Token object;
  Token selector;
  Value from;
  Value to;
  double everySeconds = 0.02;  // as a line object's default grain
  SourcePos everyPos;
  std::optional<Token> inlet;  // as AtStatement's
};

// The table's first channel, from the render's first frame, into the
// object's signal inlet; then silence, or the table again with `loop`.
struct InputStatement {
  int line = 0;
  Token object;
  Token buffer;
  bool loop = false;
  std::optional<Token> inlet;  // the first inlet when none is named
};

struct EndStatement {
  int line = 0;
  Time time;
};

struct Score {
  std::string directory;  // where relative paths are found
  std::vector<BufferStatement> buffers;
  std::vector<ObjectStatement> objects;
  std::vector<AtStatement> messages;
  std::vector<RampStatement> ramps;
  std::vector<InputStatement> inputs;
  std::optional<EndStatement> end;
};

}  // namespace zun::tools
