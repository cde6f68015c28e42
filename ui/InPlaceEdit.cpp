// In-place edit box.
#include "ui/InPlaceEdit.h"

#include <QMoveEvent>

void CInPlaceEdit::SetLeft(int nLeft) {
    m_nLeft = nLeft;
    if (x() != m_nLeft)
        move(m_nLeft, y());
}

void CInPlaceEdit::moveEvent(QMoveEvent* pEvent) {
    QLineEdit::moveEvent(pEvent);
    if (pEvent->pos().x() != m_nLeft)
        move(m_nLeft, pEvent->pos().y());
}
