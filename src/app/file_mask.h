#pragma once
// The file-mask rule: "*" any run (also none), "?" one character, [abc] [a-f] [!a-f] one
// character of / outside a set, everything else itself, letters without regard to case;
// the whole text must match. A mask that is not valid matches nothing.
#include <string>
#include <string_view>
#include <vector>

namespace tembrel {

class FileMask {
 public:
  explicit FileMask(std::string_view mask);
  bool Valid() const { return valid_; }
  // Worst case O(mask x text): the matcher never backtracks past the last "*".
  bool Matches(std::string_view text) const;

 private:
  struct Range {
    char32_t lo, hi;
  };
  struct Token {
    enum Kind { Literal, Any, Star, Set } kind;
    char32_t ch = 0;      // Literal, folded
    size_t first = 0;     // Set: ranges_[first, first + count)
    size_t count = 0;
    bool negated = false;
  };
  bool TokenMatches(const Token& t, char32_t c) const;

  std::vector<Token> tokens_;
  std::vector<Range> ranges_;
  bool valid_ = true;
};

bool MatchesMask(std::string_view mask, std::string_view text);

}  // namespace tembrel
