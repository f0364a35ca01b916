#include "gui/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/splash.h"

namespace tembrel::gui {

Button ShowAboutDialog(TAboutBox& form, const ViewContext& ctx) {
  ModalView dialog(form, ctx, false);
  dialog.setWindowTitle(QString::fromStdString(form.Caption()));
  auto* layout = new QVBoxLayout(&dialog);
  auto* picture = new QLabel(&dialog);
  picture->setPixmap(ProgramPicture(QSize(360, 188)));
  picture->setAlignment(Qt::AlignCenter);
  layout->addWidget(picture);
  for (const auto& [name, text, bold] : {std::tuple{"ProductName", form.ProductName(), true},
                                         std::tuple{"Version", form.Version(), false},
                                         std::tuple{"Created", form.Created(), false}}) {
    auto* l = new QLabel(QString::fromStdString(text), &dialog);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignCenter);
    QFont f = l->font();
    f.setBold(bold);
    if (bold) f.setPixelSize(18);
    l->setFont(f);
    layout->addWidget(l);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
  layout->addWidget(buttons);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    form.OkBtnClick();
    dialog.accept();
  });
  return dialog.Run();
}

}  // namespace tembrel::gui
