#include "gui/catalog/selective_catalog_model.h"

#include "gui/shared/view_helpers.h"

namespace tembrel::gui {

QString SizeText(int64_t size) {
  if (size == 0) return {};
  const bool negative = size < 0;
  const qulonglong magnitude = negative ? 0ULL - static_cast<qulonglong>(size) : static_cast<qulonglong>(size);
  const QString digits = QString::number(magnitude);
  QString out;
  for (qsizetype i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return negative ? "-" + out : out;
}

QString DateText(const Date& date) {
  static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  if (date.IsNull() || date.month < 1 || date.month > 12) return {};
  return QString("%1 %2 %3").arg(date.day, 2, 10, QChar('0')).arg(kMonths[date.month - 1]).arg(date.year, 4, 10, QChar('0'));
}

QString TimeText(const Time& time) {
  const int hour12 = time.hour % 12 == 0 ? 12 : time.hour % 12;
  return QString("%1:%2:%3 %4")
      .arg(hour12, 2, 10, QChar('0'))
      .arg(time.minute, 2, 10, QChar('0'))
      .arg(time.second, 2, 10, QChar('0'))
      .arg(time.hour < 12 ? "AM" : "PM");
}

SelectiveCatalogModel::SelectiveCatalogModel(catalog::TSelectiveCatalogForm& form, QObject* parent)
    : QAbstractTableModel(parent), form_(form) {}

int SelectiveCatalogModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(form_.RowCount());
}

int SelectiveCatalogModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant SelectiveCatalogModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  if (role == Qt::TextAlignmentRole && index.column() == kFileSize)
    return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
  if (role != Qt::DisplayRole && role != Qt::CheckStateRole) return {};
  const catalog::NewRow& row = form_.Row(static_cast<size_t>(index.row()));
  if (index.column() == kTagged) {
    if (role == Qt::CheckStateRole) return row.tagged ? Qt::Checked : Qt::Unchecked;
    return {};
  }
  if (role != Qt::DisplayRole) return {};
  switch (index.column()) {
    case kFileName: return Q(row.file_name);
    case kFolderName: return Q(row.folder_name);
    case kArchiveId: return Q(row.archive_id);
    case kFileSize: return SizeText(row.size);
    case kFileDate: return DateText(row.date);
    case kFileTime: return row.date.IsNull() && row.time == Time{} ? QString() : TimeText(row.time);
    default: return {};
  }
}

bool SelectiveCatalogModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || index.column() != kTagged || role != Qt::CheckStateRole) return false;
  const bool tagged = value.toInt() == Qt::Checked;
  form_.SetTagged(static_cast<size_t>(index.row()), tagged);
  emit dataChanged(index, index, {Qt::CheckStateRole});
  return true;
}

Qt::ItemFlags SelectiveCatalogModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
  if (index.column() == kTagged) f |= Qt::ItemIsUserCheckable;
  return f;
}

QVariant SelectiveCatalogModel::headerData(int section, Qt::Orientation orientation, int role) const {
  static const char* const kTitles[] = {"Tagged",    "File Name", "Folder Name", "Archive ID",
                                        "File Size", "File Date", "File Time"};
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal || section < 0 || section >= kColumns) return {};
  return QString(kTitles[section]);
}

void SelectiveCatalogModel::TagsChanged() {
  if (rowCount() == 0) return;
  emit dataChanged(index(0, kTagged), index(rowCount() - 1, kTagged), {Qt::CheckStateRole});
}

}  // namespace tembrel::gui
