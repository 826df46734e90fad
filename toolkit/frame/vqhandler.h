// The one shape every toolkit object answers to: object, command number and
// eight integer arguments in, an integer out.
#pragma once

typedef int (*vqhandler)(void* object, int command, int a1, int a2, int a3, int a4, int a5, int a6, int a7,
                         int a8);

inline int vqsend(vqhandler handler, void* object, int command, int a1 = 0, int a2 = 0, int a3 = 0, int a4 = 0,
                  int a5 = 0, int a6 = 0, int a7 = 0, int a8 = 0) {
  return handler != nullptr ? handler(object, command, a1, a2, a3, a4, a5, a6, a7, a8) : 0;
}
