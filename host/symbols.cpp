// The symbol table: one t_symbol per distinct text, alive for the whole
// process, so that symbols compare by pointer.

#include <cstring>
#include <memory>
#include <mutex>
#include <string>

#include "ext.h"
#include "hostState.h"
#include "z_dsp.h"

extern "C" t_symbol* gensym(const char* s) {
  const std::string key = s ? s : "";
  zun::detail::SymbolTable& table = zun::detail::host().symbols;
  std::lock_guard<std::mutex> lock(table.mutex);
  std::unique_ptr<zun::detail::SymbolEntry>& entry = table.entries[key];
  if (!entry) {
    entry = std::make_unique<zun::detail::SymbolEntry>();
    entry->text = std::make_unique<char[]>(key.size() + 1);
    std::memcpy(entry->text.get(), key.c_str(), key.size() + 1);
    entry->symbol.s_name = entry->text.get();
    entry->symbol.s_thing = nullptr;
  }
  return &entry->symbol;
}

extern "C" t_symbol* atom_getsymarg(short which, short argc, t_atom* argv) {
  if (which < 0 || which >= argc || !argv || argv[which].a_type != A_SYM || !argv[which].a_w.w_sym)
    return gensym("");
  return argv[which].a_w.w_sym;
}
