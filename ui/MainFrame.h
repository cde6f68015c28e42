// The main window around the results list: the menu bar, the toolbar with its filter
// and search boxes, the status bar with the run's progress, and the document commands.
#pragma once

#include <QMainWindow>
#include <QUrl>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/FindingMenus.h"

class CFileDialogs;
class CFilterBox;
class CMirtAppContext;
class CMirtDoc;
class CMirtView;
class CSpellError;
class CRecentFileList;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QToolBar;
struct SSelectionState;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    CMainFrame(CMirtDoc& doc, CMirtAppContext& app, CRecentFileList& recentFiles,
               QWidget* pParent = nullptr);
    ~CMainFrame() override;

    // Every command's enabled state, check mark and text, from the document's state.
    void UpdateCommands();
    // The status bar's text when nothing is highlighted: the run's progress or "Ready".
    void RefreshIdleMessage();
    void SetMessageText(const QString& text);
    QString GetMessageText() const;

    QAction* GetAction(int nId) const;
    CMirtView* GetView() const { return m_pView; }
    QComboBox* GetFilterBox() const;
    QLineEdit* GetSearchBox() const { return m_pSearchBox; }
    QToolBar* GetToolBar() const { return m_pToolBar; }
    QMenu* GetMenu(const QString& strTitle) const;
    // The file choosers; tests put their own in place.
    void SetFileDialogs(std::shared_ptr<CFileDialogs> pDialogs);
    // Opens an address in the desktop's browser; tests put their own in place.
    using CUrlOpener = std::function<bool(const QUrl& url)>;
    void SetUrlOpener(CUrlOpener opener) { m_urlOpener = std::move(opener); }

    // The application became active again: the project is refreshed against the disk,
    // or, while a dialog or message box is open, once the window itself is active.
    void OnApplicationActivated();
    // The main window's own activation changed.
    void OnActivationChanged(bool bActive);
    bool IsRefreshOwed() const { return m_bRefreshOnActivate; }
    // The context menu of the selection: of files, or of findings. The caller owns it.
    QMenu* BuildContextMenu(bool bFileMenu);
    // Runs a command as its menu item or button would.
    void OnCommand(int nId);

    // The document commands; each asks to save a modified project first where it
    // replaces it. False when nothing was done.
    bool OnFileNew();
    bool OnFileOpen();
    bool OpenProject(const std::string& strPath);
    bool OnFileSave();
    // A project was created or opened: the list, the title and the commands follow.
    void OnDocumentChanged();

protected:
    void closeEvent(QCloseEvent* pEvent) override;
    void changeEvent(QEvent* pEvent) override;

private:
    void CreateActions();
    QAction* AddCommand(int nId, const char* pszText, const QKeySequence& shortcut = {});
    void CreateMenus();
    void CreateToolBar();
    void CreateFilterBox();
    void CreateStatusBar();
    void ConnectView();
    void FillRecentFiles();
    void UpdateFindingCommands(const SSelectionState& state, bool bRunning, bool bHasRows);
    void UpdateDocumentCommands(bool bRunning, bool bHasFiles);
    void RebuildEditMenuItems();
    bool OnFindingCommand(int nId);
    // An item of a finding's menu: it acts on the finding it was built for.
    void OnFindingItem(int nId, CSpellError* pFinding);
    bool OnFindingItemCommand(int nId, CSpellError* pFinding);
    bool OnDocumentCommand(int nId);
    void OnSelectionChanged();
    void OnContextMenu(const QPoint& globalPos, bool bFileMenu);

    // The filter box (MainFrameFilter.cpp).
    void OnFilterSelected(int nIndex);
    void OnFilterPopupOpening();
    void SyncFilterBox();
    void PutSelectedEntry(int nIndex, const std::vector<std::string>& words);

    // Document and file commands (MainFrameDocument.cpp).
    void UpdateTitle();
    // The question before a modified project is replaced or closed; false on Cancel or
    // when the save failed.
    bool SaveModified();
    bool SaveAs();
    void OnAddFiles();
    void OnAddFolder();
    // A folder dropped on the list: the dialog opens on it.
    void OnFolderDropped(const QString& folder);
    void OnCreateReport();
    void OnExportWords();
    void ShowAbout();

    // The dialogs (MainFrameDialogs.cpp).
    void OnOptions();
    void OnViewDictionary();
    void OnSyntaxAssociations();
    void OnAdvancedFilter();
    void OnHelpTopics();
    void OnSupport();
    void OpenUrl(const QUrl& url);

    CMirtDoc& m_doc;
    CMirtAppContext& m_app;
    CRecentFileList& m_recentFiles;
    CMirtView* m_pView;
    std::shared_ptr<CFileDialogs> m_pDialogs;
    std::map<int, QAction*> m_actions;
    QMenu* m_pFileMenu = nullptr;
    QMenu* m_pEditMenu = nullptr;
    QAction* m_pRecentSeparator = nullptr;
    std::vector<QAction*> m_recentActions;
    // The list is empty and shows its disabled placeholder.
    bool m_bRecentPlaceholder = false;
    CFindingItems m_editItems;
    CFindingItems m_contextItems;
    QToolBar* m_pToolBar = nullptr;
    CFilterBox* m_pFilterBox = nullptr;
    QLineEdit* m_pSearchBox = nullptr;
    QLabel* m_pMessagePane = nullptr;
    CUrlOpener m_urlOpener;
    // A close asked for during a run waits for the cancelled run to end.
    bool m_bCloseAfterRun = false;
    // The refresh is owed for the next activation of the main window.
    bool m_bRefreshOnActivate = false;
};
