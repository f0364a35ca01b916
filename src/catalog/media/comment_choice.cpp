#include "catalog/media/comment_choice.h"

namespace tembrel::media {
namespace {

constexpr int kArj = 2, kZip = 12;
bool IsArchive(int kind) { return kind >= 1 && kind <= 13; }
bool IsMedia(int kind) { return kind >= 14 && kind <= 20; }

template <class F>
auto Ask(const F& source) -> decltype(source()) {
  if (!source) return {};
  return source();
}

}  // namespace

CommentOutcome ChooseEntryComment(const CommentOptions& options, const CommentEntry& entry,
                                  const CommentSources& sources) {
  CommentOutcome out;
  if (IsArchive(entry.kind)) {
    if (entry.expanded) {
      out.comment = Ask(sources.reader);
    } else if (entry.in_start_folder && options.get_main_comment && (entry.kind == kArj || entry.kind == kZip)) {
      if (auto c = Ask(sources.main_comment)) out.comment = std::move(*c);
    }
  } else if (options.do_sfx_archives && entry.is_exe) {
    if (auto c = Ask(sources.self_extracting)) out.comment = std::move(*c);
  }
  if (!entry.in_start_folder) return out;

  if (entry.kind == kZip || (entry.is_exe && options.do_sfx_archives)) {
    if (options.diz_override || (options.use_diz && out.comment.empty())) {
      if (auto d = Ask(sources.diz)) out.comment = std::move(*d);
    }
  }
  if (entry.passes_specs) {
    if (IsMedia(entry.kind)) {
      if (auto m = Ask(sources.media)) out.comment = std::move(*m);
    }
    out.add_entry = true;
  }
  out.copy_to_members = options.copy_main_comment && !IsMedia(entry.kind) && !out.comment.empty();
  return out;
}

}  // namespace tembrel::media
