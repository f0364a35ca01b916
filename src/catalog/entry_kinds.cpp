#include "catalog/entry_kinds.h"

#include <array>
#include <string>

namespace tembrel::catalog {

int ClassifyEntry(std::string_view name, const CatalogConfig& o) {
  size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return kPlain;
  std::string ext(name.substr(dot + 1));
  for (char& c : ext)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
  static constexpr std::array<std::string_view, 20> kExt = {"ARC", "ARJ", "CAB", "DWC", "HYP", "LBR", "LZH",
                                                            "LZS", "PAK", "RAR", "SQZ", "ZIP", "ZOO", "GIF",
                                                            "TGA", "PCX", "BMP", "JPG", "JPEG", "MP3"};
  const std::array<bool, 13> on = {o.do_arc, o.do_arj, o.do_cab, o.do_dwc, o.do_hyp, o.do_lbr, o.do_lzh,
                                   o.do_lzs, o.do_pak, o.do_rar, o.do_sqz, o.do_zip, o.do_zoo};
  for (size_t i = 0; i < kExt.size(); ++i) {
    if (ext != kExt[i]) continue;
    int kind = static_cast<int>(i) + 1;
    if (IsArchiveKind(kind)) return on[i] ? kind : kPlain;
    return kind;
  }
  if (ext.size() == 3 && ext[0] == 'A' && ext[1] >= '0' && ext[1] <= '9' && ext[2] >= '0' && ext[2] <= '9')
    return o.handle_arj_multi_disks && o.do_arj ? kArj : kPlain;
  return kPlain;
}

}  // namespace tembrel::catalog
