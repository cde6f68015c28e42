// The box in which "Add Suggestion" takes a new suggestion for a finding. It stays at
// the left edge of the "Suggestions" column, whatever moves it.
#pragma once

#include <QLineEdit>

class CSuggestionEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    void SetLeft(int nLeft);

protected:
    void moveEvent(QMoveEvent* pEvent) override;

private:
    int m_nLeft = 0;
};
