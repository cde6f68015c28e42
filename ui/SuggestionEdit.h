// The box in which "Add Suggestion" takes a new suggestion for a finding; it stays at
// the left edge of the "Suggestions" column.
#pragma once

#include "ui/InPlaceEdit.h"

class CSuggestionEdit : public CInPlaceEdit {
    Q_OBJECT
public:
    using CInPlaceEdit::CInPlaceEdit;
};
