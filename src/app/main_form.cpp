#include "app/main_form.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "app/catalog_folder_form.h"
#include "app/folders.h"
#include "app/global_tables.h"
#include "app/text_helpers.h"
#include "app/tips_form.h"
#include "store/verify_active_catalog.h"

namespace tembrel {
namespace {

bool IsDirectory(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_directory(path, ec);
}

}  // namespace

std::string MissingDataFolderText(std::string_view folder) {
  return "The Folder Currently Set For The Location Of Your Catalog Data\r\n\r\n(" + std::string(folder) +
         ")\r\n\r\nDoes Not Exist.  You Will Need To Select Another Location After You Close This Dialog Box.";
}

std::array<ButtonRect, 6> MainOptButtonLayout(int column_height, int column_width) {
  std::array<ButtonRect, 6> out{};
  const int height = std::max(0, (column_height - 60) / 6);
  int top = 37;
  for (auto& r : out) {
    r = {6, top, std::max(0, column_width - 12), height};
    top += height + 4;
  }
  return out;
}

std::vector<ButtonRect> SubPanelButtonLayout(int column_height, int client_width, int button_count) {
  std::vector<ButtonRect> out;
  if (button_count <= 0) return out;
  // Six rows fill the panel; a panel with more rows shares the same span, one with fewer
  // keeps the six-row height so every panel's buttons look alike.
  const int rows = std::max(6, (button_count + 1) / 2);
  const int height = std::max(0, (column_height - 39 - 4 * rows) / rows);
  const int inner = std::max(0, client_width - 15);
  const int left_width = inner * 211 / 446;
  const int right_width = inner * 235 / 446;
  for (int i = 0; i < button_count; ++i) {
    const int row = i / 2;
    const bool right = i % 2 == 1;
    out.push_back({right ? client_width - 5 - right_width : 6, 6 + row * (height + 4),
                   right ? right_width : left_width, height});
  }
  return out;
}

TMainForm::TMainForm(SharedState& state, Settings& settings, Ui& ui, const Clock& clock)
    : state_(state), settings_(settings), ui_(ui), clock_(clock), resolve_program_folder_(ResolveProgramFolder) {
  caption_ = MainCaption();
  about_caption_ = AboutCaption();
  notice_ = "Tembrel " + Edition() + " Version " + VersionNumber() + "   -   Disk Cataloging For Your Whole Collection";
  LoadSettings();
  RegisterCommand("ExitProgram1", [this] { ExitProgram1Click(); });
  RegisterCommand("FolderForCatalogs1", [this] { FolderForCatalogs1Click(); });
  RegisterCommand("TipsTricks1", [this] { ShowTips(); });
}

TMainForm::~TMainForm() = default;

void TMainForm::LoadSettings() {
  const auto g = kMainFormGroup;
  ddirname_ = settings_.GetString(g, "DDirname.Caption");
  active_catalog_name_ = settings_.GetString(g, "ActiveCatalogName.Caption");
  LoadAppearance(settings_, g, appearance_);
  tips_show_at_start_ = settings_.GetBool(g, "Tips.ShowAtStart", true);
  placement_.width = static_cast<int>(settings_.GetInt(g, "Width", 0));
  placement_.height = static_cast<int>(settings_.GetInt(g, "Height", 0));
  placement_.left = static_cast<int>(settings_.GetInt(g, "Left", 0));
  placement_.top = static_cast<int>(settings_.GetInt(g, "Top", 0));
  placement_.known = placement_.width > 0 && placement_.height > 0 && settings_.Get(g, "Left") &&
                     settings_.Get(g, "Top");
  placement_.maximized = settings_.GetString(g, "WindowState") == "Maximized";
}

void TMainForm::SaveSettings() {
  const auto g = kMainFormGroup;
  settings_.Set(g, "DDirname.Caption", ddirname_);
  settings_.Set(g, "ActiveCatalogName.Caption", active_catalog_name_);
  SaveAppearance(settings_, g, appearance_);
  settings_.SetBool(g, "Tips.ShowAtStart", tips_show_at_start_);
  if (placement_.known) {
    settings_.SetInt(g, "Left", placement_.left);
    settings_.SetInt(g, "Top", placement_.top);
    settings_.SetInt(g, "Width", placement_.width);
    settings_.SetInt(g, "Height", placement_.height);
    settings_.Set(g, "WindowState", placement_.maximized ? "Maximized" : "Normal");
  }
  settings_.Sync();
}

void TMainForm::Notify(Change c) {
  if (listener_) listener_(c);
}

void TMainForm::SetMinimumHeight(int h) {
  minimum_height_ = h;
  Notify(Change::Caption);
}

void TMainForm::FormShow() {
  // Step 1, seeding the generator, belongs to the progress window, which owns its generator.
  state_.open_report_count = 0;
  state_.current_panel = 0;
  state_.custom_summary_defs_open = false;
  state_.custom_file_defs_open = false;
  down_button_ = 0;
  sub_opt_header_ = SubOptionsHeader(0);

  caption_ = MainCaption();
  about_caption_ = AboutCaption();
  minimum_height_ = appearance_.main_opt_visible ? 375 : 110;
  Notify(Change::Caption);
  Notify(Change::Panel);

  try {
    state_.program_folder = WithTrailingSlash(resolve_program_folder_());
  } catch (const std::exception& e) {
    BeepError(ui_, e.what());
    std::error_code ec;
    state_.program_folder = WithTrailingSlash(std::filesystem::current_path(ec).string());
  }

  SettleDataFolder();
  state_.active_catalog = active_catalog_name_;
  OpenTables();
  if (db_) {
    try {
      AppContext ctx = Context();
      VerifyActiveCatalog(ctx, /*quiet=*/false);
    } catch (const std::exception& e) {
      BeepError(ui_, e.what());
    }
  }
  SetStatPanels();
  tips_title_ = TipsTitle();
}

void TMainForm::SettleDataFolder() {
  const std::string persisted = Trim(ddirname_);
  std::string folder = persisted;
  bool ask = false;
  if (persisted.empty()) {
    folder = state_.program_folder;
    ask = true;
  } else if (!IsDirectory(persisted)) {
    BeepError(ui_, MissingDataFolderText(persisted));
    folder = state_.program_folder;
    ask = true;
  }
  if (ask) {
    TCatalogFolderForm form(folder);
    if (list_drives_) form.drives = list_drives_();
    if (ui_.ShowModal(form) == Button::Ok) folder = form.Folder();
  }
  ddirname_ = folder;
  state_.data_folder = WithTrailingSlash(folder);
}

void TMainForm::OpenTables() {
  try {
    db_ = std::make_unique<db::Database>(OpenGlobalDatabase(state_.program_folder));
  } catch (const std::exception& e) {
    BeepError(ui_, e.what());
    // Keep the window usable: commands report their own failures against an empty store.
    try {
      db_ = std::make_unique<db::Database>(db::Database::Open(":memory:"));
    } catch (const std::exception&) {
      db_.reset();
    }
    return;
  }
  try {
    AttachDataFolder(*db_, state_.data_folder);
  } catch (const std::exception& e) {
    BeepError(ui_, e.what());
  }
  try {
    EnsureGlobalTables(*db_, state_.specs);
  } catch (const std::exception& e) {
    BeepError(ui_, e.what());
  }
}

AppContext TMainForm::Context() {
  if (!db_) throw std::logic_error("The Program's Tables Are Not Open");
  return AppContext{state_, *db_, ui_, settings_, clock_};
}

std::string TMainForm::CountText(std::string_view table) const {
  if (!db_) return "Error";
  try {
    if (!db_->IsAttached(db::kData) || !db_->TableExists(db::kData, table)) return "Error";
    return FormatCount(db_->CountRows(db::kData, table));
  } catch (const std::exception&) {
    return "Error";
  }
}

void TMainForm::SetStatPanels() {
  active_catalog_name_ = state_.active_catalog;
  if (state_.active_catalog.empty()) {
    disks_in_catalog_.clear();
    files_in_catalog_.clear();
  } else {
    disks_in_catalog_ = CountText(state_.active_catalog + "_SUM");
    files_in_catalog_ = CountText(state_.active_catalog + "_CAT");
  }
  Notify(Change::StatPanels);
}

void TMainForm::ActivateFrame(int type) {
  if (type < kNoPanel || type > kHelpPanel) type = kNoPanel;
  if (type == state_.current_panel) return;
  sub_opt_header_ = SubOptionsHeader(type);
  state_.current_panel = type;
  Notify(Change::Panel);
}

void TMainForm::SimulateBtnClick(int type) {
  if (type < kCatalogingPanel || type > kHelpPanel) return;
  if (down_button_ == type) return;
  down_button_ = type;
  ActivateFrame(type);
  Notify(Change::Panel);
}

void TMainForm::GroupBtnClick(int type) {
  if (type < kCatalogingPanel || type > kHelpPanel) return;
  if (down_button_ == type) {
    down_button_ = 0;
    ActivateFrame(kNoPanel);
  } else {
    down_button_ = type;
    ActivateFrame(type);
  }
  Notify(Change::Panel);
}

void TMainForm::CloseBtnClick() {
  // "Exit Program" sits in the group of toggle buttons but never stays down: the group keeps
  // showing the panel that is active.
  Notify(Change::Panel);
  RunCommand("ExitProgram1");
}

void TMainForm::RegisterCommand(std::string name, Handler handler) {
  handlers_.insert_or_assign(std::move(name), std::move(handler));
}

bool TMainForm::HasHandler(std::string_view name) const { return handlers_.find(name) != handlers_.end(); }

void TMainForm::RunHandler(const Handler& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    BeepError(ui_, e.what());
  }
}

void TMainForm::RunCommand(std::string_view name) {
  const CommandDef* def = FindCommand(name);
  if (!def) return;
  if (def->panel >= kCatalogingPanel && def->panel <= kHelpPanel && state_.current_panel != def->panel)
    SimulateBtnClick(def->panel);
  if (def->needs_catalog && Trim(state_.active_catalog).empty()) {
    ui_.Beep();
    ui_.Information(kCatalogRequiredText);
    return;
  }
  if (def->refused_with_reports && state_.open_report_count != 0) {
    BeepError(ui_, kCloseReportsText);
    return;
  }
  auto it = handlers_.find(name);
  if (it == handlers_.end()) {
    ui_.Information(kNotAvailableText);
    return;
  }
  Handler handler = it->second;  // a handler may register commands itself
  RunHandler(handler);
  switch (def->refresh) {
    case Refresh::None: break;
    case Refresh::StatAndName:
      active_catalog_name_ = state_.active_catalog;
      Notify(Change::StatPanels);
      SetStatPanels();
      break;
    case Refresh::Stat: SetStatPanels(); break;
  }
}

void TMainForm::ExitProgram1Click() {
  if (state_.open_report_count != 0 && ui_.Ask(kExitWithReportsText) != Button::Yes) return;
  terminated_ = true;
  if (terminate_) terminate_();
}

void TMainForm::FolderForCatalogs1Click() {
  if (Trim(ddirname_).empty()) ddirname_ = state_.program_folder;
  TCatalogFolderForm form(Trim(ddirname_));
  if (list_drives_) form.drives = list_drives_();
  if (ui_.ShowModal(form) != Button::Ok) return;
  const std::string folder = form.Folder();
  if (db_) {
    try {
      AttachDataFolder(*db_, folder);
    } catch (const std::exception& e) {
      // Stay with the folder that works rather than half-switch to one that does not.
      BeepError(ui_, e.what());
      try {
        AttachDataFolder(*db_, state_.data_folder);
      } catch (const std::exception&) {
      }
      return;
    }
  }
  ddirname_ = folder;
  state_.data_folder = WithTrailingSlash(folder);
  state_.active_catalog.clear();
}

void TMainForm::ShowTips() {
  TTipsForm form(tips_title_.empty() ? TipsTitle() : tips_title_, tips_show_at_start_);
  ui_.ShowModal(form);
  tips_show_at_start_ = form.show_at_start;
}

}  // namespace tembrel
