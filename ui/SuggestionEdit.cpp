// Suggestion edit box.
#include "ui/SuggestionEdit.h"

#include <QMoveEvent>

void CSuggestionEdit::SetLeft(int nLeft) {
    m_nLeft = nLeft;
    if (x() != m_nLeft)
        move(m_nLeft, y());
}

void CSuggestionEdit::moveEvent(QMoveEvent* pEvent) {
    QLineEdit::moveEvent(pEvent);
    if (pEvent->pos().x() != m_nLeft)
        move(m_nLeft, pEvent->pos().y());
}
