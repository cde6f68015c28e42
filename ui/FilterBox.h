// The toolbar's "Show:" box, which tells when its list opens and closes, so that the
// "Selected Errors" entry can follow the selection.
#pragma once

#include <QComboBox>

class CFilterBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;

    void showPopup() override;
    void hidePopup() override;

signals:
    void PopupOpening();
    void PopupClosed();
};
