// What the decoder's byte input and its sequence decoding share.
#pragma once

class vqAnsiDecoder;

void vqansi_queue(vqAnsiDecoder* decoder, int action, int value);
// Decodes the complete control sequence in the buffer (it starts with '[').
void vqansi_decode(vqAnsiDecoder* decoder);
// "AnsiDecoder not recognized: ..." for the sequence, on one line.
void vqansi_unrecognised(const char* sequence);
