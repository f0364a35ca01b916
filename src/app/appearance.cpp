#include "app/appearance.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <utility>
#include <vector>

namespace tembrel {
namespace {

constexpr std::array<std::pair<SystemColour, std::string_view>, 5> kSystemNames = {{
    {SystemColour::WindowFace, "clBtnFace"},
    {SystemColour::WindowText, "clWindowText"},
    {SystemColour::Window, "clWindow"},
    {SystemColour::Highlight, "clHighlight"},
    {SystemColour::HighlightText, "clHighlightText"},
}};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::vector<std::string_view> Split(std::string_view text, char sep) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (true) {
    size_t at = text.find(sep, start);
    parts.push_back(text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
    if (at == std::string_view::npos) break;
    start = at + 1;
  }
  return parts;
}

}  // namespace

std::string ToText(const Colour& c) {
  for (const auto& [s, name] : kSystemNames)
    if (s == c.system) return std::string(name);
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02X%02X%02X", c.r, c.g, c.b);
  return buf;
}

std::optional<Colour> ParseColour(std::string_view text) {
  for (const auto& [s, name] : kSystemNames)
    if (text == name) return Colour::System(s);
  if (text.size() != 7 || text[0] != '#') return std::nullopt;
  int v[6];
  for (int i = 0; i < 6; ++i) {
    v[i] = HexDigit(text[i + 1]);
    if (v[i] < 0) return std::nullopt;
  }
  return Colour::Rgb(static_cast<uint8_t>(v[0] * 16 + v[1]), static_cast<uint8_t>(v[2] * 16 + v[3]),
                     static_cast<uint8_t>(v[4] * 16 + v[5]));
}

std::string ToText(GradientDirection d) {
  return d == GradientDirection::LeftToRight ? "Left To Right" : "Top To Bottom";
}

std::optional<GradientDirection> ParseDirection(std::string_view text) {
  if (text == "Left To Right") return GradientDirection::LeftToRight;
  if (text == "Top To Bottom") return GradientDirection::TopToBottom;
  return std::nullopt;
}

std::string ToText(const FontSpec& f) {
  std::string style = f.bold && f.italic ? "Bold Italic" : f.bold ? "Bold" : f.italic ? "Italic" : "";
  return f.family + ";" + std::to_string(f.pixel_size) + ";" + style + ";" + ToText(f.colour);
}

std::optional<FontSpec> ParseFont(std::string_view text) {
  auto parts = Split(text, ';');
  if (parts.size() != 4 || parts[0].empty()) return std::nullopt;
  FontSpec f;
  f.family = std::string(parts[0]);
  auto [p, ec] = std::from_chars(parts[1].data(), parts[1].data() + parts[1].size(), f.pixel_size);
  if (ec != std::errc() || p != parts[1].data() + parts[1].size() || f.pixel_size < 1 || f.pixel_size > 200)
    return std::nullopt;
  if (parts[2] == "Bold Italic") f.bold = f.italic = true;
  else if (parts[2] == "Bold") f.bold = true;
  else if (parts[2] == "Italic") f.italic = true;
  else if (!parts[2].empty()) return std::nullopt;
  auto colour = ParseColour(parts[3]);
  if (!colour) return std::nullopt;
  f.colour = *colour;
  return f;
}

namespace {

struct GradientKeys {
  const char* prefix;
  Gradient MainWindowAppearance::*member;
};
constexpr GradientKeys kGradients[] = {
    {"MainOptGradient", &MainWindowAppearance::main_opt}, {"SubOptGradient", &MainWindowAppearance::sub_opt},
    {"ACGradient", &MainWindowAppearance::ac},           {"DCGradient", &MainWindowAppearance::dc},
    {"FCGradient", &MainWindowAppearance::fc},
};

struct FontKeys {
  const char* key;
  FontSpec MainWindowAppearance::*member;
};
constexpr FontKeys kFonts[] = {
    {"ACHeader.Font", &MainWindowAppearance::ac_header},
    {"ActiveCatalogName.Font", &MainWindowAppearance::active_catalog_name},
    {"DCHeader.Font", &MainWindowAppearance::dc_header},
    {"DisksInCatalog.Font", &MainWindowAppearance::disks_in_catalog},
    {"FCHeader.Font", &MainWindowAppearance::fc_header},
    {"FilesInCatalog.Font", &MainWindowAppearance::files_in_catalog},
};

template <class T, class Parse>
void LoadValue(const Settings& settings, std::string_view group, const std::string& key, T& out, Parse parse) {
  if (auto text = settings.Get(group, key))
    if (auto v = parse(*text)) out = *v;
}

}  // namespace

void LoadAppearance(const Settings& settings, std::string_view group, MainWindowAppearance& out) {
  out.main_opt_visible = settings.GetBool(group, "MainOptPanel.Visible", out.main_opt_visible);
  out.sub_opt_visible = settings.GetBool(group, "SubOptPanel.Visible", out.sub_opt_visible);
  LoadValue(settings, group, "SubOptPanel.Color", out.sub_opt_color, ParseColour);
  for (const auto& g : kGradients) {
    Gradient& gradient = out.*(g.member);
    std::string prefix = g.prefix;
    LoadValue(settings, group, prefix + ".FromColor", gradient.from, ParseColour);
    LoadValue(settings, group, prefix + ".ToColor", gradient.to, ParseColour);
    LoadValue(settings, group, prefix + ".Direction", gradient.direction, ParseDirection);
  }
  for (const auto& f : kFonts) LoadValue(settings, group, f.key, out.*(f.member), ParseFont);
}

void SaveAppearance(Settings& settings, std::string_view group, const MainWindowAppearance& a) {
  settings.SetBool(group, "MainOptPanel.Visible", a.main_opt_visible);
  settings.SetBool(group, "SubOptPanel.Visible", a.sub_opt_visible);
  settings.Set(group, "SubOptPanel.Color", ToText(a.sub_opt_color));
  for (const auto& g : kGradients) {
    const Gradient& gradient = a.*(g.member);
    std::string prefix = g.prefix;
    settings.Set(group, prefix + ".FromColor", ToText(gradient.from));
    settings.Set(group, prefix + ".ToColor", ToText(gradient.to));
    settings.Set(group, prefix + ".Direction", ToText(gradient.direction));
  }
  for (const auto& f : kFonts) settings.Set(group, f.key, ToText(a.*(f.member)));
}

}  // namespace tembrel
