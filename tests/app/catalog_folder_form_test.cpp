#include "app/catalog_folder_form.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/temp_dir.h"

namespace tembrel {
namespace {

TEST(CatalogFolderForm, OpensFoldersAndStaysPutWhenAFolderCannotBeOpened) {
  testing::TempDir dir;
  std::filesystem::create_directories(dir.Path() / "beta");
  std::filesystem::create_directories(dir.Path() / "alpha" / "inner");
  std::filesystem::create_directories(dir.Path() / ".hidden");
  { std::ofstream(dir.Path() / "file.txt") << "x"; }

  TCatalogFolderForm form(dir.Str());
  EXPECT_EQ(form.ClassName(), "TCatalogFolderForm");
  EXPECT_EQ(form.Folder(), dir.Str());
  EXPECT_EQ(form.Subfolders(), (std::vector<std::string>{"alpha", "beta"}));

  EXPECT_TRUE(form.OpenSubfolder("alpha"));
  EXPECT_EQ(form.Folder(), dir.Str() + "alpha/");
  EXPECT_FALSE(form.OpenSubfolder("missing"));
  EXPECT_FALSE(form.OpenFolder(dir.Str() + "file.txt"));
  EXPECT_FALSE(form.OpenFolder(""));
  EXPECT_EQ(form.Folder(), dir.Str() + "alpha/");
  EXPECT_TRUE(form.OpenSubfolder(".."));
  EXPECT_EQ(form.Folder(), dir.Str());

  EXPECT_TRUE(form.OpenFolder("/"));
  EXPECT_FALSE(form.OpenSubfolder(".."));
  EXPECT_EQ(form.Folder(), "/");

  // A start folder that does not exist leaves the list at the working folder.
  TCatalogFolderForm elsewhere(dir.Str() + "nope");
  EXPECT_EQ(elsewhere.Folder(), std::filesystem::current_path().string() + "/");
  EXPECT_FALSE(elsewhere.CloseRequested());
  elsewhere.ApplyBtnClick();
  EXPECT_EQ(elsewhere.ModalResult(), Button::Ok);
}

}  // namespace
}  // namespace tembrel
