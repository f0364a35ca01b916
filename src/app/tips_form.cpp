#include "app/tips_form.h"

#include <array>

namespace tembrel {
namespace {

constexpr std::array<std::string_view, 12> kTips = {
    "That Tembrel's behaviour while cataloging a disk may be customized to suit your needs either from the "
    "\"Settings\" menu or via the \"Catalog Options\" button on the \"Catalog Disk - Criteria\" window.",
    "That you can have Tembrel catalog a specific folder from a disk and ignore the rest by setting the \"Start "
    "Cataloging From This Folder\" item in the \"Catalog Disk - Criteria\" window.",
    "That you can catalog a disk under a name different than that of its actual volume label by using the "
    "\"alias\" feature, which may be turned on and off via the catalog settings window.",
    "That you may select the font in which Tembrel displays its reports by clicking the \"Font\" button on the "
    "report screen.  The selected font is also used in the printed report as well.",
    "That if you change the volume label of a disk that already exists in the current catalog, Tembrel can "
    "optionally update the catalog to reflect the volume label change.",
    "That Tembrel's summary report is designed to show you information related to the disks themselves, such as "
    "capacity, free space, etc., while the file reports are designed to show you information on the files in "
    "your disk collection.",
    "That information from backup tapes may be cataloged by using the tape backup software to produce a text file "
    "listing of the tape contents and then using Tembrel's \"Text File Import\" feature to bring the listing "
    "information into your catalog.",
    "That you may have multiple catalogs under different names in your catalog folder.  Use the "
    "\"Select/Create/Configure Catalog\" item in the \"Settings\" menu option to maintain your catalogs and to set "
    "the currently active catalog.",
    "That while viewing a file-based report, you may double click on any file entry that is not contained in an "
    "archive to have Tembrel launch the appropriate application in order to view the file.",
    "That you may split or merge catalogs, as well as perform maintenance on them via the \"Manage Catalogs\" item "
    "in the \"Settings\" menu.",
    "That most of Tembrel's windows have context-sensitive help available by clicking on the \"Help\" button or by "
    "pressing <F1>.",
    "That Tembrel's help file may be browsed like a user manual.",
};

}  // namespace

std::span<const std::string_view> TTipsForm::Tips() { return kTips; }

void TTipsForm::NextBtnClick() { index_ = (index_ + 1) % static_cast<int>(kTips.size()); }

void TTipsForm::PreviousBtnClick() {
  index_ = (index_ + static_cast<int>(kTips.size()) - 1) % static_cast<int>(kTips.size());
}

}  // namespace tembrel
