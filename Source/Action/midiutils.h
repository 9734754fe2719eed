#pragma once

// 7-bit packing of 8-bit data inside SysEx messages. Each group of up to
// seven data bytes travels as one byte holding their top bits (bit k for
// data byte k of the group) followed by their low seven bits.

// Packs len bytes of src into dst (len + ceil(len / 7) bytes) and returns a
// pointer just past the last byte written. len <= 0 writes nothing.
unsigned char* encode8to7buffer(unsigned char* dst, const unsigned char* src, int len);

// Unpacks len packed bytes of src into dst (len - ceil(len / 8) bytes) and
// returns the number of bytes written.
int decode7to8buffer(unsigned char* dst, const unsigned char* src, int len);
