// Key preview through the open list of a combo box. The list opens in a
// popup window of its own, outside the window's children, so a window that
// sees every key before its controls has to watch the lists as well, and
// close an open list itself before it acts on Enter or Escape.
#pragma once

#include <span>

class QComboBox;
class QObject;

namespace zx {

// From now on `filter` sees the events of each combo box's list.
void watchListKeys(QObject* filter, std::span<QComboBox* const> combos);

// The combo box whose list `watched` is, or nullptr. A key that reaches a
// list arrived there first: the list had the keyboard, even if the list's
// own handling has closed it since.
QComboBox* comboOfList(const QObject* watched, std::span<QComboBox* const> combos);

// Closes the combo box's list; with takeHighlighted the item highlighted in
// the list becomes the current one first, as the list's own Enter would.
void closeList(QComboBox* combo, bool takeHighlighted);

}  // namespace zx
