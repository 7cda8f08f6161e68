// Text utilities of the host's utility library: splitting and joining lists
// of texts at a separator, and comparing names without regard to case.
#pragma once

#include <list>
#include <string>

using CStringList = std::list<std::string>;

class CUtility {
 public:
  // Appends to `list` the pieces of `text` between occurrences of
  // `separator`, in order. An empty text gives no piece, so that splitting an
  // empty stored list and joining it again stays empty; otherwise empty
  // pieces between two separators are kept. An empty separator gives the
  // whole text as one piece.
  static void sepString(CStringList& list, const std::string& text, const std::string& separator);
  // `text` receives the items of `list` joined with `separator`.
  static void joinString(std::string& text, const CStringList& list, const std::string& separator);
  // Compares `a` with `b` without regard to ASCII case: the first `count`
  // characters when `count` is positive, the whole texts when it is 0.
  // Returns 0 when they match, a negative or positive number by the first
  // character that differs otherwise.
  static int comparePartial(const std::string& a, const std::string& b, int count);
};
