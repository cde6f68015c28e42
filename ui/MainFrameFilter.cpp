// Main frame: the toolbar's "Show:" box and its "Selected Errors" entry, which is
// offered only while findings are selected and names the word when there is one.
#include <QLabel>
#include <QTimer>
#include <QToolBar>

#include "project/ResultFilter.h"
#include "ui/FilterBox.h"
#include "ui/MainFrame.h"
#include "ui/MirtView.h"

namespace {
constexpr int kBoxWidth = 205;

struct SFilterEntry {
    const char* pszText;
    int nPreset;
};
constexpr SFilterEntry kFilterEntries[] = {
    {"All", PRESET_ALL},
    {"Pending Changes", PRESET_PENDING},
    {"Errors", PRESET_ERRORS},
    {"Profanity", PRESET_PROFANITY},
    {"Language Errors", PRESET_LANGUAGE},
    {"Comment Errors", PRESET_COMMENT},
    {"Code Errors", PRESET_CODE},
    {"Selected Errors", PRESET_SELECTED},
    {"Advanced filter...", PRESET_ADVANCED},
};

QString SelectedEntryText(const std::vector<std::string>& words) {
    if (words.size() == 1)
        return "'" + QString::fromUtf8(words.front().c_str()) + "' Errors";
    return "Selected Errors";
}
} // namespace

void CMainFrame::CreateFilterBox() {
    auto* pShow = new QLabel(" Show: ");
    pShow->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pToolBar->addWidget(pShow);
    m_pFilterBox = new CFilterBox;
    m_pFilterBox->setFixedWidth(kBoxWidth);
    m_pFilterBox->setAccessibleName("Show:");
    for (const SFilterEntry& entry : kFilterEntries)
        m_pFilterBox->addItem(entry.pszText, entry.nPreset);
    pShow->setBuddy(m_pFilterBox);
    m_pToolBar->addWidget(m_pFilterBox);
    connect(m_pFilterBox, &QComboBox::activated, this, &CMainFrame::OnFilterSelected);
    connect(m_pFilterBox, &CFilterBox::PopupOpening, this, &CMainFrame::OnFilterPopupOpening);
    // A choice made in the list arrives after it closes; only a list closed without one
    // needs the box put back, which the queued call does after the choice is handled.
    connect(m_pFilterBox, &CFilterBox::PopupClosed, this,
            [this] { QTimer::singleShot(0, this, &CMainFrame::SyncFilterBox); });
}

void CMainFrame::OnFilterSelected(int nIndex) {
    int nPreset = m_pFilterBox->itemData(nIndex).toInt();
    CResultFilter filter;
    if (nPreset == PRESET_ADVANCED) {
        OnAdvancedFilter();
        return;
    }
    if (nPreset == PRESET_SELECTED) {
        std::vector<std::string> words = m_pView->SelectedWords();
        if (words.empty())
            return;
        filter.SetWords(words);
    } else if (!CResultFilter::FromPreset(nPreset, filter)) {
        SyncFilterBox();
        return;
    }
    m_pView->SetFilter(filter);
    m_pView->setFocus();
    SyncFilterBox();
}

// The "Selected Errors" entry at its place, or before "Advanced filter...", or last.
void CMainFrame::PutSelectedEntry(int nIndex, const std::vector<std::string>& words) {
    QString strText = SelectedEntryText(words);
    int nExisting = m_pFilterBox->findData(PRESET_SELECTED);
    if (nExisting >= 0) {
        m_pFilterBox->setItemText(nExisting, strText);
        return;
    }
    if (nIndex < 0) {
        nIndex = m_pFilterBox->findData(PRESET_ADVANCED);
        if (nIndex < 0)
            nIndex = m_pFilterBox->count();
    }
    m_pFilterBox->insertItem(nIndex, strText, PRESET_SELECTED);
}

void CMainFrame::SyncFilterBox() {
    const CResultFilter& filter = m_pView->m_filter;
    int nPreset = filter.GetPreset();
    if (nPreset == PRESET_SELECTED)
        PutSelectedEntry(m_pFilterBox->findData(PRESET_SELECTED), filter.m_words);
    int nIndex = m_pFilterBox->findData(nPreset);
    if (nIndex >= 0)
        m_pFilterBox->setCurrentIndex(nIndex);
}

void CMainFrame::OnFilterPopupOpening() {
    int nIndex = m_pFilterBox->findData(PRESET_SELECTED);
    bool bCurrent = nIndex >= 0 && m_pFilterBox->currentIndex() == nIndex;
    if (nIndex >= 0 && !bCurrent)
        m_pFilterBox->removeItem(nIndex);
    std::vector<std::string> words = m_pView->SelectedWords();
    if (words.empty())
        return;
    PutSelectedEntry(nIndex, words);
    if (bCurrent)
        m_pFilterBox->setCurrentIndex(m_pFilterBox->findData(PRESET_SELECTED));
}
