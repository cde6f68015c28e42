// An edit box over one cell of a list, which stays at its left edge whatever moves it.
#pragma once

#include <QLineEdit>

class CInPlaceEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    void SetLeft(int nLeft);

protected:
    void moveEvent(QMoveEvent* pEvent) override;

private:
    int m_nLeft = 0;
};
