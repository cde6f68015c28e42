// Filter box.
#include "ui/FilterBox.h"

void CFilterBox::showPopup() {
    emit PopupOpening();
    QComboBox::showPopup();
}

void CFilterBox::hidePopup() {
    QComboBox::hidePopup();
    emit PopupClosed();
}
