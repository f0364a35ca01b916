#pragma once
// The grid of the selective cataloging dialog: the temporary table New in its index order,
// rows fetched from the form as the view asks for them; only "Tagged" can be changed.
#include <QAbstractTableModel>

#include "catalog/selective_catalog_form.h"

namespace tembrel::gui {

class SelectiveCatalogModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  enum Column { kTagged, kFileName, kFolderName, kArchiveId, kFileSize, kFileDate, kFileTime, kColumns };

  SelectiveCatalogModel(catalog::TSelectiveCatalogForm& form, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role) override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // After a bulk operation changed the tags of many rows.
  void TagsChanged();

 private:
  catalog::TSelectiveCatalogForm& form_;
};

// The grid's patterns: "###,###,###,###,###" (nothing for 0), "dd nnn yyyy", "hh:mm:ss tt".
QString SizeText(int64_t size);
QString DateText(const Date& date);
QString TimeText(const Time& time);

}  // namespace tembrel::gui
