#pragma once
// Which source gives a directory entry its comment, under the catalog's comment options.
// The sources are asked lazily and only when the options and the entry call for them, so
// an archive is never opened twice for nothing.
#include <functional>
#include <optional>
#include <string>

namespace tembrel::media {

struct CommentOptions {
  bool get_main_comment = false;
  bool copy_main_comment = false;
  bool use_diz = false;
  bool diz_override = false;
  bool do_sfx_archives = false;
};

struct CommentEntry {
  int kind = 0;             // the extension table's kind: 1..13 archives (0 when the format is off), 14..20 media
  bool is_exe = false;      // the name is longer than four characters and ends in ".EXE", any case
  bool in_start_folder = true;
  bool expanded = false;    // an archive kind whose reader ran
  bool passes_specs = true;
};

struct CommentSources {
  // What the expanded archive's reader left as the current comment (its main comment).
  std::function<std::string()> reader;
  // The main comment of an ARJ or ZIP archive that was not expanded; null on failure.
  std::function<std::optional<std::string>()> main_comment;
  // The self-extracting check of an ".EXE"; null leaves the comment as it was.
  std::function<std::optional<std::string>()> self_extracting;
  // FILE_ID.DIZ of a ZIP or ".EXE"; null when there is none or it cannot be read.
  std::function<std::optional<std::string>()> diz;
  // The technical description of a media file; null when its header does not match.
  std::function<std::optional<std::string>()> media;
};

struct CommentOutcome {
  std::string comment;           // the entry's comment
  bool add_entry = false;        // the entry is recorded (start folder and specs)
  bool copy_to_members = false;  // the comment goes to the archive's members that have none
};

// In the order of the walk: the archive reader's main comment, or for an archive that was
// not expanded the ARJ/ZIP main comment when GetMainComment is on (start folder only), or
// for an ".EXE" the self-extracting check when DoSFXArchives is on. Outside the start folder
// that is all. Then for a ZIP, or an ".EXE" with DoSFXArchives, FILE_ID.DIZ replaces it when
// DIZOverride is on, or UseDIZ is on and the comment is empty. A media file that passes the
// specs takes its description. CopyMainComment copies a non-empty comment of anything but
// a media file to the archive's members.
CommentOutcome ChooseEntryComment(const CommentOptions& options, const CommentEntry& entry,
                                  const CommentSources& sources);

}  // namespace tembrel::media
