#pragma once

// Why an object is silent for want of a table, said once per cause. A role
// with a number where a name belongs, or a name no table has, keeps the
// engine silent, so a host layer tells the user when it binds the role and
// when the DSP starts; it says nothing more of the same cause until the
// cause changes (another cause, another name, or the table found in
// between). A role never given a name is not told of, as Pd's own table
// readers do: an object not yet set up is no mistake.

#include <cstdio>
#include <mutex>
#include <string>

template <size_t Roles>
class zunTableNotice {
 public:
  // `kind` is what the host calls a table ("buffer~", "array").
  zunTableNotice(const char* const (&roleNames)[Roles], const char* kind)
      : roles(&roleNames), kind(kind) {}

  // The name now bound to `role` ("" for none) and, where a number was
  // given instead of a name, that number.
  void bind(int role, const char* name, const double* given = nullptr) {
    std::lock_guard<std::mutex> hold(mutex);
    bound[role] = {name, given != nullptr, given ? *given : 0.0};
  }

  // Whether `role` has a name at all.
  bool named(int role) {
    std::lock_guard<std::mutex> hold(mutex);
    return !bound[role].name.empty();
  }

  // The text to post when `role` reads no table (`found` false) for a cause
  // not told last, or "".
  std::string see(int role, bool found) {
    std::lock_guard<std::mutex> hold(mutex);
    const Binding& b = bound[role];
    const Cause cause = found             ? Cause::found
                        : !b.name.empty() ? Cause::missing
                        : b.numberGiven   ? Cause::number
                                          : Cause::unset;
    const Told now{cause, b.name};
    if (now.cause == told[role].cause && now.name == told[role].name) return "";
    told[role] = now;
    return text(role, now.cause, b);
  }

 private:
  enum class Cause { found, unset, number, missing };
  struct Binding {
    std::string name;
    bool numberGiven;
    double number;
  };
  struct Told {
    Cause cause = Cause::found;
    std::string name;
  };

  std::string text(int role, Cause cause, const Binding& b) const {
    const char* const roleName = (*roles)[role];
    char t[1024];
    if (cause == Cause::found || cause == Cause::unset)
      return "";
    else if (cause == Cause::missing)
      std::snprintf(t, sizeof t, "no %s named \"%s\" for %s: silent until there is one", kind,
                    b.name.c_str(), roleName);
    else
      std::snprintf(t, sizeof t, "%s name expected for %s, not %.15g: silent until one is set",
                    kind, roleName, b.number);
    return t;
  }

  const char* const (*roles)[Roles];
  const char* kind;
  std::mutex mutex;  // Max may bind on two message threads at once
  Binding bound[Roles] = {};
  Told told[Roles] = {};
};
