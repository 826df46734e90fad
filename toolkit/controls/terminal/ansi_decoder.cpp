// Byte input of the escape-sequence decoder and its action queue.
#include "ansi_internal.h"
#include "vqansi.h"

#include <cstring>

vqAnsiDecoder::vqAnsiDecoder() { vqansi_reset(this); }

void vqansi_reset(vqAnsiDecoder* d) {
  std::memset(d->buffer, 0, sizeof d->buffer);
  d->length = 0;
  d->in_escape = 0;
  d->shift_out = 0;
  d->overflow = 0;
  std::memset(d->queue, 0, sizeof d->queue);
  d->count = d->read = d->write = 0;
}

void vqansi_queue(vqAnsiDecoder* d, int action, int value) {
  // The terminal empties the queue after every byte and no sequence yields
  // more than the buffer has parameters, so a full queue means a caller that
  // stopped reading; the newest actions are the ones dropped.
  if (d->count >= VQANSI_QUEUE) return;
  d->queue[d->write][0] = static_cast<uint8_t>(action);
  d->queue[d->write][1] = static_cast<uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
  d->write = (d->write + 1) % VQANSI_QUEUE;
  ++d->count;
}

bool vqansi_take(vqAnsiDecoder* d, int* action, int* value) {
  if (d->count <= 0) return false;
  *action = d->queue[d->read][0];
  *value = d->queue[d->read][1];
  d->read = (d->read + 1) % VQANSI_QUEUE;
  --d->count;
  return true;
}

namespace {

int line_drawing(int c) {
  switch (c) {
    case 'j': case 'k': case 'l': case 'm': case 'n': case 't': case 'u': case 'v': case 'w':
    case 'L': case 'T':
      return '+';
    case 'q': return '-';
    case 'x': return '|';
    case 'a': return '#';
    default: return c;
  }
}

bool ends_control_sequence(int c) {
  return (c >= 64 && c <= 90) || (c >= 'a' && c <= 'z') || c == '~';
}

void end_escape(vqAnsiDecoder* d) {
  d->in_escape = 0;
  d->overflow = 0;
  d->length = 0;
  d->buffer[0] = 0;
}

void escape_byte(vqAnsiDecoder* d, int c) {
  if (d->length < VQANSI_BUFFER - 1) {
    d->buffer[d->length++] = static_cast<char>(c);
    d->buffer[d->length] = 0;
  } else {
    d->overflow = 1;
  }
  if (d->buffer[0] == '[') {
    if (d->length < 2 && !d->overflow) return;   // the '[' itself
    if (!ends_control_sequence(c)) return;
    if (d->overflow) vqansi_unrecognised(d->buffer);
    else vqansi_decode(d);
    end_escape(d);
    return;
  }
  // Two-byte sequences, and the character-set selections that take one more.
  if (d->buffer[0] == '(' || d->buffer[0] == ')') {
    if (d->length < 2) return;
  } else if (c == 27) {
    vqansi_queue(d, VQANSI_PRINT, 27);
  }
  end_escape(d);
}

}  // namespace

void vqansi_input(vqAnsiDecoder* d, int byte) {
  const int c = byte & 0xFF;
  if (d->in_escape) {
    escape_byte(d, c);
    return;
  }
  if (c == 14) {
    d->shift_out = 1;
  } else if (c == 15) {
    d->shift_out = 0;
  } else if (c == 27) {
    d->in_escape = 1;
    d->overflow = 0;
    d->length = 0;
    d->buffer[0] = 0;
  } else {
    vqansi_queue(d, VQANSI_PRINT, d->shift_out ? line_drawing(c) : c);
  }
}
