// Advanced filter dialog.
#include "ui/MirtFilterDlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "ui/CategoryGrid.h"
#include "ui/ContextHelp.h"

CMirtFilterDlg::CMirtFilterDlg(const CResultFilter& filter, QWidget* pParent)
    : QDialog(pParent), m_filter(filter) {
    setWindowTitle("Advanced filter");
    auto* pLayout = new QVBoxLayout(this);
    m_pGrid = new CCategoryGrid("Show...");
    m_pGrid->SetMasks(filter.m_nSpellingMask, filter.m_nProfanityMask);
    m_pGrid->setWhatsThis("The kinds of findings the list shows, per category of words.");
    pLayout->addWidget(m_pGrid);

    auto* pRestrict = new QGroupBox("Restrict results to...");
    auto* pGrid = new QGridLayout(pRestrict);
    m_pPending = new QCheckBox("Pending changes");
    m_pPending->setChecked(filter.m_bPendingOnly != 0);
    m_pPending->setWhatsThis("Only findings with a chosen replacement.");
    m_pWordsBox = new QCheckBox("Error words:");
    m_pWordsBox->setChecked(!filter.m_words.empty());
    m_pWordsBox->setWhatsThis("Only findings of these words, separated by blanks.");
    QString strWords;
    for (const std::string& word : filter.m_words)
        strWords += QString::fromUtf8(word.c_str()) + " ";
    m_pWords = new QLineEdit(strWords);
    m_pWords->setAccessibleName("Error words:");
    pGrid->addWidget(m_pPending, 0, 0, 1, 2);
    pGrid->addWidget(m_pWordsBox, 1, 0);
    pGrid->addWidget(m_pWords, 1, 1);
    pLayout->addWidget(pRestrict);

    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(pButtons, &QDialogButtonBox::accepted, this, &CMirtFilterDlg::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    pLayout->addWidget(pButtons);
    AddContextHelp(this);
}

void CMirtFilterDlg::accept() {
    m_filter.Reset();
    if (m_pPending->isChecked())
        m_filter.SetPendingOnly();
    std::vector<std::string> words;
    if (m_pWordsBox->isChecked())
        for (const QString& word : m_pWords->text().split(' ', Qt::SkipEmptyParts))
            words.push_back(word.toStdString());
    m_filter.SetWords(words);
    m_filter.SetMasks(m_pGrid->GetSpellingMask(), m_pGrid->GetProfanityMask());
    QDialog::accept();
}
