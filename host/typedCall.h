#pragma once

// Calling a method through its type list. The host knows a method only as
// a `method` pointer and the list of its argument types; it calls it with
// the C calling convention for exactly those argument types, which is the
// contract between Max and the externals it loads.

#include <cstddef>
#include <variant>

#include "ext.h"

namespace zun::detail {

// One converted argument: A_LONG as t_atom_long (64 bits, as Max passes
// it, where `long` may have 32), A_FLOAT as double, symbols and objects as
// pointers.
using Argument = std::variant<t_atom_long, double, void*>;

// The method as a function of its real type. The detour through
// void (*)(void) states that the change of type is intended.
template <class F>
F methodAs(method m) {
  return reinterpret_cast<F>(reinterpret_cast<void (*)(void)>(m));
}

// Calls m(done..., rest[0], ..., rest[n - 1]); Budget bounds n.
template <class R, size_t Budget, class... Done>
R callWith(method m, const Argument* rest, size_t n, Done... done) {
  if (n == 0) return methodAs<R (*)(Done...)>(m)(done...);
  if constexpr (Budget > 0) {
    return std::visit(
        [&](auto value) { return callWith<R, Budget - 1>(m, rest + 1, n - 1, done..., value); },
        *rest);
  } else {
    return R();
  }
}

}  // namespace zun::detail
