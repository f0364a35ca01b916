#pragma once
// The main window's colours, gradients and fonts as the settings store keeps them.
// Text forms: a colour is "#RRGGBB" or a system colour name ("clBtnFace"); a direction
// "Left To Right" or "Top To Bottom"; a font "Family;pixels;style;colour" with style one of
// "", "Bold", "Italic", "Bold Italic".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/settings/settings.h"

namespace tembrel {

enum class SystemColour { None, WindowFace, WindowText, Window, Highlight, HighlightText };

struct Colour {
  uint8_t r = 0, g = 0, b = 0;
  SystemColour system = SystemColour::None;  // when set, r/g/b are unused

  static constexpr Colour Rgb(uint8_t r, uint8_t g, uint8_t b) { return Colour{r, g, b, SystemColour::None}; }
  static constexpr Colour System(SystemColour s) { return Colour{0, 0, 0, s}; }
  bool operator==(const Colour&) const = default;
};

inline constexpr Colour kTeal = Colour::Rgb(0x00, 0x80, 0x80);
inline constexpr Colour kNavy = Colour::Rgb(0x00, 0x00, 0x80);
inline constexpr Colour kBlue = Colour::Rgb(0x00, 0x00, 0xFF);
inline constexpr Colour kWindowFace = Colour::System(SystemColour::WindowFace);
inline constexpr Colour kWindowText = Colour::System(SystemColour::WindowText);

std::string ToText(const Colour& c);
std::optional<Colour> ParseColour(std::string_view text);

enum class GradientDirection { LeftToRight, TopToBottom };
std::string ToText(GradientDirection d);
std::optional<GradientDirection> ParseDirection(std::string_view text);

struct Gradient {
  Colour from;
  Colour to;
  GradientDirection direction = GradientDirection::TopToBottom;
  bool operator==(const Gradient&) const = default;
};

struct FontSpec {
  std::string family = "Arial";
  int pixel_size = 13;
  bool bold = false;
  bool italic = false;
  Colour colour = kWindowText;
  bool operator==(const FontSpec&) const = default;
};

std::string ToText(const FontSpec& f);
std::optional<FontSpec> ParseFont(std::string_view text);

// Everything the appearance of the main window is made of.
struct MainWindowAppearance {
  bool main_opt_visible = true;  // "MainOptPanel.Visible"
  bool sub_opt_visible = true;   // "SubOptPanel.Visible"
  Colour sub_opt_color = kNavy;  // "SubOptPanel.Color"
  Gradient main_opt{kTeal, kTeal, GradientDirection::TopToBottom};
  Gradient sub_opt{kNavy, kNavy, GradientDirection::TopToBottom};
  Gradient ac{kWindowFace, kWindowFace, GradientDirection::TopToBottom};
  Gradient dc{kWindowFace, kWindowFace, GradientDirection::TopToBottom};
  Gradient fc{kWindowFace, kWindowFace, GradientDirection::TopToBottom};
  FontSpec ac_header{"Arial", 13, false, true, kBlue};
  FontSpec active_catalog_name{"Arial", 16, true, false, kWindowText};
  FontSpec dc_header{"Arial", 13, false, true, kBlue};
  FontSpec disks_in_catalog{"Arial", 16, true, false, kWindowText};
  FontSpec fc_header{"Arial", 13, false, true, kBlue};
  FontSpec files_in_catalog{"Arial", 16, true, false, kWindowText};
  bool operator==(const MainWindowAppearance&) const = default;
};

// Reads the values stored under `group`; a value that is missing or unreadable keeps what
// `out` holds.
void LoadAppearance(const Settings& settings, std::string_view group, MainWindowAppearance& out);
void SaveAppearance(Settings& settings, std::string_view group, const MainWindowAppearance& a);

}  // namespace tembrel
