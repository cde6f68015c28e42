// Results dialog.
#include "ui/MirtResultsDlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "project/CheckOptions.h"

namespace {
const char* const kRowTitles[3] = {"Language (user-visible strings)", "Comments",
                                   "Code (variables, classes, functions etc.)"};
} // namespace

CMirtResultsDlg::CMirtResultsDlg(const SCheckStats& stats, int32_t nCheckOptions, QWidget* pParent)
    : QDialog(pParent) {
    setWindowTitle("Results");
    auto* pLayout = new QVBoxLayout(this);
    auto* pTotals = new QGridLayout;
    m_pFilesChecked = new QLabel(QString::number(stats.nFilesChecked));
    m_pFilesWithErrors = new QLabel(QString::number(stats.nFilesWithErrors));
    pTotals->addWidget(new QLabel("Files checked:"), 0, 0);
    pTotals->addWidget(m_pFilesChecked, 0, 1);
    pTotals->addWidget(new QLabel("Files with errors:"), 1, 0);
    pTotals->addWidget(m_pFilesWithErrors, 1, 1);
    pTotals->setColumnStretch(2, 1);
    pLayout->addLayout(pTotals);

    auto* pGroup = new QGroupBox("Found Errors");
    auto* pGrid = new QGridLayout(pGroup);
    pGrid->addWidget(new QLabel("Spelling"), 0, 1, Qt::AlignCenter);
    pGrid->addWidget(new QLabel("Profanity"), 0, 2, Qt::AlignCenter);
    const int32_t counts[3][2] = {{stats.nSpellingLanguage, stats.nProfanityLanguage},
                                  {stats.nSpellingComment, stats.nProfanityComment},
                                  {stats.nSpellingCode, stats.nProfanityCode}};
    for (int nCategory = 0; nCategory < 3; ++nCategory) {
        pGrid->addWidget(new QLabel(kRowTitles[nCategory]), nCategory + 1, 0);
        int32_t nBit = 1 << nCategory;
        for (int nKind = 0; nKind < 2; ++nKind) {
            bool bChecked = (nCheckOptions & (nKind == 0 ? SpellingCheckBits(nBit)
                                                         : ProfanityCheckBits(nBit))) != 0;
            m_cells[nCategory][nKind] = MakeCell(counts[nCategory][nKind], bChecked);
            pGrid->addWidget(m_cells[nCategory][nKind], nCategory + 1, nKind + 1, Qt::AlignCenter);
        }
    }
    pLayout->addWidget(pGroup);

    auto* pButtons = new QDialogButtonBox;
    m_pOk = pButtons->addButton(QDialogButtonBox::Ok);
    m_pCreateReport = pButtons->addButton("&Create Error Report...", QDialogButtonBox::ActionRole);
    connect(m_pOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_pCreateReport, &QPushButton::clicked, this, [this] {
        m_bReportRequested = true;
        accept();
    });
    pLayout->addWidget(pButtons);
}

// A count the run did not look for reads "N/A"; a count is red above 0, green at 0.
QLabel* CMirtResultsDlg::MakeCell(int nCount, bool bChecked) {
    auto* pCell = new QLabel(bChecked ? QString::number(nCount) : QString("N/A"));
    if (bChecked) {
        QPalette palette = pCell->palette();
        palette.setColor(QPalette::WindowText, nCount > 0 ? QColor(255, 0, 0) : QColor(0, 128, 0));
        pCell->setPalette(palette);
    }
    return pCell;
}
