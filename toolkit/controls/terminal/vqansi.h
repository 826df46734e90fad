// The terminal's escape-sequence decoder: bytes in, numbered actions out.
//
// vqansi_input takes one byte at a time. Outside an escape sequence a byte
// becomes action VQANSI_PRINT with the byte as value (line-drawing letters
// replaced while shift-out is on); an escape byte starts a sequence that is
// collected in the 52-byte buffer and, once complete, decoded into the
// actions below. The terminal takes them with vqansi_take, in order, after
// every byte; what it does with them is its own business.
#pragma once

#include <cstdint>

// Action codes; the value byte carries the first parameter (limited to 255)
// unless said otherwise.
enum vqansi_action {
  VQANSI_NONE = 0,
  VQANSI_PRINT = 1,          // value: the character
  VQANSI_RESET = 2,          // SGR with a first parameter of 0 (or none)
  VQANSI_FOREGROUND = 3,     // value: palette index 0..8
  VQANSI_BACKGROUND = 4,     // value: palette index 0..8
  VQANSI_RESETPART = 5,      // a 0 among several SGR parameters
  VQANSI_BOLD = 6,
  VQANSI_DEFAULTFG = 7,
  VQANSI_DEFAULTBG = 8,
  VQANSI_REVERSE = 9,
  VQANSI_ERASELINEEND = 10,  // K 0
  VQANSI_ERASELINESTART = 11,// K 1
  VQANSI_ERASELINE = 12,     // K 2
  VQANSI_ERASEBELOW = 13,    // J 0
  VQANSI_CLEARSCREEN = 14,   // J 2
  VQANSI_COLUMN = 15,        // value: 1-based column, 0 counts as 1
  VQANSI_ROW = 16,           // value: 1-based row, 0 counts as 1
  VQANSI_WRAPMODE = 17,
  VQANSI_CURSORVISIBLE = 18,
  VQANSI_CURSORKEYS = 19,
  VQANSI_INSERTMODE = 20,
  VQANSI_SAVECURSOR = 21,
  VQANSI_RESTORECURSOR = 22,
  VQANSI_RIGHT = 23,
  VQANSI_LEFT = 24,
  VQANSI_UP = 25,
  VQANSI_DOWN = 26,
  VQANSI_ERASECHARS = 27,
  VQANSI_INSERTCHARS = 28,
  VQANSI_DELETECHARS = 29,
};

enum { VQANSI_BUFFER = 52, VQANSI_QUEUE = 48 };

class vqAnsiDecoder {
 public:
  vqAnsiDecoder();

  char buffer[VQANSI_BUFFER];   // the sequence after the escape byte, zero-terminated
  int length;
  uint8_t in_escape;
  uint8_t shift_out;
  // Set when a control sequence outgrew the buffer: the rest of it is
  // swallowed up to its final byte and the whole sequence is dropped.
  uint8_t overflow;
  uint8_t queue[VQANSI_QUEUE][2];   // (action, value) ring
  int count, read, write;
};

void vqansi_reset(vqAnsiDecoder* decoder);
void vqansi_input(vqAnsiDecoder* decoder, int byte);
// The oldest queued action; false when the queue is empty.
bool vqansi_take(vqAnsiDecoder* decoder, int* action, int* value);
