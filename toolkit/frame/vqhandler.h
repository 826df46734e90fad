// The one shape every toolkit object answers to: object, command number and
// eight integer arguments in, an integer out.
#pragma once

#include "vqcommand.h"

typedef int (*vqhandler)(void* object, int command, int a1, int a2, int a3, int a4, int a5, int a6, int a7,
                         int a8);

inline int vqsend(vqhandler handler, void* object, int command, int a1 = 0, int a2 = 0, int a3 = 0, int a4 = 0,
                  int a5 = 0, int a6 = 0, int a7 = 0, int a8 = 0) {
  return handler != nullptr ? handler(object, command, a1, a2, a3, a4, a5, a6, a7, a8) : 0;
}

// A command's arguments are 32-bit integers; a pointer (a text, a pixmap, an
// object) travels in two neighbouring arguments, low half first.
inline void vqptr_split(const void* p, int* low, int* high) {
  unsigned long long v = reinterpret_cast<unsigned long long>(p);
  *low = static_cast<int>(static_cast<unsigned>(v & 0xFFFFFFFFu));
  *high = static_cast<int>(static_cast<unsigned>(v >> 32));
}
template <typename T = void>
inline T* vqptr_join(int low, int high) {
  unsigned long long v = (static_cast<unsigned long long>(static_cast<unsigned>(high)) << 32) |
                         static_cast<unsigned>(low);
  return reinterpret_cast<T*>(v);
}

// A mouse callback replaces the posting of a panel's or window's event
// codes: (callback object, code, x, y, extra).
typedef int (*vqmousecallback)(void* object, int code, int x, int y, int extra);
