// The grid of the Options and Advanced filter dialogs: a row per word category
// (strings, comments, code) and a column each for spelling and profanity.
#pragma once

#include <QGroupBox>

#include <cstdint>

class QCheckBox;

class CCategoryGrid : public QGroupBox {
    Q_OBJECT
public:
    explicit CCategoryGrid(const QString& strTitle, QWidget* pParent = nullptr);

    // Category bits 1, 2 and 4 for each column.
    void SetMasks(int32_t nSpelling, int32_t nProfanity);
    int32_t GetSpellingMask() const;
    int32_t GetProfanityMask() const;
    // The box of a category (0 strings, 1 comments, 2 code) and kind (0 spelling,
    // 1 profanity).
    QCheckBox* Box(int nCategory, int nKind) const { return m_boxes[nCategory][nKind]; }

private:
    int32_t Mask(int nKind) const;

    QCheckBox* m_boxes[3][2] = {};
};
