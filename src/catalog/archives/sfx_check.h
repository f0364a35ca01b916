#pragma once
// The check a cataloging run makes on every ".EXE" when self-extracting archives are to be
// looked at: is it a ZIP appended to a program, should it be expanded, and what becomes the
// entry's comment.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "catalog/archives/archive_reader.h"
#include "platform/ui/ui.h"

namespace tembrel::archives {

// The ExpandArchives option, as the catalog keeps it and as a run may change it.
enum class ExpandSetting { Never, Always, OnDemand };
std::optional<ExpandSetting> ParseExpandSetting(std::string_view text);  // "Never", "Always", "On Demand"

// What the check does before looking at the program.
enum class SfxPlan {
  Nothing,      // outside the start folder and not to be expanded: leave it alone
  CommentOnly,  // in the start folder but not to be expanded: take the archive comment only
  Probe,        // find out whether it is a ZIP, then ask or expand
};
// Probe when the run value is "Always", or "On Demand" with the program in the start folder.
SfxPlan PlanSelfExtracting(ExpandSetting run_value, bool in_start_folder);

struct SfxAnswer {
  bool expand = false;
  bool abort = false;  // the run sets AbortRequested
};
// The effect of one answer to "Expand SFX ZIP Archive <name>?": Yes and Yes to All expand,
// Yes to All and No to All change the run value to "Always" or "Never" for the rest of the
// run, Cancel stops the run; any other answer (the box closed) does not expand.
SfxAnswer ApplySfxAnswer(Button answer, ExpandSetting& run_value);

// The question; the run shows it with Yes, No, Cancel, Yes to All and No to All and returns
// the button pressed.
using SfxQuestion = std::function<Button(std::string_view question)>;
// The text of the run's ArchiveNamePanel; an empty text clears it.
using SfxPanel = std::function<void(std::string_view text)>;

struct SfxCheckResult {
  // The entry's current comment afterwards; unset means leave it as it was.
  std::optional<std::string> comment;
  bool expanded = false;  // the members were listed into the sink
  ReadResult listing;     // the listing's result when expanded (a failure gets the run's message rule)
  bool abort = false;     // Cancel was answered: the run sets AbortRequested
};

// The whole check for the program context.folder_path + context.archive_name, with the
// run's current ExpandArchives value (changed in place by "Yes to All" and "No to All").
//   CommentOnly: the archive comment, untrimmed, becomes the comment ("" when the program
//     is no ZIP).
//   Probe: a program that is no ZIP is left alone. Otherwise "On Demand" asks; "Always"
//     expands. Expanded, the members go to the sink and the comment is the archive comment,
//     trimmed. Not expanded, it is the archive comment as stored.
// The run refreshes its counters after an expansion.
SfxCheckResult CheckSelfExtracting(const ArchiveContext& context, ArchiveSink& sink, ExpandSetting& run_value,
                                   const SfxQuestion& ask, const SfxPanel& panel);

}  // namespace tembrel::archives
