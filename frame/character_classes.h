// Byte classes of C source text, shared by the library's scanning code and by
// the stand-in Kitlib's walkers so that both agree on what a blank, a line end
// and a word boundary are. Bytes of 128 and above are never blanks or
// boundaries: they belong to words, and to two-byte Shift-JIS characters.
#pragma once

// One of the six ASCII white-space bytes: space, tab, CR, LF, VT, FF.
inline bool IsBlankByte(int byte) {
  unsigned value = (unsigned)byte & 0xFF;
  return value == ' ' || (value >= '\t' && value <= '\r');
}

inline bool IsTabOrSpaceByte(int byte) {
  unsigned value = (unsigned)byte & 0xFF;
  return value == ' ' || value == '\t';
}

inline bool IsNewLineByte(int byte) {
  unsigned value = (unsigned)byte & 0xFF;
  return value == '\r' || value == '\n';
}

// NUL, a blank, or printable ASCII punctuation other than '#' and '_' (which
// belong to words: "#define", "DECLARE_HANDLE").
inline bool IsWordBoundaryByte(int byte) {
  unsigned value = (unsigned)byte & 0xFF;
  if (value == 0 || IsBlankByte((int)value)) return true;
  if (value < 33 || value > 126 || value == '#' || value == '_') return false;
  bool letter = (value >= 'A' && value <= 'Z') || (value >= 'a' && value <= 'z');
  bool digit = value >= '0' && value <= '9';
  return !letter && !digit;
}
