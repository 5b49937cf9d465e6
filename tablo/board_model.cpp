#include "tablo/board_model.h"

#include <QStringDecoder>

namespace tablo {
namespace {

QString fromCp1250(const std::string& bytes)
{
    QStringDecoder decoder("windows-1250");
    return decoder(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
}

} // namespace

void BoardModel::show(const std::vector<trop::ResultsColumn>& columns, const std::deque<BoardLine>& lines)
{
    beginResetModel();
    columns_.clear();
    for (const trop::ResultsColumn& column : columns)
        columns_.push_back({fromCp1250(column.title), column.widthInDialogUnits,
                            Qt::AlignVCenter
                                | (column.alignment == trop::CellAlignment::Right ? Qt::AlignRight : Qt::AlignLeft)});
    lines_.clear();
    for (const BoardLine& line : lines) {
        QStringList cells;
        for (const std::string& cell : line)
            cells.push_back(fromCp1250(cell));
        lines_.push_back(cells);
    }
    endResetModel();
}

int BoardModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(lines_.size());
}

int BoardModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(columns_.size());
}

QVariant BoardModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(lines_.size()) || index.column() >= int(columns_.size()))
        return {};
    const QStringList& cells = lines_[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
        return index.column() < cells.size() ? cells[index.column()] : QString();
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(columns_[std::size_t(index.column())].alignment);
    default:
        return {};
    }
}

QVariant BoardModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= int(columns_.size()))
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole)
        return columns_[std::size_t(section)].title;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(columns_[std::size_t(section)].alignment);
    return {};
}

int BoardModel::baseWidth(int column) const
{
    return column >= 0 && column < int(columns_.size()) ? columns_[std::size_t(column)].baseWidth : 0;
}

bool BoardModel::stretches(int column) const
{
    return column == 2; // "Zespół" takes the width the numbers leave
}

} // namespace tablo
