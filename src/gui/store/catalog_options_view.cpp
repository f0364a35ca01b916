#include "gui/store/catalog_options_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <vector>

#include "gui/app/help_view.h"
#include "gui/shared/view_helpers.h"

namespace tembrel::gui {
namespace {

struct Option {
  const char* caption;
  const char* name;
  bool CatalogConfig::*field;
};

constexpr Option kCatalogingOptions[] = {
    {"Warn If Disk Exists", "WarnIfExists", &CatalogConfig::warn_if_exists},
    {"Suggest Volume Label", "SuggestVol", &CatalogConfig::suggest_vol},
    {"Volume Label Aliases", "Aliases", &CatalogConfig::aliases},
    {"Comment Override From Disk", "CommentOverrideFromDisk", &CatalogConfig::comment_override_from_disk},
    {"Auto Edit Disk Comments", "AutoEditDiskComments", &CatalogConfig::auto_edit_disk_comments},
    {"Auto Edit File Comments", "AutoEditFileComments", &CatalogConfig::auto_edit_file_comments},
    {"Selective Cataloging", "SelectiveCataloging", &CatalogConfig::selective_cataloging},
    {"TFI Selective Cataloging", "TfiSelectiveCataloging", &CatalogConfig::tfi_selective_cataloging},
    {"Selective Cataloging Autotag", "SelectiveCatAutotag", &CatalogConfig::selective_cat_autotag},
    {"Maintain Activity Log", "KeepActivityLog", &CatalogConfig::keep_activity_log},
};

constexpr Option kArchiveOptions[] = {
    {"Handle ARJ Multi-Disks", "HandleArjMultiDisks", &CatalogConfig::handle_arj_multi_disks},
    {"Handle SFX Archives", "DoSfxArchives", &CatalogConfig::do_sfx_archives},
    {"Get Main Archive Comment", "GetMainComment", &CatalogConfig::get_main_comment},
    {"Copy Main Archive Comment", "CopyMainComment", &CatalogConfig::copy_main_comment},
    {"Handle FILE_ID.DIZ Comments", "UseDiz", &CatalogConfig::use_diz},
    {"Override With FILE_ID.DIZ", "DizOverride", &CatalogConfig::diz_override},
};

constexpr Option kFormats[] = {
    {"ARC", "DoARC", &CatalogConfig::do_arc},   {"ARJ", "DoARJ", &CatalogConfig::do_arj},
    {"DWC", "DoDWC", &CatalogConfig::do_dwc},   {"Hyper", "DoHYP", &CatalogConfig::do_hyp},
    {"LBR", "DoLBR", &CatalogConfig::do_lbr},   {"LHArc", "DoLZH", &CatalogConfig::do_lzh},
    {"LARC", "DoLZS", &CatalogConfig::do_lzs},  {"PAK", "DoPAK", &CatalogConfig::do_pak},
    {"RAR", "DoRAR", &CatalogConfig::do_rar},   {"SQZ", "DoSQZ", &CatalogConfig::do_sqz},
    {"ZIP", "DoZIP", &CatalogConfig::do_zip},   {"ZOO", "DoZOO", &CatalogConfig::do_zoo},
    {"Windows CAB", "DoCAB", &CatalogConfig::do_cab},
};

class CatalogOptionsView : public ModalView {
 public:
  CatalogOptionsView(TCatalogOptionsForm& form, const ViewContext& ctx) : ModalView(form, ctx, false), options_(form) {
    setWindowTitle("Catalog Options");
    auto* layout = new QVBoxLayout(this);
    auto* header = new QLabel(Q(form.header), this);
    header->setObjectName("Header");
    QFont bold = header->font();
    bold.setBold(true);
    header->setFont(bold);
    layout->addWidget(header);

    auto* columns = new QHBoxLayout;
    auto* cataloging = new QGroupBox("Cataloging Options", this);
    auto* cataloging_layout = new QVBoxLayout(cataloging);
    for (const Option& o : kCatalogingOptions) cataloging_layout->addWidget(Box(cataloging, o));
    cataloging_layout->addStretch();
    columns->addWidget(cataloging);

    auto* right = new QVBoxLayout;
    auto* archives = new QGroupBox("Archive Processing Options", this);
    auto* archives_layout = new QVBoxLayout(archives);
    auto* expand_row = new QHBoxLayout;
    auto* expand_label = new QLabel("Expand Archives", archives);
    auto* expand = new QComboBox(archives);
    expand->setObjectName("ExpandArchives");
    for (const char* choice : TCatalogOptionsForm::kExpandChoices) expand->addItem(choice);
    expand->setCurrentIndex(std::max(0, expand->findText(Q(form.config.expand_archives))));
    expand_label->setBuddy(expand);
    expand_row->addWidget(expand_label);
    expand_row->addWidget(expand, 1);
    archives_layout->addLayout(expand_row);
    connect(expand, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { options_.config.expand_archives = S(text); });
    for (const Option& o : kArchiveOptions) archives_layout->addWidget(Box(archives, o));
    right->addWidget(archives);

    auto* formats = new QGroupBox("Archive Formats To Process If Necessary", this);
    auto* formats_layout = new QVBoxLayout(formats);
    auto* format_grid = new QGridLayout;
    int i = 0;
    for (const Option& o : kFormats) {
      format_grid->addWidget(Box(formats, o), i / 4, i % 4);
      ++i;
    }
    formats_layout->addLayout(format_grid);
    auto* all = NamedButton(formats, "Select &All Archive Formats", "SelectAllBtn");
    auto* none = NamedButton(formats, "&Clear All Archive Formats", "ClearAllBtn");
    auto* format_buttons = new QHBoxLayout;
    format_buttons->addWidget(all);
    format_buttons->addWidget(none);
    formats_layout->addLayout(format_buttons);
    right->addWidget(formats);
    right->addStretch();
    columns->addLayout(right);
    layout->addLayout(columns);
    connect(all, &QPushButton::clicked, this, [this] {
      options_.SelectAllFormatsClick();
      ShowBoxes();
    });
    connect(none, &QPushButton::clicked, this, [this] {
      options_.ClearAllFormatsClick();
      ShowBoxes();
    });

    auto* save = NamedButton(this, "&Save Options", "SaveOptionsBtn");
    save->setDefault(true);
    auto* cancel = NamedButton(this, "Cancel", "CancelBtn");
    auto* help = NamedButton(this, "Help", "HelpBtn");
    layout->addLayout(ButtonRow({save, cancel, help}));
    connect(save, &QPushButton::clicked, this, [this] { Handle([this] { options_.SaveOptionsClick(); }); });
    connect(cancel, &QPushButton::clicked, this, [this] { Handle([this] { options_.CancelClick(); }); });
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(ctx_, "catalogs"); });
  }

 private:
  QCheckBox* Box(QWidget* parent, const Option& o) {
    auto* box = new QCheckBox(o.caption, parent);
    box->setObjectName(o.name);
    box->setChecked(options_.config.*o.field);
    bool CatalogConfig::*field = o.field;
    connect(box, &QCheckBox::toggled, this, [this, field](bool on) { options_.config.*field = on; });
    boxes_.push_back({box, field});
    return box;
  }
  void ShowBoxes() {
    for (auto& [box, field] : boxes_) box->setChecked(options_.config.*field);
  }

  TCatalogOptionsForm& options_;
  std::vector<std::pair<QCheckBox*, bool CatalogConfig::*>> boxes_;
};

}  // namespace

Button ShowCatalogOptionsView(TCatalogOptionsForm& form, const ViewContext& ctx) {
  CatalogOptionsView view(form, ctx);
  return view.Run();
}

}  // namespace tembrel::gui
