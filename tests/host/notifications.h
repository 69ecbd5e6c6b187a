// The host window that receives the runner's notifications, and the one
// helper that compares what it recorded with an expected table.
//
// Expected sequences are data: rows of (code, value), (code, any value),
// "zero or more of this code", or a text standing for one code-9 row per byte.
#pragma once
#include <windows.h>
#include <functional>
#include <string>
#include <vector>
#include <gtest/gtest.h>

struct Note {
  int code;
  long long value;
};

// A window owned by the calling thread that records every (code, value) sent
// with `message`. One at a time; Close destroys it.
HWND RecorderOpen(UINT message);
void RecorderClose();
HWND RecorderWindow();
std::vector<Note> RecorderNotes();
void RecorderClear();
// Called on the window's thread after each note is recorded (0 for none).
void RecorderOnNote(std::function<void(const Note &)> action);
// The values of the code-9 notes as bytes, and how many notes carry `code`.
std::string BytesOf(const std::vector<Note> &notes);
int CountOf(const std::vector<Note> &notes, int code);

enum ExpectKind { EXACT, ANY_VALUE, ANY_NUMBER, TEXT };
struct Expected {
  ExpectKind kind;
  int code;
  long long value;
  std::string text;
};
inline Expected N(int code, long long value = 0) { return {EXACT, code, value, ""}; }
inline Expected AnyValue(int code) { return {ANY_VALUE, code, 0, ""}; }
inline Expected AnyNumberOf(int code) { return {ANY_NUMBER, code, 0, ""}; } // zero or more
inline Expected Text(const std::string &bytes) { return {TEXT, 9, 0, bytes}; }

// Success when `got` follows `want`; otherwise the first mismatch with its
// index and the notes around it.
::testing::AssertionResult FollowsTable(const std::vector<Note> &got, const std::vector<Expected> &want);
