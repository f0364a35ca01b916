#include "app/file_mask.h"

#include "platform/text/utf8.h"

namespace tembrel {

FileMask::FileMask(std::string_view mask) {
  std::u32string m = text::Decode(mask);
  for (size_t i = 0; i < m.size(); ++i) {
    char32_t c = m[i];
    if (c == '*') {
      if (tokens_.empty() || tokens_.back().kind != Token::Star) tokens_.push_back({Token::Star});
    } else if (c == '?') {
      tokens_.push_back({Token::Any});
    } else if (c == '[') {
      Token t{Token::Set};
      size_t j = i + 1;
      if (j < m.size() && m[j] == '!') {
        t.negated = true;
        ++j;
      }
      t.first = ranges_.size();
      bool closed = false;
      while (j < m.size()) {
        if (m[j] == ']' && t.count > 0) {
          closed = true;
          break;
        }
        char32_t lo = m[j], hi = m[j];
        if (j + 2 < m.size() && m[j + 1] == '-' && m[j + 2] != ']') {
          hi = m[j + 2];
          j += 2;
        }
        ranges_.push_back({lo, hi});
        ++t.count;
        ++j;
      }
      if (!closed) {
        valid_ = false;
        tokens_.clear();
        ranges_.clear();
        return;
      }
      tokens_.push_back(t);
      i = j;
    } else {
      Token t{Token::Literal};
      t.ch = text::Fold(c);
      tokens_.push_back(t);
    }
  }
}

bool FileMask::TokenMatches(const Token& t, char32_t c) const {
  switch (t.kind) {
    case Token::Literal:
      return t.ch == text::Fold(c);
    case Token::Any:
      return true;
    case Token::Set: {
      char32_t up = text::ToUpper(c), low = text::ToLower(c);
      bool in = false;
      for (size_t k = t.first; k < t.first + t.count && !in; ++k) {
        const Range& r = ranges_[k];
        for (char32_t v : {c, up, low})
          if (v >= r.lo && v <= r.hi) in = true;
        if (!in) {
          // A range given in the other case: [A-F] holds "c".
          char32_t rlo = text::ToUpper(r.lo), rhi = text::ToUpper(r.hi);
          if (up >= rlo && up <= rhi) in = true;
        }
      }
      return in != t.negated;
    }
    case Token::Star:
      return false;
  }
  return false;
}

bool FileMask::Matches(std::string_view text_utf8) const {
  if (!valid_) return false;
  std::u32string s = text::Decode(text_utf8);
  size_t ti = 0, si = 0;
  size_t star_t = std::string::npos, star_s = 0;
  while (si < s.size()) {
    if (ti < tokens_.size() && tokens_[ti].kind == Token::Star) {
      star_t = ti++;
      star_s = si;
    } else if (ti < tokens_.size() && TokenMatches(tokens_[ti], s[si])) {
      ++ti;
      ++si;
    } else if (star_t != std::string::npos) {
      // Let the last star swallow one more character; earlier stars never need revisiting.
      ti = star_t + 1;
      si = ++star_s;
    } else {
      return false;
    }
  }
  while (ti < tokens_.size() && tokens_[ti].kind == Token::Star) ++ti;
  return ti == tokens_.size();
}

bool MatchesMask(std::string_view mask, std::string_view text) { return FileMask(mask).Matches(text); }

}  // namespace tembrel
