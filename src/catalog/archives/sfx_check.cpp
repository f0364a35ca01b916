#include "catalog/archives/sfx_check.h"

#include "catalog/archives/zip_reader.h"

namespace tembrel::archives {

std::optional<ExpandSetting> ParseExpandSetting(std::string_view text) {
  if (text == "Never") return ExpandSetting::Never;
  if (text == "Always") return ExpandSetting::Always;
  if (text == "On Demand") return ExpandSetting::OnDemand;
  return std::nullopt;
}

SfxPlan PlanSelfExtracting(ExpandSetting run_value, bool in_start_folder) {
  if (run_value == ExpandSetting::Always || (run_value == ExpandSetting::OnDemand && in_start_folder))
    return SfxPlan::Probe;
  return in_start_folder ? SfxPlan::CommentOnly : SfxPlan::Nothing;
}

SfxAnswer ApplySfxAnswer(Button answer, ExpandSetting& run_value) {
  switch (answer) {
    case Button::Yes: return {true, false};
    case Button::YesToAll: run_value = ExpandSetting::Always; return {true, false};
    case Button::NoToAll: run_value = ExpandSetting::Never; return {false, false};
    case Button::Cancel: return {false, true};
    default: return {false, false};
  }
}

SfxCheckResult CheckSelfExtracting(const ArchiveContext& context, ArchiveSink& sink, ExpandSetting& run_value,
                                   const SfxQuestion& ask, const SfxPanel& panel) {
  SfxCheckResult result;
  const std::string& name = context.archive_name;
  switch (PlanSelfExtracting(run_value, context.in_start_folder)) {
    case SfxPlan::Nothing:
      return result;
    case SfxPlan::CommentOnly:
      panel("Checking For Main SFX Comment In " + name);
      result.comment = ReadZipMainComment(context).value_or(std::string());
      panel("");
      return result;
    case SfxPlan::Probe:
      break;
  }

  panel("Checking For SFX In " + name);
  std::optional<std::string> held = ReadZipMainComment(context);
  if (!held) {
    panel("");
    return result;
  }
  SfxAnswer answer{true, false};
  if (run_value == ExpandSetting::OnDemand) answer = ApplySfxAnswer(ask("Expand SFX ZIP Archive " + name + "?"), run_value);
  result.abort = answer.abort;
  if (answer.expand) {
    panel(" " + name);
    result.listing = ReadZip(context, sink);
    result.expanded = true;
    result.comment = result.listing.main_comment;
  } else {
    result.comment = std::move(*held);
  }
  panel("");
  return result;
}

}  // namespace tembrel::archives
