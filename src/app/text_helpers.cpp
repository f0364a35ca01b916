#include "app/text_helpers.h"

#include "platform/text/utf8.h"

namespace tembrel {

void UpperCaseInPlace(std::string& text) { text = text::ToUpper(text); }

std::string PadRight(std::string_view text, size_t width) {
  size_t len = text::Length(text);
  if (len >= width) return text::Left(text, width);
  return std::string(text) + std::string(width - len, ' ');
}

std::string PadLeft(std::string_view text, size_t width) {
  size_t len = text::Length(text);
  if (len >= width) return text::Left(text, width);
  return std::string(width - len, ' ') + std::string(text);
}

std::string Centre(std::string_view text, size_t width) {
  size_t len = text::Length(text);
  if (len >= width) return text::Left(text, width);
  size_t left = (width - len) / 2;
  return std::string(left, ' ') + std::string(text) + std::string(width - len - left, ' ');
}

std::string TrimTrailing(std::string_view text) {
  size_t end = text.size();
  // U+00FF is "\xC3\xBF" in UTF-8; a lone 0xFF byte may also come from raw data.
  while (end > 0) {
    unsigned char c = static_cast<unsigned char>(text[end - 1]);
    if (c == ' ' || c == 0 || c == 0xFF) {
      --end;
    } else if (end >= 2 && c == 0xBF && static_cast<unsigned char>(text[end - 2]) == 0xC3) {
      end -= 2;
    } else {
      break;
    }
  }
  return std::string(text.substr(0, end));
}

std::string BlanksToZeros(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c == ' ') c = '0';
  return out;
}

std::string QuoteForSql(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  for (char c : text) {
    out.push_back(c);
    if (c == '"') out.push_back('"');
  }
  return out;
}

std::string DateToYmd(const Date& date) {
  return std::to_string(date.year) + "-" + std::to_string(date.month) + "-" + std::to_string(date.day);
}

std::string Trim(std::string_view text) {
  size_t b = 0, e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
  return std::string(text.substr(b, e - b));
}

std::string TrimCut(std::string_view text, size_t width) { return text::Left(Trim(text), width); }

std::string FormatCount(long long value) {
  bool neg = value < 0;
  unsigned long long v = neg ? 0ULL - static_cast<unsigned long long>(value) : static_cast<unsigned long long>(value);
  std::string digits = std::to_string(v);
  std::string out;
  int n = 0;
  for (size_t i = digits.size(); i-- > 0;) {
    out.insert(out.begin(), digits[i]);
    if (++n % 3 == 0 && i > 0) out.insert(out.begin(), ',');
  }
  return neg ? "-" + out : out;
}

}  // namespace tembrel
