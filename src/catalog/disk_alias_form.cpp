#include "catalog/disk_alias_form.h"

#include "app/text_helpers.h"
#include "platform/text/utf8.h"
#include "store/catalog_tables.h"

namespace tembrel::catalog {

void TDiskAliasForm::SetAlias(std::string_view typed) { alias_ = text::Left(text::ToUpper(typed), kVolumeLabelMax); }

void TDiskAliasForm::OkClick() {
  focus_entry = false;
  if (Trim(alias_).empty()) {
    BeepError(ui_, "The Alias Name Cannot Be Blank");
    focus_entry = true;
    return;
  }
  modal_result = Button::Ok;
}

std::string SuggestNextLabel(AppContext& ctx) {
  if (ctx.state.active_catalog.empty()) return {};
  try {
    if (auto c = LoadCatalogConfig(ctx.db, ctx.state.active_catalog))
      ctx.state.last_volume_label = TrimCut(c->last_volume_label, kVolumeLabelMax);
  } catch (const db::DbError&) {
  }
  std::string base = text::Left(TrimTrailing(ctx.state.last_volume_label), kVolumeLabelMax);
  size_t digits_at = base.size();
  while (digits_at > 0 && base[digits_at - 1] >= '0' && base[digits_at - 1] <= '9') --digits_at;
  if (base.size() - digits_at > 9) digits_at = base.size() - 9;  // only the last nine digits count
  const size_t n = base.size() - digits_at;
  if (n == 0) return base;
  int64_t v = std::stoll(base.substr(digits_at));
  int64_t limit = 1;
  for (size_t i = 0; i < n; ++i) limit *= 10;
  std::string candidate;
  try {
    db::Statement exists(ctx.db, "SELECT 1 FROM " + db::Qualified(db::kData, SumTable(ctx.state.active_catalog)) +
                                     " WHERE CatalogVolumeLabel = ? COLLATE NOCASE");
    do {
      ++v;
      std::string digits = std::to_string(v);
      if (digits.size() < n) digits.insert(0, n - digits.size(), '0');
      if (digits.size() > n) digits.erase(0, digits.size() - n);
      candidate = base.substr(0, digits_at) + digits;
      exists.Reset();
      exists.Bind(1, candidate);
    } while (exists.Step() && v < limit);
  } catch (const db::DbError&) {
    return {};
  }
  return v > limit - 1 ? std::string() : candidate;
}

}  // namespace tembrel::catalog
