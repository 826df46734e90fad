// The process-wide event queue and the ways to wait on it.
#pragma once

#include <cstdint>

void vqpostevent(int code);
int vqwaitevent();
int vqpollevent();
int vqwaitfor(int count, ...);
int vqwaitfor_list(int count, const int* codes);
int vqeventpending();
int vqnewevent();
void vqwait(double seconds);

// One pass of the pumps, for loops of the toolkit's own (terminal, controls).
void vqpump_blocking();
void vqpump_nonblocking();

// True while a vqwaitfor runs; timer objects then keep quiet.
bool vqevent_waitfor_active();
int vqevent_count();
