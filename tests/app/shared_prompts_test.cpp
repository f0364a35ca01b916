#include <gtest/gtest.h>

#include "app/get_string_form.h"
#include "app/select_one_volume_form.h"
#include "app/text_file_viewer_form.h"
#include "store/catalog_config.h"
#include "store/verify_active_catalog.h"
#include "support/catalog_fixture.h"

namespace tembrel {
namespace {

TEST(GetStringForm, ReturnsWhatWasTypedAsConfigured) {
  testing::RecordingUi ui;
  ui.Expect<TGetStringForm>([](TGetStringForm& f) {
    EXPECT_EQ(f.caption, "Information Needed");
    EXPECT_EQ(f.prompt, "Volume?");
    f.SetResultString("");
    return Button::Ok;
  });
  EXPECT_EQ(AskForString(ui, "Volume?"), std::optional<std::string>(""));
  ui.Expect<TGetStringForm>([](TGetStringForm& f) {
    EXPECT_EQ(f.ResultString(), "PRE");
    f.SetResultString("abcdéfghijklm");
    return Button::Ok;
  });
  EXPECT_EQ(AskForString(ui, "Label?", {"Tag Several", "pre", 11, true}), std::optional<std::string>("ABCDÉFGHIJK"));
  ui.Expect<TGetStringForm>([](TGetStringForm&) { return Button::Cancel; });
  EXPECT_EQ(AskForString(ui, "x"), std::nullopt);
}

TEST(SelectOneVolumeForm, ListsLabelsInOrderAndSelectsOnlyWithRows) {
  testing::AppFixture f;
  f.state.active_catalog = "Cat";
  ASSERT_TRUE(CreateCatalogConfig(f.ctx, {}, false));
  VerifyActiveCatalog(f.ctx, true);
  {
    TSelectOneVolumeForm empty(f.ctx);
    empty.SelectClick();
    empty.RowDoubleClick(0);
    EXPECT_EQ(empty.modal_result, Button::None);
  }
  f.db.Exec("INSERT INTO Data.Cat_SUM (CatalogVolumeLabel, ActualVolumeLabel) VALUES ('beta', 'B'), ('ALPHA', 'A'), ('Gamma', 'G')");
  TSelectOneVolumeForm form(f.ctx);
  EXPECT_EQ(form.Labels(), (std::vector<std::string>{"ALPHA", "beta", "Gamma"}));
  form.RowDoubleClick(2);
  EXPECT_EQ(form.modal_result, Button::Ok);
  EXPECT_EQ(form.SelectedLabel(), "Gamma");
}

TEST(SelectOneVolumeForm, UnreadableSummaryTableThrowsTheEngineError) {
  testing::AppFixture f;
  f.state.active_catalog = "Missing";
  EXPECT_THROW(TSelectOneVolumeForm form(f.ctx), db::DbError);
}

TEST(TextFileViewerForm, StatusLineFollowsTheCaret) {
  TTextFileViewerForm v;
  EXPECT_EQ(v.StatusLine(), "Line 0  -  Column 0");
  v.CaretMoved(2, 0);
  EXPECT_EQ(v.StatusLine(), "Line: 3  -  Column: 1");
  EXPECT_FALSE(v.LoadFile("/nonexistent/file.txt"));
}

}  // namespace
}  // namespace tembrel
