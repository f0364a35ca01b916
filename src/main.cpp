// The desktop program: splash, main window, start-up sequence, tips, event loop.
#include <QApplication>

#include "app/main_form.h"
#include "app/shell_commands.h"
#include "gui/main_window.h"
#include "gui/program_start.h"
#include "gui/qt_settings.h"
#include "gui/qt_ui.h"
#include "gui/catalog/catalog_views.h"
#include "gui/shared/shared_views.h"
#include "gui/shell_views.h"
#include "gui/store/store_views.h"
#include "catalog/catalog_commands.h"
#include "catalog/content_reader.h"
#include "gui/modeless_views.h"
#include "store/store_commands.h"
#include "platform/fs/fs.h"
#include "platform/volumes/linux_volumes.h"

int main(int argc, char** argv) {
  using namespace tembrel;
  QApplication app(argc, argv);
  QApplication::setApplicationName("Tembrel");
  // The main window's close box ends the program even while other windows are open.
  QApplication::setQuitOnLastWindowClosed(false);

  gui::QtSettings settings;
  SharedState state;
  SystemClock clock;
  gui::QtUi ui(settings);
  gui::RegisterShellViews(ui);
  gui::RegisterSharedViews(ui);
  gui::RegisterStoreViews(ui);
  gui::RegisterCatalogViews(ui);
  gui::RegisterCatalogModelessViews(ui.Modeless());

  gui::ProgramStart start(ui);
  volumes::LinuxVolumes volumes(settings);
  std::unique_ptr<fs::FileSystem> files = fs::MakePosixFileSystem();

  TMainForm form(state, settings, ui, clock);
  catalog::ArchiveContentReader archives_and_media;
  RegisterShellCommands(form);
  RegisterStoreCommands(form);
  catalog::RegisterCatalogCommands(form, volumes, *files, &archives_and_media);
  form.SetDriveLister([&volumes] {
    std::vector<DriveChoice> out;
    for (const auto& d : volumes.Drives()) out.push_back({d.letter, d.root, d.label});
    return out;
  });
  gui::MainWindow window(form, &ui);
  ui.CreateSharedWindows();
  QObject::connect(&window, &gui::MainWindow::Closed, &app, &QCoreApplication::quit);
  start.Run(form, window);

  const int rc = app.exec();
  if (window.isVisible()) window.StorePlacement();
  form.SaveSettings();
  return rc;
}
