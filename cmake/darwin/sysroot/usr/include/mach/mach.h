// Darwin <mach/mach.h>: Highway's timer includes it; its one call is in
// <mach/mach_time.h>.
