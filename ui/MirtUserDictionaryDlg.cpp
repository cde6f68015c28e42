// Project Dictionary dialog.
#include "ui/MirtUserDictionaryDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>
#include <mutex>
#include <strings.h>
#include <vector>

#include "project/MirtDoc.h"
#include "ui/ContextHelp.h"
#include "ui/FileDialogs.h"

namespace {
using CLock = std::lock_guard<std::recursive_mutex>;

constexpr int32_t kContexts[3] = {1, 2, 4};
const char* const kBoxTexts[3] = {
    "Replace strings with:", "Replace comments with:", "Replace code with:"};
constexpr int kContextRole = Qt::UserRole;

struct SRuleRow {
    std::string strWord;
    int32_t nContext;
    std::string strText;
};

const char* ContextName(int32_t nContext) {
    switch (nContext) {
    case 1:
        return "String";
    case 2:
        return "Comment";
    case 4:
        return "Code";
    default:
        return "Call";
    }
}

// A row per rule: of each word its code, comment and string texts in that order, then
// a row per ignored call; sorted by word, letter case ignored, keeping that order.
std::vector<SRuleRow> RuleRows(const CMirtDoc& doc) {
    std::vector<SRuleRow> rows;
    CLock lock(doc.GetLock());
    for (const auto& [strWord, strValue] : doc.m_dictionary.GetEntries()) {
        std::string texts[3];
        CMirtUserDictionary::SplitValue(strValue, texts[0], texts[1], texts[2]);
        for (int i = 2; i >= 0; --i)
            if (!texts[i].empty())
                rows.push_back({strWord, kContexts[i], texts[i]});
    }
    for (const auto& entry : doc.m_ignoreCalls.GetEntries())
        rows.push_back({entry.first, CONTEXT_CALL, IGNORE_RULE});
    std::stable_sort(rows.begin(), rows.end(), [](const SRuleRow& a, const SRuleRow& b) {
        return strcasecmp(a.strWord.c_str(), b.strWord.c_str()) < 0;
    });
    return rows;
}

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.c_str());
}
} // namespace

CMirtUserDictionaryDlg::CMirtUserDictionaryDlg(CMirtDoc& doc, CFileDialogs& dialogs,
                                               QWidget* pParent)
    : QDialog(pParent), m_doc(doc), m_dialogs(dialogs) {
    setWindowTitle("Project Dictionary");
    m_pList = new QTreeWidget;
    m_pList->setAccessibleName("Project Dictionary");
    m_pList->setHeaderLabels({"Word", "Context", "Replace with..."});
    m_pList->setRootIsDecorated(false);
    m_pList->setAllColumnsShowFocus(true);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->header()->resizeSection(0, 100);
    m_pList->header()->resizeSection(1, 100);
    m_pList->setWhatsThis("The project's rules: words ignored or replaced in strings, "
                          "comments or code, and calls whose arguments are not checked.");
    auto* pGrid = new QGridLayout(this);
    pGrid->addWidget(m_pList, 0, 0, 1, 3);
    auto* pWordLabel = new QLabel("Word:");
    m_pWord = new QLineEdit;
    pWordLabel->setBuddy(m_pWord);
    pGrid->addWidget(pWordLabel, 1, 0);
    pGrid->addWidget(m_pWord, 1, 1, 1, 2);
    for (int i = 0; i < 3; ++i) {
        m_pBoxes[i] = new QCheckBox(kBoxTexts[i]);
        m_pBoxes[i]->setWhatsThis("Checked: the rule holds for this context; an empty text "
                                  "means the word is ignored there.");
        m_pTexts[i] = new QLineEdit;
        m_pTexts[i]->setAccessibleName(kBoxTexts[i]);
        pGrid->addWidget(m_pBoxes[i], 2 + i, 0, 1, 2);
        pGrid->addWidget(m_pTexts[i], 2 + i, 2);
    }
    m_pAddUpdate = new QPushButton("Add/Update");
    m_pRemove = new QPushButton("Remove");
    m_pImport = new QPushButton("Import...");
    m_pImport->setWhatsThis("Replaces these rules by those of another project.");
    m_pClose = new QPushButton("Close");
    auto* pUpdate = new QPushButton("Update");
    pUpdate->hide();
    auto* pButtons = new QHBoxLayout;
    for (QPushButton* pButton : {m_pAddUpdate, m_pRemove, m_pImport, pUpdate})
        pButtons->addWidget(pButton);
    pButtons->addStretch();
    pButtons->addWidget(m_pClose);
    pGrid->addLayout(pButtons, 5, 0, 1, 3);
    connect(m_pList, &QTreeWidget::itemSelectionChanged, this,
            &CMirtUserDictionaryDlg::OnRowSelected);
    connect(m_pAddUpdate, &QPushButton::clicked, this, &CMirtUserDictionaryDlg::OnAddUpdate);
    connect(m_pRemove, &QPushButton::clicked, this, &CMirtUserDictionaryDlg::OnRemove);
    connect(m_pImport, &QPushButton::clicked, this, &CMirtUserDictionaryDlg::OnImport);
    connect(m_pClose, &QPushButton::clicked, this, &QDialog::accept);
    resize(520, 420);
    AddContextHelp(this);
    FillList();
}

void CMirtUserDictionaryDlg::FillList() {
    m_pList->clear();
    for (const SRuleRow& row : RuleRows(m_doc)) {
        auto* pItem = new QTreeWidgetItem(
            m_pList, {FromUtf8(row.strWord), ContextName(row.nContext), FromUtf8(row.strText)});
        pItem->setData(0, kContextRole, row.nContext);
    }
    m_pRemove->setEnabled(false);
}

std::string CMirtUserDictionaryDlg::RowWord(int nRow) const {
    return m_pList->topLevelItem(nRow)->text(0).toStdString();
}

int32_t CMirtUserDictionaryDlg::RowContext(int nRow) const {
    return m_pList->topLevelItem(nRow)->data(0, kContextRole).toInt();
}

void CMirtUserDictionaryDlg::SelectRow(int nRow) {
    if (nRow < 0 || nRow >= m_pList->topLevelItemCount())
        return;
    QTreeWidgetItem* pItem = m_pList->topLevelItem(nRow);
    m_pList->setCurrentItem(pItem);
    pItem->setSelected(true);
    m_pList->scrollToItem(pItem);
}

void CMirtUserDictionaryDlg::OnRowSelected() {
    QList<QTreeWidgetItem*> selected = m_pList->selectedItems();
    m_pRemove->setEnabled(!selected.isEmpty());
    if (selected.isEmpty())
        return;
    int nRow = m_pList->indexOfTopLevelItem(selected.front());
    std::string strWord = RowWord(nRow);
    m_pWord->setText(FromUtf8(strWord));
    std::string texts[3];
    if (RowContext(nRow) != CONTEXT_CALL) {
        CLock lock(m_doc.GetLock());
        m_doc.m_dictionary.LookupEntry(strWord, texts[0], texts[1], texts[2]);
    }
    for (int i = 0; i < 3; ++i) {
        m_pTexts[i]->setText(FromUtf8(texts[i]));
        m_pBoxes[i]->setChecked(!texts[i].empty());
    }
}

// An empty text of a checked context ignores the word there. A rule needs a word.
void CMirtUserDictionaryDlg::OnAddUpdate() {
    std::string strWord = m_pWord->text().toStdString();
    if (strWord.empty())
        return;
    for (int i = 0; i < 3; ++i) {
        std::string strText = m_pTexts[i]->text().toStdString();
        if (strText.empty())
            strText = IGNORE_RULE;
        if (m_pBoxes[i]->isChecked())
            m_doc.ReplaceAllWord(strWord, kContexts[i], strText);
        else
            m_doc.RemoveDictionaryWord(strWord, kContexts[i]);
    }
    FillList();
    int nSelect = 0;
    for (int i = 0; i < m_pList->topLevelItemCount(); ++i)
        if (strncasecmp(RowWord(i).c_str(), strWord.c_str(), strWord.size()) == 0) {
            nSelect = i;
            break;
        }
    SelectRow(nSelect);
}

void CMirtUserDictionaryDlg::OnRemove() {
    QList<QTreeWidgetItem*> selected = m_pList->selectedItems();
    if (selected.isEmpty())
        return;
    int nRow = m_pList->indexOfTopLevelItem(selected.front());
    std::string strWord = RowWord(nRow);
    int32_t nContext = RowContext(nRow);
    if (nContext == CONTEXT_CALL)
        m_doc.RemoveIgnoredCall(strWord);
    else
        m_doc.RemoveDictionaryWord(strWord, nContext);
    FillList();
    SelectRow(std::min(nRow, m_pList->topLevelItemCount() - 1));
    m_pList->setFocus();
}

void CMirtUserDictionaryDlg::OnImport() {
    std::string strPath = m_dialogs.ChooseProject(this, false, "");
    if (strPath.empty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    (void)m_doc.ImportDictionary(strPath);
    FillList();
    QApplication::restoreOverrideCursor();
}
