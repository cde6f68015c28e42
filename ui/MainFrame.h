// The main window around the results list: the menu bar, the toolbar with its filter
// and search boxes, the status bar with the run's progress, and the document commands.
#pragma once

#include <QMainWindow>

#include <functional>
#include <map>
#include <string>

class CMirtAppContext;
class CMirtDoc;
class CMirtView;
class CRecentFileList;
class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QToolBar;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // Asks for a project file to open (bSave false) or a name to save under; empty when
    // the user cancelled. Tests put their own in place of the file dialogs.
    using CFileChooser = std::function<std::string(bool bSave, const std::string& strInitial)>;

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
    QComboBox* GetFilterBox() const { return m_pFilterBox; }
    QLineEdit* GetSearchBox() const { return m_pSearchBox; }
    QToolBar* GetToolBar() const { return m_pToolBar; }
    QMenu* GetMenu(const QString& strTitle) const;
    void SetFileChooser(CFileChooser chooser) { m_fileChooser = std::move(chooser); }

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

private:
    void CreateActions();
    QAction* AddCommand(int nId, const char* pszText, const QKeySequence& shortcut = {});
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void ConnectView();
    void FillRecentFiles();
    void OnCommand(int nId);
    void OnFilterSelected(int nIndex);
    void SyncFilterBox();
    void UpdateTitle();
    // The question before a modified project is replaced or closed; false on Cancel or
    // when the save failed.
    bool SaveModified();
    bool SaveAs();
    void ShowAbout();

    CMirtDoc& m_doc;
    CMirtAppContext& m_app;
    CRecentFileList& m_recentFiles;
    CMirtView* m_pView;
    std::map<int, QAction*> m_actions;
    QMenu* m_pFileMenu = nullptr;
    QAction* m_pRecentSeparator = nullptr;
    std::vector<QAction*> m_recentActions;
    // The list is empty and shows its disabled placeholder.
    bool m_bRecentPlaceholder = false;
    QToolBar* m_pToolBar = nullptr;
    QComboBox* m_pFilterBox = nullptr;
    QLineEdit* m_pSearchBox = nullptr;
    QLabel* m_pMessagePane = nullptr;
    CFileChooser m_fileChooser;
    // A close asked for during a run waits for the cancelled run to end.
    bool m_bCloseAfterRun = false;
};
