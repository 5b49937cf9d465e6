// Lists of the route windows react alike: a double click or Enter on a line
// acts on it, Delete (where offered) deletes or cuts it, and the Menu key or
// Shift+F10 opens the line's menu at the middle of the line.
#pragma once

#include <QPoint>

#include <functional>

class QAbstractItemView;

namespace trop {

struct ListActions {
    std::function<void(int row)> activate;                 // double click, Enter
    std::function<void(int row)> remove = {};              // Delete
    std::function<void(int row, QPoint globalPos)> menu = {}; // right button (row -1: none), Menu key
};

void setListActions(QAbstractItemView* list, ListActions actions);

} // namespace trop
