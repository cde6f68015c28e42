// Main frame: the project commands (New, Open, Save, closing), adding files and
// folders, the error report, the title and the About box.
#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>

#include <filesystem>

#include "platform/MessageDisplay.h"
#include "platform/RecentFileList.h"
#include "platform/SettingsStore.h"
#include "project/MirtAppContext.h"
#include "project/MirtDoc.h"
#include "ui/FileDialogs.h"
#include "ui/FolderFilesDlg.h"
#include "ui/MainFrame.h"
#include "ui/MirtView.h"

namespace {
std::string FullPath(const std::string& strPath) {
    return std::filesystem::absolute(strPath).lexically_normal().string();
}

// One filter per syntax with extensions, "<Name> files (*.a *.b)", then every file.
QStringList AddFilesFilters(const CMirtParsers& parsers) {
    QStringList filters;
    for (size_t i = 0; i < parsers.GetSize(); ++i) {
        const CMirtParser* pParser = parsers.GetAt(i);
        if (pParser->m_extensions.empty())
            continue;
        QStringList patterns;
        for (const std::string& ext : pParser->m_extensions)
            patterns.append("*." + QString::fromUtf8(ext.c_str()));
        filters.append(QString::fromUtf8(pParser->GetName().c_str()) + " files (" +
                       patterns.join(' ') + ")");
    }
    filters.append("All Files (*)");
    return filters;
}
} // namespace

void CMainFrame::UpdateTitle() {
    const std::string& strPath = m_doc.GetPathName();
    std::string strName =
        strPath.empty() ? "Untitled" : std::filesystem::path(strPath).filename().string();
    setWindowTitle(QString::fromUtf8(strName.c_str()) + "[*] - MIRT");
    setWindowModified(m_doc.IsModified());
}

void CMainFrame::ShowAbout() {
    QMessageBox::about(this, "About MIRT",
                       "<b>MIRT</b><br>Mirtora version 3.10<br>A spelling checker for program "
                       "source code.<br><br>Copyright &copy; Halvenik");
}

void CMainFrame::OnDocumentChanged() {
    m_pView->OnInitialUpdate();
    SyncFilterBox();
    UpdateCommands();
}

bool CMainFrame::SaveModified() {
    // What an open edit holds belongs to the project before it is asked about.
    m_pView->EndEdit();
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
    if (m_doc.IsRunActive() || !SaveModified())
        return false;
    m_doc.OnNewDocument();
    OnDocumentChanged();
    return true;
}

bool CMainFrame::OnFileOpen() {
    if (m_doc.IsRunActive())
        return false;
    std::string strPath = m_pDialogs->ChooseProject(this, false, m_doc.GetPathName());
    return !strPath.empty() && OpenProject(strPath);
}

// A project that cannot be opened leaves an empty new project in its place, so nothing
// half loaded can be saved over the file.
bool CMainFrame::OpenProject(const std::string& strPath) {
    if (m_doc.IsRunActive() || !SaveModified())
        return false;
    std::string strFull = FullPath(strPath);
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
    std::string strPath = m_pDialogs->ChooseProject(this, true, strInitial);
    if (strPath.empty() || !m_doc.OnSaveDocument(strPath))
        return false;
    m_recentFiles.Add(FullPath(strPath));
    UpdateTitle();
    return true;
}

// A close during a run cancels the run first and comes back when it has ended, so the
// question to save sees the project as the run left it.
void CMainFrame::closeEvent(QCloseEvent* pEvent) {
    if (m_doc.IsRunActive()) {
        m_bCloseAfterRun = true;
        m_pView->m_bClosing = true;
        if (m_doc.IsRunning())
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

void CMainFrame::OnAddFiles() {
    QStringList filters = AddFilesFilters(m_app.m_parsers);
    int nFilter = m_app.GetSettings().GetInt("", "LastFilterIndex", 1) - 1;
    std::vector<std::string> paths = m_pDialogs->ChooseFilesToAdd(this, filters, nFilter);
    if (paths.empty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_app.GetSettings().WriteInt("", "LastFilterIndex", nFilter + 1);
    m_doc.AddFiles(paths);
    QApplication::restoreOverrideCursor();
}

void CMainFrame::OnAddFolder() {
    CFolderFilesDlg dialog(m_app.m_parsers, *m_pDialogs, m_app.m_strLastFolderPath,
                           m_app.m_bLastIncludeSubfolders, m_app.m_strLastFileMask, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_app.SetLastFolderChoice(dialog.m_strFolderPath, dialog.m_bIncludeSubfolders,
                              dialog.m_strFileMask);
    m_doc.AddFolder(dialog.m_strFolderPath, dialog.m_strFileMask, dialog.m_bIncludeSubfolders,
                    dialog.m_files);
    QApplication::restoreOverrideCursor();
}

void CMainFrame::OnExportWords() {
    std::string strPath = m_pDialogs->ChooseWordList(this);
    if (!strPath.empty())
        (void)m_doc.ExportWordList(strPath);
}

void CMainFrame::OnFolderDropped(const QString& folder) {
    m_app.m_strLastFolderPath = folder.toStdString();
    OnAddFolder();
}

void CMainFrame::OnCreateReport() {
    if (m_doc.IsRunActive() || m_pView->IsEmptyProject())
        return;
    std::string strPath = m_pDialogs->ChooseReport(this);
    if (!strPath.empty())
        (void)m_doc.WriteReport(strPath, 0);
}
