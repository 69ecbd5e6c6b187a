// The one model of Shift-JIS text that the library and the stand-in
// companion libraries walk with. Every loop that steps over a text, looks for
// a single-byte mark in it or asks where a character starts uses these
// functions, so no two walkers can disagree about malformed text.
//
// A lead byte (0x81-0x9F, 0xE0-0xFC) followed by a trail byte (0x40-0x7E,
// 0x80-0xFC) is one two-byte character. A lead byte followed by anything else
// (a NUL, a blank, '.', ':') is a lone byte of its own, so no step ever
// passes the NUL that ends a text.
#pragma once
#include <stddef.h>

inline bool SjisIsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

inline bool SjisIsTrailByte(unsigned char c) { return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC); }

// Bytes of the character at `p`: 2 for a lead byte and a trail byte, else 1.
inline size_t SjisCharLength(const char *p) {
  return SjisIsLeadByte((unsigned char)p[0]) && SjisIsTrailByte((unsigned char)p[1]) ? 2 : 1;
}

// The start of the character after the one at `p`.
inline const char *SjisNext(const char *p) { return p + SjisCharLength(p); }
inline char *SjisNext(char *p) { return p + SjisCharLength(p); }

// True when a character starts at `p`, walking from `start` (the start of
// the text or of its line). Equivalent to stepping forward from `start`, but
// reads only the run of lead-range bytes just before `p`: the byte before
// that run is no lead byte, so a character ends with it, and from there the
// run pairs off two by two. An odd run leaves its last byte as the lead of
// `p`'s byte when that is a trail byte.
inline bool SjisIsCharStart(const char *start, const char *p) {
  if (!start || !p || p <= start) return true;
  size_t run = 0;
  while (p - run > start && SjisIsLeadByte((unsigned char)p[-(ptrdiff_t)run - 1])) run++;
  return run % 2 == 0 || !SjisIsTrailByte((unsigned char)*p);
}

// The last single-byte character of `text` that is one of `marks`, or null.
// A trail byte equal to a mark (0x5C of "ソ", 0x7C of "ポ") is never found.
inline const char *SjisLastOf(const char *text, const char *marks) {
  const char *found = 0;
  if (!text || !marks) return 0;
  for (const char *p = text; *p; p = SjisNext(p)) {
    if (SjisCharLength(p) != 1) continue;
    for (const char *m = marks; *m; m++)
      if (*p == *m) found = p;
  }
  return found;
}

// The place behind the last of `marks` in `text`, or null when there is none.
inline const char *SjisAfterLastOf(const char *text, const char *marks) {
  const char *last = SjisLastOf(text, marks);
  return last ? last + 1 : 0;
}

// The last separator of a path (a backslash or a slash), or null.
inline const char *SjisLastSeparator(const char *path) { return SjisLastOf(path, "\\/"); }
inline char *SjisLastSeparator(char *path) { return (char *)SjisLastOf(path, "\\/"); }

// The file-name part of a path: what follows its last backslash, slash or
// drive colon; the whole path when it has none. Null for null.
inline const char *SjisFileNamePart(const char *path) {
  const char *name = SjisAfterLastOf(path, "\\/:");
  return name ? name : path;
}
inline char *SjisFileNamePart(char *path) { return (char *)SjisFileNamePart((const char *)path); }

// The start of the last character of `text`, or null for an empty text.
inline const char *SjisLastCharacter(const char *text) {
  const char *last = 0;
  for (const char *p = text; p && *p; p = SjisNext(p)) last = p;
  return last;
}
