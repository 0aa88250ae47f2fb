#include "score_parser.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace zun::tools {

namespace {

std::string quote(const std::string& s) { return "'" + s + "'"; }

// Where a missing word would have been: just after the last one.
SourcePos after(const std::vector<Token>& tokens) {
  const Token& last = tokens.back();
  return {last.pos.line, last.pos.column + static_cast<int>(last.text.size()) +
                             (last.quoted ? 2 : 0) + 1};
}

std::optional<Time> readTime(const Token& t, Diagnostics& d) {
  std::optional<double> s = t.quoted ? std::nullopt : parseSeconds(t.text);
  if (!s) {
    d.error(t.pos, quote(t.text) +
                       " is not a time (write seconds, as 1.5 or 1.5s, or milliseconds, as 250ms)");
    return std::nullopt;
  }
  if (*s < 0.0) {
    d.error(t.pos, "negative time " + t.text);
    return std::nullopt;
  }
  if (*s > maxSeconds) {
    d.error(t.pos, "the time " + t.text + " is too late (at most 10000000 s)");
    return std::nullopt;
  }
  return Time{*s, t.pos};
}

std::vector<Value> valuesFrom(const std::vector<Token>& tokens, size_t first) {
  std::vector<Value> values;
  for (size_t i = first; i < tokens.size(); ++i) values.push_back(Value::fromToken(tokens[i]));
  return values;
}

class Parser {
 public:
  Parser(Score& score, Diagnostics& d) : score_(score), d_(d) {}

  void statement(const std::vector<Token>& t) {
    const std::string& word = t[0].quoted ? std::string() : t[0].text;
    if (word == "buffer") buffer(t);
    else if (word == "object") object(t);
    else if (word == "at") at(t);
    else if (word == "ramp") ramp(t);
    else if (word == "end") end(t);
    else if (word == "input") input(t);
    else
      d_.error(t[0].pos, "unknown statement " + quote(t[0].text) +
                             " (a line starts with buffer, object, at, ramp, input or end)");
  }

 private:
  void buffer(const std::vector<Token>& t) {
    if (t.size() < 3) {
      d_.error(after(t),
               "incomplete buffer statement: write buffer NAME GENERATOR SIZE [ARGS] "
               "or buffer NAME file PATH");
      if (t.size() == 2) broken(t);
      return;
    }
    BufferStatement b;
    b.line = t[0].pos.line;
    b.name = t[1];
    b.generator = t[2];
    b.complete = bufferDetails(t, b);
    score_.buffers.push_back(std::move(b));
  }

  void broken(const std::vector<Token>& t) {
    BufferStatement b;
    b.line = t[0].pos.line;
    b.name = t[1];
    b.complete = false;
    score_.buffers.push_back(std::move(b));
  }

  // The path, or the size and arguments; false after an error.
  bool bufferDetails(const std::vector<Token>& t, BufferStatement& b) {
    if (b.generator.text == "file" && !b.generator.quoted) {
      if (t.size() < 4) {
        d_.error(after(t), "buffer " + b.name.text + ": missing the sound file's path");
        return false;
      }
      if (t.size() > 4) {
        d_.error(t[4].pos, "unexpected " + quote(t[4].text) +
                               " after the path (put a path with blanks in double quotes)");
        return false;
      }
      b.path = t[3];
      return true;
    }
    if (t.size() < 4) {
      d_.error(after(t), "buffer " + b.name.text + ": missing the size in frames");
      return false;
    }
    const Token& size = t[3];
    std::optional<long long> n = size.quoted ? std::nullopt : parseInteger(size.text);
    if (!n) {
      d_.error(size.pos, "the size must be a whole number of frames, not " + quote(size.text));
      return false;
    }
    if (*n < 0) {
      d_.error(size.pos, "negative size " + size.text);
      return false;
    }
    if (*n == 0) {
      d_.error(size.pos, "the size must be at least 1 frame");
      return false;
    }
    b.size = *n;
    b.sizePos = size.pos;
    b.params = valuesFrom(t, 4);
    return true;
  }

  void object(const std::vector<Token>& t) {
    if (t.size() < 3) {
      d_.error(after(t), "incomplete object statement: write object ID CLASS [ARGS]");
      return;
    }
    ObjectStatement o;
    o.line = t[0].pos.line;
    o.id = t[1];
    o.className = t[2];
    o.args = valuesFrom(t, 3);
    score_.objects.push_back(std::move(o));
  }

  void at(const std::vector<Token>& t) {
    if (t.size() < 4) {
      d_.error(after(t), "incomplete at statement: write at TIME ID SELECTOR [ARGS]");
      return;
    }
    std::optional<Time> time = readTime(t[1], d_);
    if (!time) return;
    AtStatement a;
    a.line = t[0].pos.line;
    a.time = *time;
    a.object = t[2];
    const bool named = namesInlet(t, 3);
    if (named) a.inlet = t[3];
    a.selector = t[named ? 4 : 3];
    a.args = valuesFrom(t, named ? 5 : 4);
    score_.messages.push_back(std::move(a));
  }

  // A word, then an unquoted "float" and a number: the word names the
  // signal inlet the float goes to.
  static bool namesInlet(const std::vector<Token>& t, size_t word) {
    return t.size() > word + 2 && t[word + 1].text == "float" && !t[word + 1].quoted &&
           Value::fromToken(t[word + 2]).isNumber();
  }

  void ramp(const std::vector<Token>& whole) {
    const bool named = whole.size() > 7 && namesInlet(whole, 4);
    std::vector<Token> t = whole;
    if (named) t.erase(t.begin() + 4);
    if (t.size() < 7) {
      d_.error(after(t),
               "incomplete ramp statement: write ramp T0 T1 ID SELECTOR FROM TO [every INTERVAL]");
      return;
    }
    std::optional<Time> start = readTime(t[1], d_);
    std::optional<Time> end = readTime(t[2], d_);
    if (!start || !end) return;
    RampStatement r;
    r.line = t[0].pos.line;
    r.start = *start;
    r.end = *end;
    r.object = t[3];
    if (named) r.inlet = whole[4];
    r.selector = t[4];
    r.from = Value::fromToken(t[5]);
    r.to = Value::fromToken(t[6]);
    for (const Value* v : {&r.from, &r.to})
      if (!v->isNumber()) {
        d_.error(v->pos, "a ramp goes from one number to another, not " + quote(v->symbol));
        return;
      }
    if (r.end.seconds < r.start.seconds) {
      d_.error(r.end.pos, "the ramp ends (" + t[2].text + ") before it starts (" + t[1].text + ")");
      return;
    }
    if (t.size() > 7) {
      if (t[7].text != "every" || t[7].quoted) {
        d_.error(t[7].pos, "unexpected " + quote(t[7].text) + " (a ramp ends with FROM TO or "
                               "FROM TO every INTERVAL)");
        return;
      }
      if (t.size() < 9) {
        d_.error(after(t), "missing the interval after every");
        return;
      }
      if (t.size() > 9) {
        d_.error(t[9].pos, "unexpected " + quote(t[9].text) + " after the interval");
        return;
      }
      std::optional<double> every = t[8].quoted ? std::nullopt : parseIntervalSeconds(t[8].text);
      if (!every) {
        d_.error(t[8].pos, quote(t[8].text) +
                               " is not an interval (write milliseconds, as 20 or 20ms, or "
                               "seconds, as 0.02s)");
        return;
      }
      if (!(*every >= 1e-6)) {
        d_.error(t[8].pos, "the interval must be at least 0.001 ms");
        return;
      }
      r.everySeconds = *every;
      r.everyPos = t[8].pos;
    }
    score_.ramps.push_back(std::move(r));
  }

  // input ID BUFFER [loop], or input ID INLET BUFFER [loop]: an unquoted
  // "loop" after ID and one word is the flag.
  void input(const std::vector<Token>& t) {
    const char* usage = "write input ID [INLET] BUFFER [loop]";
    if (t.size() < 3) {
      d_.error(after(t), std::string("incomplete input statement: ") + usage);
      return;
    }
    const auto isLoop = [&](size_t i) {
      return t.size() > i && t[i].text == "loop" && !t[i].quoted;
    };
    const bool named = t.size() > 3 && !isLoop(3);
    const size_t buffer = named ? 3 : 2;
    const bool loop = isLoop(buffer + 1);
    if (t.size() > buffer + (loop ? 2 : 1)) {
      const Token& extra = t[buffer + (loop ? 2 : 1)];
      d_.error(extra.pos, "unexpected " + quote(extra.text) + " (" + usage + ")");
      return;
    }
    InputStatement in{t[0].pos.line, t[1], t[buffer], loop, std::nullopt};
    if (named) in.inlet = t[2];
    score_.inputs.push_back(std::move(in));
  }

  void end(const std::vector<Token>& t) {
    if (t.size() != 2) {
      if (t.size() < 2) d_.error(after(t), "missing the time after end");
      else d_.error(t[2].pos, "unexpected " + quote(t[2].text) + " (write end TIME)");
      return;
    }
    if (score_.end) {
      d_.error(t[0].pos,
               "a second end (the first is at line " + std::to_string(score_.end->line) + ")");
      return;
    }
    std::optional<Time> time = readTime(t[1], d_);
    if (!time) return;
    if (time->seconds == 0.0) {
      d_.error(t[1].pos, "the score must last longer than 0 s");
      return;
    }
    score_.end = EndStatement{t[0].pos.line, *time};
  }

  Score& score_;
  Diagnostics& d_;
};

}  // namespace

Value Value::fromToken(const Token& t) {
  Value v;
  v.pos = t.pos;
  if (!t.quoted) {
    if (std::optional<long long> i = parseInteger(t.text)) {
      v.kind = Kind::integer;
      v.integer = *i;
      return v;
    }
    if (std::optional<double> r = parseReal(t.text)) {
      v.kind = Kind::real;
      v.real = *r;
      return v;
    }
  }
  v.kind = Kind::symbol;
  v.symbol = t.text;
  return v;
}

zun::Atom Value::toAtom() const {
  switch (kind) {
    case Kind::integer:
      return zun::Atom(static_cast<t_atom_long>(integer));
    case Kind::real:
      return zun::Atom(real);
    case Kind::symbol:
      break;
  }
  return zun::Atom(symbol);
}

std::string Value::describe() const {
  std::ostringstream s;
  switch (kind) {
    case Kind::integer:
      s << "the int " << integer;
      break;
    case Kind::real:
      s << "the float " << real;
      break;
    case Kind::symbol:
      s << "the symbol '" << symbol << "'";
      break;
  }
  return s.str();
}

Score parseScore(std::istream& in, const std::string& directory, Diagnostics& diagnostics) {
  Score score;
  score.directory = directory;
  Parser parser(score, diagnostics);
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    // Some editors begin a UTF-8 file with a byte-order mark.
    if (number == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    std::vector<Token> tokens = tokenize(line, number, diagnostics);
    if (!tokens.empty()) parser.statement(tokens);
  }
  return score;
}

std::optional<Score> parseScoreFile(const std::string& path, Diagnostics& diagnostics) {
  if (path == "-") return parseScore(std::cin, ".", diagnostics);
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    diagnostics.error({}, "cannot read the score: it is a directory");
    return std::nullopt;
  }
  std::ifstream in(path);
  if (!in) {
    diagnostics.error({}, "cannot read the score: " + std::string(std::strerror(errno)));
    return std::nullopt;
  }
  std::filesystem::path dir = std::filesystem::path(path).parent_path();
  return parseScore(in, dir.empty() ? "." : dir.string(), diagnostics);
}

}  // namespace zun::tools
