#include "gui/catalog/disk_already_cataloged_view.h"

#include <QLabel>
#include <QVBoxLayout>

#include "gui/shared/view_helpers.h"

namespace tembrel::gui {
namespace {

using catalog::TDiskAlreadyCatalogedForm;

class DiskAlreadyCatalogedView : public ModalView {
 public:
  DiskAlreadyCatalogedView(TDiskAlreadyCatalogedForm& form, const ViewContext& ctx)
      : ModalView(form, ctx, false), what_(form) {
    setWindowTitle("What Should I Do?");
    auto* layout = new QVBoxLayout(this);
    auto* message = new QLabel(Q(form.message), this);
    message->setObjectName("Message");
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignCenter);
    message->setMinimumWidth(380);
    layout->addWidget(message);
    auto* please = new QLabel("Please Select An Option Below.", this);
    please->setAlignment(Qt::AlignCenter);
    layout->addWidget(please);
    auto* alias = NamedButton(this, "&Catalog Under Different Name (Alias)", "AliasBtn");
    auto* replace = NamedButton(this, "&Replace Existing Catalog Entry", "ReplaceBtn");
    auto* stop = NamedButton(this, "&Don't Catalog (Stop)", "StopBtn");
    alias->setDefault(true);
    for (QPushButton* b : {alias, replace, stop}) layout->addWidget(b);
    connect(alias, &QPushButton::clicked, this, [this] { Handle([this] { what_.AliasClick(); }); });
    connect(replace, &QPushButton::clicked, this, [this] { Handle([this] { what_.ReplaceClick(); }); });
    connect(stop, &QPushButton::clicked, this, [this] { Handle([this] { what_.StopClick(); }); });
  }

 private:
  TDiskAlreadyCatalogedForm& what_;
};

}  // namespace

Button ShowDiskAlreadyCatalogedView(TDiskAlreadyCatalogedForm& form, const ViewContext& ctx) {
  DiskAlreadyCatalogedView view(form, ctx);
  return view.Run();
}

}  // namespace tembrel::gui
