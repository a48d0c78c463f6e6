// Watching and closing the lists of combo boxes for a window's key preview.
#include "windows/combo_list_keys.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace zx {

void watchListKeys(QObject* filter, std::span<QComboBox* const> combos) {
    for (QComboBox* combo : combos) combo->view()->installEventFilter(filter);
}

QComboBox* comboOfList(const QObject* watched, std::span<QComboBox* const> combos) {
    for (QComboBox* combo : combos)
        if (watched == combo->view()) return combo;
    return nullptr;
}

void closeList(QComboBox* combo, bool takeHighlighted) {
    const QModelIndex highlighted = combo->view()->currentIndex();
    if (takeHighlighted && highlighted.isValid()) combo->setCurrentIndex(highlighted.row());
    combo->hidePopup();
}

}  // namespace zx
