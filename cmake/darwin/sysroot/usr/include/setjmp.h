// Darwin <setjmp.h>: the Max SDK includes it; nothing here uses it, so
// jmp_buf is left undeclared rather than sized by guess.
