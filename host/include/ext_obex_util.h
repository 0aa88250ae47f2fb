// ext_obex_util.h -- attributes of attributes, which tell an inspector how
// to show an attribute: its label, category, order, style, range and
// whether a patcher saves it.
#ifndef ZUN_EXT_OBEX_UTIL_H
#define ZUN_EXT_OBEX_UTIL_H

#include "ext.h"

#define USESYM(x) gensym(#x)

BEGIN_USING_C_LINKAGE

// Adds attribute `attrname2` to attribute `attrname` of class c, its value
// the atoms parsed from parsestr (numbers, words, "quoted words").
t_max_err class_attr_addattr_parse(t_class* c, C74_CONST char* attrname, C74_CONST char* attrname2,
                                   t_symbol* type, long flags, C74_CONST char* parsestr);
// The same with the value made from fmt: s a symbol, l a long, d a double.
t_max_err class_attr_addattr_format(t_class* c, C74_CONST char* attrname,
                                    C74_CONST char* attrname2, C74_CONST t_symbol* type,
                                    long flags, C74_CONST char* fmt, ...);

END_USING_C_LINKAGE

#define CLASS_ATTR_ATTR_PARSE class_attr_addattr_parse
#define CLASS_ATTR_ATTR_FORMAT class_attr_addattr_format

#define CLASS_ATTR_LABEL(c, attrname, flags, labelstr) \
  CLASS_ATTR_ATTR_FORMAT(c, attrname, "label", USESYM(symbol), flags, "s", gensym_tr(labelstr))
#define CLASS_ATTR_CATEGORY(c, attrname, flags, parsestr) \
  CLASS_ATTR_ATTR_PARSE(c, attrname, "category", USESYM(symbol), flags, str_tr(parsestr))
#define CLASS_ATTR_ORDER(c, attrname, flags, parsestr) \
  CLASS_ATTR_ATTR_PARSE(c, attrname, "order", USESYM(long), flags, parsestr)
#define CLASS_ATTR_STYLE(c, attrname, flags, parsestr) \
  CLASS_ATTR_ATTR_PARSE(c, attrname, "style", USESYM(symbol), flags, parsestr)
#define CLASS_ATTR_SAVE(c, attrname, flags) \
  CLASS_ATTR_ATTR_PARSE(c, attrname, "save", USESYM(long), flags, "1")
#define CLASS_ATTR_ENUMINDEX(c, attrname, flags, parsestr)                            \
  {                                                                                  \
    CLASS_ATTR_STYLE(c, attrname, flags, "enumindex");                               \
    CLASS_ATTR_ATTR_PARSE(c, attrname, "enumvals", USESYM(atom), flags, parsestr); \
  }

#endif
