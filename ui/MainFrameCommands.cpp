// Main frame: command states, command dispatch and the document commands.
#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QLineEdit>
#include <QWhatsThis>

#include <filesystem>

#include "platform/MessageDisplay.h"
#include "platform/RecentFileList.h"
#include "project/FileOrder.h"
#include "project/MirtAppContext.h"
#include "project/MirtDoc.h"
#include "ui/CommandIds.h"
#include "ui/MainFrame.h"
#include "ui/MirtView.h"

namespace {
const char* const kProjectFilter = "MIRT Files (*.mrk)";

std::string ChooseProjectFile(QWidget* pParent, bool bSave, const std::string& strInitial) {
    QFileDialog dialog(pParent, bSave ? "Save As" : "Open", QString::fromUtf8(strInitial.c_str()));
    dialog.setAcceptMode(bSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(bSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(bSave ? QStringList{kProjectFilter}
                                : QStringList{kProjectFilter, "All Files (*)"});
    dialog.setDefaultSuffix("mrk");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return "";
    return dialog.selectedFiles().front().toStdString();
}

// Later work brings these commands; until then they are shown, and disabled.
constexpr int kPendingCommands[] = {
    ID_ADD_FILES,       ID_ADD_FOLDER,     ID_SAVE_CHANGES,        ID_CREATE_REPORT,
    ID_VIEW_DICTIONARY, ID_OPTIONS,        ID_SYNTAX_ASSOCIATIONS, ID_EDIT_FILE,
    ID_REMOVE_FILE,     ID_IGNORE,         ID_ADD_SUGGESTION,      ID_EDIT_UNDO,
    ID_NEXT_ERROR,      ID_PREVIOUS_ERROR, ID_EXPAND_ALL,          ID_COLLAPSE_ALL,
    ID_HELP_TOPICS,     ID_SUPPORT,        ID_EXPORT_WORDS};
} // namespace

void CMainFrame::UpdateCommands() {
    const bool bRunning = m_doc.m_bRunning.load() != 0;
    const bool bHasFiles = !m_pView->IsEmptyProject();
    for (int nId : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE})
        GetAction(nId)->setEnabled(!bRunning);
    for (QAction* pAction : m_recentActions)
        pAction->setEnabled(!bRunning && !m_bRecentPlaceholder);
    GetAction(ID_RUN)->setChecked(bRunning);
    GetAction(ID_RESET_RESULTS)->setEnabled(!bRunning && bHasFiles);
    for (int nId = SORT_ADD_ORDER; nId <= SORT_FILE_TYPE; ++nId) {
        GetAction(nId)->setEnabled(!bRunning);
        GetAction(nId)->setChecked(nId == m_pView->m_nSortCommand);
    }
    for (int nId : kPendingCommands)
        GetAction(nId)->setEnabled(false);
    UpdateTitle();
}

void CMainFrame::OnCommand(int nId) {
    if (IsSortOrder(nId)) {
        m_pView->SortFiles(nId);
    } else {
        switch (nId) {
        case ID_FILE_NEW:
            OnFileNew();
            break;
        case ID_FILE_OPEN:
            OnFileOpen();
            break;
        case ID_FILE_SAVE:
            OnFileSave();
            break;
        case ID_APP_EXIT:
            close();
            break;
        case ID_RUN:
            m_doc.ToggleRun();
            break;
        case ID_RESET_RESULTS:
            m_doc.OnResetResults();
            break;
        case ID_FIND:
            m_pSearchBox->setFocus();
            m_pSearchBox->selectAll();
            break;
        case ID_FIND_NEXT:
        case ID_FIND_PREVIOUS:
            m_pView->Find(nId == ID_FIND_NEXT, m_pSearchBox->text().toStdString());
            break;
        case ID_APP_ABOUT:
            ShowAbout();
            break;
        case ID_CONTEXT_HELP:
            QWhatsThis::enterWhatsThisMode();
            break;
        default:
            break;
        }
    }
    UpdateCommands();
}

void CMainFrame::OnDocumentChanged() {
    m_pView->OnInitialUpdate();
    SyncFilterBox();
    UpdateCommands();
}

bool CMainFrame::SaveModified() {
    if (!m_doc.IsModified())
        return true;
    std::string strName = m_doc.GetPathName().empty() ? "Untitled" : m_doc.GetPathName();
    int nAnswer =
        m_app.MessageBox("Save changes to " + strName + "?", MB_YESNOCANCEL | MB_ICONEXCLAMATION);
    if (nAnswer == IDYES)
        return OnFileSave();
    return nAnswer == IDNO;
}

bool CMainFrame::OnFileNew() {
    if (m_doc.m_bRunning || !SaveModified())
        return false;
    m_doc.OnNewDocument();
    OnDocumentChanged();
    return true;
}

bool CMainFrame::OnFileOpen() {
    if (m_doc.m_bRunning)
        return false;
    std::string strPath = m_fileChooser ? m_fileChooser(false, m_doc.GetPathName())
                                        : ChooseProjectFile(this, false, m_doc.GetPathName());
    return !strPath.empty() && OpenProject(strPath);
}

// A project that cannot be opened leaves an empty new project in its place, so nothing
// half loaded can be saved over the file.
bool CMainFrame::OpenProject(const std::string& strPath) {
    if (m_doc.m_bRunning || !SaveModified())
        return false;
    std::string strFull = std::filesystem::absolute(strPath).lexically_normal().string();
    if (!m_doc.OnOpenDocument(strFull)) {
        m_recentFiles.Remove(strFull);
        m_doc.OnNewDocument();
        OnDocumentChanged();
        return false;
    }
    m_recentFiles.Add(strFull);
    OnDocumentChanged();
    return true;
}

bool CMainFrame::OnFileSave() {
    if (m_doc.GetPathName().empty())
        return SaveAs();
    return m_doc.OnSaveDocument(m_doc.GetPathName());
}

bool CMainFrame::SaveAs() {
    std::string strInitial = m_doc.GetPathName().empty() ? "MIRT.mrk" : m_doc.GetPathName();
    std::string strPath =
        m_fileChooser ? m_fileChooser(true, strInitial) : ChooseProjectFile(this, true, strInitial);
    if (strPath.empty())
        return false;
    if (!m_doc.OnSaveDocument(strPath))
        return false;
    m_recentFiles.Add(std::filesystem::absolute(strPath).lexically_normal().string());
    UpdateTitle();
    return true;
}

// A close during a run cancels the run first and comes back when it has ended, so the
// question to save sees the project as the run left it.
void CMainFrame::closeEvent(QCloseEvent* pEvent) {
    if (m_doc.m_bRunning) {
        m_bCloseAfterRun = true;
        m_pView->m_bClosing = true;
        m_doc.ToggleRun();
        pEvent->ignore();
        return;
    }
    if (!SaveModified()) {
        m_bCloseAfterRun = false;
        m_pView->m_bClosing = false;
        pEvent->ignore();
        return;
    }
    pEvent->accept();
}
