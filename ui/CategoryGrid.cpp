// Category grid.
#include "ui/CategoryGrid.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>

namespace {
const char* const kRowTitles[3] = {"Language (user-visible strings)", "Comments",
                                   "Code (variables, classes, functions etc.)"};
} // namespace

CCategoryGrid::CCategoryGrid(const QString& strTitle, QWidget* pParent)
    : QGroupBox(strTitle, pParent) {
    auto* pGrid = new QGridLayout(this);
    pGrid->addWidget(new QLabel("Spelling"), 0, 0);
    pGrid->addWidget(new QLabel("Profanity"), 0, 1, Qt::AlignCenter);
    for (int nCategory = 0; nCategory < 3; ++nCategory) {
        m_boxes[nCategory][0] = new QCheckBox(kRowTitles[nCategory]);
        // The profanity box shows no text; a screen reader still names its row.
        m_boxes[nCategory][1] = new QCheckBox;
        m_boxes[nCategory][1]->setAccessibleName(QString(kRowTitles[nCategory]) + " profanity");
        pGrid->addWidget(m_boxes[nCategory][0], nCategory + 1, 0);
        pGrid->addWidget(m_boxes[nCategory][1], nCategory + 1, 1, Qt::AlignCenter);
    }
}

void CCategoryGrid::SetMasks(int32_t nSpelling, int32_t nProfanity) {
    for (int nCategory = 0; nCategory < 3; ++nCategory) {
        m_boxes[nCategory][0]->setChecked((nSpelling & (1 << nCategory)) != 0);
        m_boxes[nCategory][1]->setChecked((nProfanity & (1 << nCategory)) != 0);
    }
}

int32_t CCategoryGrid::Mask(int nKind) const {
    int32_t nMask = 0;
    for (int nCategory = 0; nCategory < 3; ++nCategory)
        if (m_boxes[nCategory][nKind]->isChecked())
            nMask |= 1 << nCategory;
    return nMask;
}

int32_t CCategoryGrid::GetSpellingMask() const {
    return Mask(0);
}

int32_t CCategoryGrid::GetProfanityMask() const {
    return Mask(1);
}
