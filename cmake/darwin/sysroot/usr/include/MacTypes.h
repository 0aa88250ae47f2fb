// Stand-in for macOS's <MacTypes.h>: the byte order and basic types the
// Max SDK's headers expect. Both Mac processors are little-endian.
#ifndef __MACTYPES__
#define __MACTYPES__

#include <stdint.h>

#define TARGET_RT_LITTLE_ENDIAN 1
#define TARGET_RT_BIG_ENDIAN 0

typedef uint8_t UInt8;
typedef int8_t SInt8;
typedef uint16_t UInt16;
typedef int16_t SInt16;
typedef uint32_t UInt32;
typedef int32_t SInt32;
typedef uint64_t UInt64;
typedef int64_t SInt64;
typedef unsigned char Boolean;
typedef SInt16 OSErr;
typedef SInt32 OSStatus;

#endif
