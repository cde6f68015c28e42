// Main frame: command states, the menu items of the selected finding, the context
// menus and the dispatch of every command.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QWhatsThis>

#include "project/FileOrder.h"
#include "project/MirtDoc.h"
#include "ui/CommandIds.h"
#include "ui/MainFrame.h"
#include "ui/MirtView.h"
#include "ui/ResultsModel.h"
#include "ui/RowText.h"

namespace {
QString MenuText(const std::string& strText) {
    return QString::fromUtf8(DoubleAmpersands(strText).c_str());
}

// "&Undo\tCtrl+Z" or "&Undo <what>\tCtrl+Z" as the document words it, for a menu item
// whose shortcut is its own.
QString UndoText(const std::string& strDocumentText) {
    std::string strText = strDocumentText.substr(0, strDocumentText.find('\t'));
    const std::string strPrefix = "&Undo ";
    if (strText.rfind(strPrefix, 0) != 0)
        return QString::fromUtf8(strText.c_str());
    return "&Undo " + MenuText(strText.substr(strPrefix.size()));
}
} // namespace

void CMainFrame::UpdateCommands() {
    // Commands that reset or replace the project also wait for a cancelled run to end.
    const bool bRunning = m_doc.IsRunActive();
    const bool bHasFiles = !m_pView->IsEmptyProject();
    UpdateDocumentCommands(bRunning, bHasFiles);
    UpdateFindingCommands(m_pView->GetSelectionState(), bRunning,
                          m_pView->GetModel().GetSize() > 0);
    UpdateTitle();
}

void CMainFrame::UpdateDocumentCommands(bool bRunning, bool bHasFiles) {
    for (int nId : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_OPTIONS, ID_SYNTAX_ASSOCIATIONS})
        GetAction(nId)->setEnabled(!bRunning);
    for (QAction* pAction : m_recentActions)
        pAction->setEnabled(!bRunning && !m_bRecentPlaceholder);
    GetAction(ID_RUN)->setChecked(m_doc.IsRunning());
    GetAction(ID_RESET_RESULTS)->setEnabled(!bRunning && bHasFiles);
    GetAction(ID_CREATE_REPORT)->setEnabled(!bRunning && bHasFiles);
    GetAction(ID_SAVE_CHANGES)->setEnabled(!bRunning && m_doc.HasPendingChanges());
    for (int nId = SORT_ADD_ORDER; nId <= SORT_FILE_TYPE; ++nId) {
        GetAction(nId)->setEnabled(!bRunning);
        GetAction(nId)->setChecked(nId == m_pView->m_nSortCommand);
    }
    GetAction(ID_EDIT_UNDO)->setEnabled(m_doc.CanUndo());
    GetAction(ID_EDIT_UNDO)->setText(UndoText(m_doc.GetUndoText()));
}

void CMainFrame::UpdateFindingCommands(const SSelectionState& state, bool, bool bHasRows) {
    const size_t nFindings = state.findings.size();
    QAction* pIgnore = GetAction(ID_IGNORE);
    pIgnore->setEnabled(nFindings > 0);
    if (nFindings == 0)
        pIgnore->setText("&Ignore");
    else if (nFindings == 1)
        pIgnore->setText("&Ignore All '" + MenuText(state.findings.front().strWord) + "'");
    else
        pIgnore->setText("&Ignore All Selected");
    QAction* pShowOnly = GetAction(ID_SHOW_ONLY_WORD);
    pShowOnly->setEnabled(nFindings > 0);
    if (nFindings == 0)
        pShowOnly->setText("Show Errors of Selected Type");
    else if (nFindings == 1)
        pShowOnly->setText("Show Only '" + MenuText(state.findings.front().strWord) + "' Errors");
    else
        pShowOnly->setText("Show Only Selected Errors");
    GetAction(ID_ADD_SUGGESTION)->setEnabled(state.bOneFinding);
    GetAction(ID_EDIT_FILE)->setEnabled(state.files.size() == 1);
    QAction* pRemove = GetAction(ID_REMOVE_FILE);
    pRemove->setEnabled(!state.files.empty());
    pRemove->setText(state.files.size() > 1 ? "Remove Files" : "Remove File");
    GetAction(ID_NEXT_ERROR)->setEnabled(state.nRows > 0);
    GetAction(ID_PREVIOUS_ERROR)->setEnabled(state.nRows > 0);
    GetAction(ID_EXPAND_ALL)->setEnabled(bHasRows);
    GetAction(ID_COLLAPSE_ALL)->setEnabled(bHasRows);
}

void CMainFrame::RebuildEditMenuItems() {
    SSelectionState state = m_pView->GetSelectionState();
    m_editItems.Build(m_pEditMenu, GetAction(ID_ADD_SUGGESTION), state,
                      [this](int nId, CSpellError* pFinding) { OnFindingItem(nId, pFinding); });
}

void CMainFrame::OnSelectionChanged() {
    RebuildEditMenuItems();
    UpdateCommands();
}

QMenu* CMainFrame::BuildContextMenu(bool bFileMenu) {
    UpdateCommands();
    auto* pMenu = new QMenu(this);
    if (bFileMenu) {
        pMenu->addActions({GetAction(ID_EDIT_FILE), GetAction(ID_REMOVE_FILE)});
        return pMenu;
    }
    pMenu->addActions({GetAction(ID_IGNORE), GetAction(ID_ADD_SUGGESTION)});
    pMenu->addSeparator();
    pMenu->addActions({GetAction(ID_EDIT_FILE), GetAction(ID_REMOVE_FILE)});
    pMenu->addSeparator();
    pMenu->addAction(GetAction(ID_SHOW_ONLY_WORD));
    m_contextItems.Build(pMenu, GetAction(ID_ADD_SUGGESTION), m_pView->GetSelectionState(),
                         [this](int nId, CSpellError* pFinding) { OnFindingItem(nId, pFinding); });
    return pMenu;
}

void CMainFrame::OnContextMenu(const QPoint& globalPos, bool bFileMenu) {
    QMenu* pMenu = BuildContextMenu(bFileMenu);
    pMenu->exec(globalPos);
    m_contextItems.Clear();
    pMenu->deleteLater();
}

void CMainFrame::OnCommand(int nId) {
    m_pView->EndEdit();
    if (IsSortOrder(nId))
        m_pView->SortFiles(nId);
    else if (!OnFindingCommand(nId))
        OnDocumentCommand(nId);
    RebuildEditMenuItems();
    UpdateCommands();
}

void CMainFrame::OnFindingItem(int nId, CSpellError* pFinding) {
    m_pView->EndEdit();
    OnFindingItemCommand(nId, pFinding);
    RebuildEditMenuItems();
    UpdateCommands();
}

bool CMainFrame::OnFindingItemCommand(int nId, CSpellError* pFinding) {
    if (nId >= ID_REPLACE_ALL_FIRST && nId < ID_REPLACE_ALL_FIRST + MENU_SUGGESTIONS)
        m_pView->OnReplaceAll(nId - ID_REPLACE_ALL_FIRST, pFinding);
    else if (nId >= ID_REPLACE_THIS_FIRST && nId < ID_REPLACE_THIS_FIRST + MENU_SUGGESTIONS)
        m_pView->OnReplaceThis(nId - ID_REPLACE_THIS_FIRST, pFinding);
    else if (nId >= ID_IGNORE_CALLS_FIRST && nId < ID_IGNORE_CALLS_FIRST + MENU_CALLS)
        m_pView->OnIgnoreCalls(nId - ID_IGNORE_CALLS_FIRST, pFinding);
    else
        return false;
    return true;
}

bool CMainFrame::OnFindingCommand(int nId) {
    if (OnFindingItemCommand(nId, nullptr))
        return true;
    if (nId == ID_IGNORE)
        m_pView->OnIgnore();
    else if (nId == ID_ADD_SUGGESTION)
        m_pView->OnAddSuggestion();
    else if (nId == ID_SHOW_ONLY_WORD && m_pView->OnShowOnlySelectedWords())
        SyncFilterBox();
    else if (nId == ID_EDIT_FILE)
        m_pView->OnEditFile();
    else if (nId == ID_REMOVE_FILE)
        m_pView->OnRemoveFiles();
    else if (nId == ID_NEXT_ERROR || nId == ID_PREVIOUS_ERROR)
        m_pView->OnNextError(nId == ID_NEXT_ERROR);
    else if (nId == ID_EXPAND_ALL || nId == ID_COLLAPSE_ALL)
        m_pView->OnExpandAll(nId == ID_EXPAND_ALL);
    else if (nId == ID_FIND_NEXT || nId == ID_FIND_PREVIOUS)
        m_pView->Find(nId == ID_FIND_NEXT, m_pSearchBox->text().toStdString());
    else
        return nId == ID_SHOW_ONLY_WORD;
    return true;
}

bool CMainFrame::OnDocumentCommand(int nId) {
    switch (nId) {
    case ID_FILE_NEW:
        return OnFileNew();
    case ID_FILE_OPEN:
        return OnFileOpen();
    case ID_FILE_SAVE:
        return OnFileSave();
    case ID_APP_EXIT:
        return close();
    case ID_ADD_FILES:
        OnAddFiles();
        break;
    case ID_ADD_FOLDER:
        OnAddFolder();
        break;
    case ID_RUN:
        m_doc.ToggleRun();
        break;
    case ID_SAVE_CHANGES:
        m_pView->OnSaveChanges();
        break;
    case ID_CREATE_REPORT:
        OnCreateReport();
        break;
    case ID_RESET_RESULTS:
        m_doc.OnResetResults();
        break;
    case ID_EDIT_UNDO:
        m_doc.UndoLast();
        break;
    case ID_OPTIONS:
        OnOptions();
        break;
    case ID_VIEW_DICTIONARY:
        OnViewDictionary();
        break;
    case ID_SYNTAX_ASSOCIATIONS:
        OnSyntaxAssociations();
        break;
    case ID_EXPORT_WORDS:
        OnExportWords();
        break;
    case ID_HELP_TOPICS:
        OnHelpTopics();
        break;
    case ID_SUPPORT:
        OnSupport();
        break;
    case ID_FIND:
        m_pSearchBox->setFocus();
        m_pSearchBox->selectAll();
        break;
    case ID_APP_ABOUT:
        ShowAbout();
        break;
    case ID_CONTEXT_HELP:
        QWhatsThis::enterWhatsThisMode();
        break;
    default:
        return false;
    }
    return true;
}
