// Main frame: the Options, Project Dictionary, Syntax Associations and Advanced filter
// dialogs, help and support, and the refresh when the user comes back to the program.
#include <QApplication>
#include <QDesktopServices>
#include <QEvent>

#include <filesystem>
#include <mutex>

#include "platform/MessageDisplay.h"
#include "project/MirtAppContext.h"
#include "project/MirtDoc.h"
#include "ui/FileDialogs.h"
#include "ui/MainFrame.h"
#include "ui/MirtDocOptionsDlg.h"
#include "ui/MirtFilterDlg.h"
#include "ui/MirtUserDictionaryDlg.h"
#include "ui/MirtView.h"
#include "ui/SyntaxAssociationDlg.h"

namespace {
const char* const kSupportAddress = "https://www.halvenik.com/mirtora/";
}

// The dialog edits a copy, so a run that reads the options never sees half a change.
void CMainFrame::OnOptions() {
    if (m_doc.IsRunActive())
        return;
    SMirtDocOptions options;
    {
        std::lock_guard<std::recursive_mutex> lock(m_doc.GetLock());
        options = m_doc.m_options;
    }
    CMirtDocOptionsDlg dialog(options, m_app.GetSettings(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    std::lock_guard<std::recursive_mutex> lock(m_doc.GetLock());
    bool bChanged = options.m_nCheckOptions != m_doc.m_options.m_nCheckOptions ||
                    options.m_nSyntaxChoice != m_doc.m_options.m_nSyntaxChoice;
    m_doc.m_options = options;
    // The options are stored with the project.
    if (bChanged)
        m_doc.SetModifiedFlag();
}

void CMainFrame::OnViewDictionary() {
    CMirtUserDictionaryDlg dialog(m_doc, *m_pDialogs, this);
    dialog.exec();
    m_pView->Rebuild();
}

void CMainFrame::OnSyntaxAssociations() {
    if (m_doc.IsRunActive())
        return;
    CSyntaxAssociationDlg dialog(m_app.m_parsers, this);
    if (dialog.exec() == QDialog::Accepted)
        m_doc.ReassociateFiles();
}

void CMainFrame::OnAdvancedFilter() {
    CMirtFilterDlg dialog(m_pView->m_filter, this);
    if (dialog.exec() == QDialog::Accepted) {
        m_pView->SetFilter(dialog.m_filter);
        m_pView->setFocus();
    }
    SyncFilterBox();
}

void CMainFrame::OnHelpTopics() {
    std::string strManual = m_app.GetProgramFolder() + "docs/manual/index.html";
    if (!std::filesystem::exists(strManual)) {
        m_app.MessageBox("Unable to open file " + strManual, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    OpenUrl(QUrl::fromLocalFile(QString::fromUtf8(strManual.c_str())));
}

void CMainFrame::OnSupport() {
    OpenUrl(QUrl(kSupportAddress));
}

// The desktop says so when it has no program for the address; without a word the
// command would seem to do nothing.
void CMainFrame::OpenUrl(const QUrl& url) {
    bool bOpened = m_urlOpener ? m_urlOpener(url) : QDesktopServices::openUrl(url);
    if (!bOpened)
        m_app.MessageBox("Unable to open " + url.toDisplayString().toStdString() +
                             "\nNo web browser was found.",
                         MB_OK | MB_ICONEXCLAMATION);
}

void CMainFrame::OnApplicationActivated() {
    if (QApplication::activeModalWidget() != nullptr) {
        m_bRefreshOnActivate = true;
        return;
    }
    m_doc.RefreshFiles(false);
}

void CMainFrame::OnActivationChanged(bool bActive) {
    bool bOwed = m_bRefreshOnActivate;
    m_bRefreshOnActivate = false;
    if (bActive && !isMinimized() && bOwed)
        m_doc.RefreshFiles(false);
}

void CMainFrame::changeEvent(QEvent* pEvent) {
    QMainWindow::changeEvent(pEvent);
    if (pEvent->type() == QEvent::ActivationChange)
        OnActivationChanged(isActiveWindow());
}
