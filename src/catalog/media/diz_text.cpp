#include "catalog/media/diz_text.h"

#include <vector>

#include "catalog/archives/zip_reader.h"
#include "platform/text/cp437.h"

namespace tembrel::media {

std::string DizText(std::string_view bytes) {
  while (!bytes.empty() && bytes.back() == '\x1A') bytes.remove_suffix(1);
  std::vector<std::string_view> lines;
  size_t at = 0;
  while (at < bytes.size()) {
    size_t end = bytes.find_first_of("\r\n", at);
    if (end == std::string_view::npos) {
      lines.push_back(bytes.substr(at));
      break;
    }
    lines.push_back(bytes.substr(at, end - at));
    at = end + 1;
    if (bytes[end] == '\r' && at < bytes.size() && bytes[at] == '\n') ++at;
  }
  size_t first = 0;
  while (first < lines.size() && archives::TrimControlAndBlanks(lines[first]).empty()) ++first;
  std::string text;
  for (size_t i = first; i < lines.size(); ++i) {
    if (i > first) text += "\r\n";
    text += lines[i];
  }
  return text::DosTextToUtf8(text);
}

std::optional<std::string> ReadDizComment(const archives::ArchiveContext& context) {
  auto bytes = archives::ReadZipMember(context, "FILE_ID.DIZ", kDizReadCap);
  if (!bytes) return std::nullopt;
  return DizText(*bytes);
}

}  // namespace tembrel::media
