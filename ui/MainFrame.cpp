// Main frame: menus, toolbar, status bar and the wiring to the results list.
#include "ui/MainFrame.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QWhatsThis>

#include "platform/RecentFileList.h"
#include "platform/SettingsStore.h"
#include "project/FileOrder.h"
#include "project/MirtAppContext.h"
#include "project/MirtDoc.h"
#include "ui/CommandIds.h"
#include "ui/FileDialogs.h"
#include "ui/FilterBox.h"
#include "ui/MirtView.h"

namespace {
constexpr int kBoxWidth = 205;

// The visible text of a command without its "&" marks, as a screen reader names it.
QString WithoutMnemonics(QString text) {
    text.replace("&&", QString(QChar(0x1)));
    text.remove('&');
    text.replace(QChar(0x1), '&');
    return text;
}

QIcon CommandIcon(const char* pszThemeName, QStyle::StandardPixmap fallback, const QStyle* pStyle) {
    return QIcon::fromTheme(pszThemeName, pStyle->standardIcon(fallback));
}
} // namespace

CMainFrame::CMainFrame(CMirtDoc& doc, CMirtAppContext& app, CRecentFileList& recentFiles,
                       QWidget* pParent)
    : QMainWindow(pParent), m_doc(doc), m_app(app), m_recentFiles(recentFiles),
      m_pView(new CMirtView(doc, app, this)), m_pDialogs(std::make_shared<CFileDialogs>()) {
    setCentralWidget(m_pView);
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    ConnectView();
    resize(900, 600);
    OnDocumentChanged();
}

// The view outlives this body a little; nothing it sends may reach a frame half gone.
CMainFrame::~CMainFrame() {
    m_pView->disconnect(this);
}

QAction* CMainFrame::AddCommand(int nId, const char* pszText, const QKeySequence& shortcut) {
    auto* pAction = new QAction(QString::fromUtf8(pszText), this);
    pAction->setData(nId);
    if (!shortcut.isEmpty())
        pAction->setShortcut(shortcut);
    if (const char* pszPrompt = CommandPrompt(nId)) {
        QStringList parts = QString::fromUtf8(pszPrompt).split('\n');
        pAction->setStatusTip(parts.value(0));
        pAction->setToolTip(parts.value(1, parts.value(0)));
    }
    connect(pAction, &QAction::triggered, this, [this, nId] { OnCommand(nId); });
    m_actions[nId] = pAction;
    return pAction;
}

QAction* CMainFrame::GetAction(int nId) const {
    auto it = m_actions.find(nId);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::CreateActions() {
    const QStyle* pStyle = style();
    AddCommand(ID_ADD_FILES, "&Add Files...")
        ->setIcon(CommandIcon("document-open", QStyle::SP_FileIcon, pStyle));
    AddCommand(ID_ADD_FOLDER, "Add &Folder...")
        ->setIcon(CommandIcon("folder-new", QStyle::SP_FileDialogNewFolder, pStyle));
    AddCommand(ID_FILE_NEW, "&New", QKeySequence(Qt::CTRL | Qt::Key_N));
    AddCommand(ID_FILE_OPEN, "&Open...", QKeySequence(Qt::CTRL | Qt::Key_O));
    AddCommand(ID_FILE_SAVE, "&Save", QKeySequence(Qt::CTRL | Qt::Key_S))
        ->setIcon(CommandIcon("document-save", QStyle::SP_DialogSaveButton, pStyle));
    AddCommand(ID_APP_EXIT, "E&xit");
    QAction* pRun = AddCommand(ID_RUN, "&Run");
    pRun->setCheckable(true);
    pRun->setIconText("Run");
    pRun->setIcon(CommandIcon("media-playback-start", QStyle::SP_MediaPlay, pStyle));
    AddCommand(ID_SAVE_CHANGES, "&Save Changes")
        ->setIcon(CommandIcon("document-save-all", QStyle::SP_DialogApplyButton, pStyle));
    AddCommand(ID_CREATE_REPORT, "&Create Error Report...");
    AddCommand(ID_RESET_RESULTS, "&Reset results");
    AddCommand(ID_VIEW_DICTIONARY, "&View Dictionary...");
    AddCommand(ID_OPTIONS, "&Options...")
        ->setIcon(CommandIcon("preferences-system", QStyle::SP_FileDialogDetailedView, pStyle));
    AddCommand(ID_SYNTAX_ASSOCIATIONS, "Syntax &Associations...");
    AddCommand(ID_EDIT_FILE, "&Edit File", QKeySequence(Qt::CTRL | Qt::Key_E));
    AddCommand(ID_REMOVE_FILE, "&Remove File", QKeySequence(Qt::Key_Delete));
    AddCommand(ID_IGNORE, "&Ignore", QKeySequence(Qt::CTRL | Qt::Key_I))
        ->setIcon(CommandIcon("edit-clear", QStyle::SP_DialogDiscardButton, pStyle));
    AddCommand(ID_ADD_SUGGESTION, "&Add Suggestion");
    AddCommand(ID_SHOW_ONLY_WORD, "Show Only selected word Errors");
    AddCommand(ID_EDIT_UNDO, "&Undo")
        ->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)});
    AddCommand(ID_FIND, "&Find", QKeySequence(Qt::CTRL | Qt::Key_F));
    AddCommand(ID_FIND_NEXT, "Find Next", QKeySequence(Qt::Key_F3))
        ->setIcon(CommandIcon("go-down", QStyle::SP_ArrowDown, pStyle));
    AddCommand(ID_FIND_PREVIOUS, "Find Prev", QKeySequence(Qt::SHIFT | Qt::Key_F3))
        ->setIcon(CommandIcon("go-up", QStyle::SP_ArrowUp, pStyle));
    AddCommand(ID_NEXT_ERROR, "&Next Error", QKeySequence(Qt::CTRL | Qt::Key_Down));
    AddCommand(ID_PREVIOUS_ERROR, "&Previous Error", QKeySequence(Qt::CTRL | Qt::Key_Up));
    AddCommand(ID_EXPAND_ALL, "E&xpand All");
    AddCommand(ID_COLLAPSE_ALL, "&Collapse All");
    const std::pair<int, const char*> sorts[] = {
        {SORT_ADD_ORDER, "Add Order"},        {SORT_FILE_NAME, "File Name"},
        {SORT_FILE_TYPE, "File Type"},        {SORT_LAST_CHECK, "Last Check Date"},
        {SORT_MODIFIED, "Modification Date"}, {SORT_ERROR_COUNT, "Number of Errors"}};
    for (const auto& [nId, pszText] : sorts)
        AddCommand(nId, pszText)->setCheckable(true);
    AddCommand(ID_HELP_TOPICS, "&Help Topics...");
    AddCommand(ID_SUPPORT, "&Support...");
    AddCommand(ID_APP_ABOUT, "&About MIRT...");
    AddCommand(ID_CONTEXT_HELP, "Help")
        ->setIcon(CommandIcon("help-contextual", QStyle::SP_TitleBarContextHelpButton, pStyle));
    // Hidden command: no menu item, only its keys.
    addAction(AddCommand(ID_EXPORT_WORDS, "Export Word List",
                         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::ALT | Qt::Key_E)));
}

QMenu* CMainFrame::GetMenu(const QString& strTitle) const {
    for (QAction* pAction : menuBar()->actions())
        if (pAction->menu() && pAction->text() == strTitle)
            return pAction->menu();
    return nullptr;
}

void CMainFrame::CreateMenus() {
    auto add = [this](QMenu* pMenu, std::initializer_list<int> ids) {
        for (int nId : ids) {
            if (nId == 0)
                pMenu->addSeparator();
            else
                pMenu->addAction(GetAction(nId));
        }
    };
    m_pFileMenu = menuBar()->addMenu("&File");
    add(m_pFileMenu, {ID_ADD_FILES, ID_ADD_FOLDER, 0, ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0});
    m_pRecentSeparator = m_pFileMenu->addSeparator();
    add(m_pFileMenu, {ID_APP_EXIT});
    connect(m_pFileMenu, &QMenu::aboutToShow, this, &CMainFrame::FillRecentFiles);
    add(menuBar()->addMenu("&SpellCheck"),
        {ID_RUN, 0, ID_SAVE_CHANGES, ID_CREATE_REPORT, ID_RESET_RESULTS, 0, ID_VIEW_DICTIONARY,
         ID_OPTIONS, ID_SYNTAX_ASSOCIATIONS});
    m_pEditMenu = menuBar()->addMenu("&Edit");
    add(m_pEditMenu,
        {ID_EDIT_FILE, ID_REMOVE_FILE, 0, ID_IGNORE, ID_ADD_SUGGESTION, 0, ID_EDIT_UNDO});
    connect(m_pEditMenu, &QMenu::aboutToShow, this, &CMainFrame::RebuildEditMenuItems);
    add(menuBar()->addMenu("&View"), {ID_FIND, ID_FIND_NEXT, ID_FIND_PREVIOUS, 0, ID_NEXT_ERROR,
                                      ID_PREVIOUS_ERROR, 0, ID_EXPAND_ALL, ID_COLLAPSE_ALL});
    add(menuBar()->addMenu("&Sort"), {SORT_ADD_ORDER, SORT_FILE_NAME, SORT_FILE_TYPE,
                                      SORT_LAST_CHECK, SORT_MODIFIED, SORT_ERROR_COUNT});
    add(menuBar()->addMenu("&Help"), {ID_HELP_TOPICS, ID_SUPPORT, 0, ID_APP_ABOUT});
    for (QMenu* pMenu : menuBar()->findChildren<QMenu*>())
        connect(pMenu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
    FillRecentFiles();
}

// The recent files sit between the two separators before "Exit".
void CMainFrame::FillRecentFiles() {
    for (QAction* pAction : m_recentActions)
        delete pAction;
    m_recentActions.clear();
    const std::vector<std::string>& files = m_recentFiles.GetFiles();
    for (size_t i = 0; i < files.size(); ++i) {
        QString text = QString("&%1 %2").arg(i + 1).arg(QString::fromUtf8(files[i].c_str()));
        auto* pAction = new QAction(text, this);
        pAction->setData(ID_FILE_MRU_FIRST + static_cast<int>(i));
        pAction->setStatusTip(CommandPrompt(ID_FILE_MRU_FIRST));
        std::string strPath = files[i];
        connect(pAction, &QAction::triggered, this, [this, strPath] { OpenProject(strPath); });
        m_recentActions.push_back(pAction);
    }
    m_bRecentPlaceholder = m_recentActions.empty();
    if (m_bRecentPlaceholder)
        m_recentActions.push_back(new QAction("Recent File", this));
    for (QAction* pAction : m_recentActions)
        m_pFileMenu->insertAction(m_pRecentSeparator, pAction);
    UpdateCommands();
}

void CMainFrame::CreateToolBar() {
    m_pToolBar = addToolBar("Standard");
    m_pToolBar->setObjectName("Standard");
    m_pToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_pToolBar->setIconSize(QSize(16, 16));
    auto add = [this](int nId) {
        QAction* pAction = GetAction(nId);
        m_pToolBar->addAction(pAction);
        m_pToolBar->widgetForAction(pAction)->setAccessibleName(WithoutMnemonics(pAction->text()));
    };
    add(ID_ADD_FOLDER);
    add(ID_ADD_FILES);
    add(ID_FILE_SAVE);
    m_pToolBar->addSeparator();
    add(ID_RUN);
    if (auto* pRun = qobject_cast<QToolButton*>(m_pToolBar->widgetForAction(GetAction(ID_RUN))))
        pRun->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    add(ID_SAVE_CHANGES);
    add(ID_OPTIONS);
    m_pToolBar->addSeparator();
    add(ID_IGNORE);

    CreateFilterBox();
    auto* pSearch = new QLabel("  Search: ");
    pSearch->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pToolBar->addWidget(pSearch);
    m_pSearchBox = new QLineEdit;
    m_pSearchBox->setFixedWidth(kBoxWidth);
    m_pSearchBox->setAccessibleName("Search:");
    m_pSearchBox->setText(
        QString::fromUtf8(m_app.GetSettings().GetString("", "LastSearch", "").c_str()));
    pSearch->setBuddy(m_pSearchBox);
    m_pToolBar->addWidget(m_pSearchBox);
    connect(m_pSearchBox, &QLineEdit::returnPressed, this, [this] { OnCommand(ID_FIND_NEXT); });
    add(ID_FIND_NEXT);
    add(ID_FIND_PREVIOUS);
    m_pToolBar->addSeparator();
    add(ID_CONTEXT_HELP);
    // The button that opens what does not fit in a narrow window.
    for (auto* pButton : m_pToolBar->findChildren<QToolButton*>("qt_toolbar_ext_button"))
        pButton->setAccessibleName("More");
}

QComboBox* CMainFrame::GetFilterBox() const {
    return m_pFilterBox;
}

void CMainFrame::SetFileDialogs(std::shared_ptr<CFileDialogs> pDialogs) {
    m_pDialogs = std::move(pDialogs);
}

void CMainFrame::CreateStatusBar() {
    m_pMessagePane = new QLabel("Ready");
    statusBar()->addWidget(m_pMessagePane, 1);
}

void CMainFrame::ConnectView() {
    connect(m_pView, &CMirtView::IdleMessageRequested, this, [this] {
        RefreshIdleMessage();
        UpdateCommands();
    });
    connect(m_pView, &CMirtView::MessageText, this, &CMainFrame::SetMessageText);
    connect(m_pView, &CMirtView::SelectionChanged, this, &CMainFrame::OnSelectionChanged);
    // After the drop has ended: the desktop's drag does not wait for the dialog.
    connect(m_pView, &CMirtView::AddFolderRequested, this, &CMainFrame::OnFolderDropped,
            Qt::QueuedConnection);
    connect(m_pView, &CMirtView::ContextMenuRequested, this, &CMainFrame::OnContextMenu);
    connect(m_pView, &CMirtView::ReportRequested, this,
            [this] { GetAction(ID_CREATE_REPORT)->trigger(); });
    connect(m_pView, &CMirtView::RunEnded, this, [this] {
        if (m_bCloseAfterRun)
            close();
    });
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationActive)
                    OnApplicationActivated();
            });
}

void CMainFrame::RefreshIdleMessage() {
    if (!m_pView->m_strCurrentFile.empty())
        SetMessageText("Checking " + QString::fromUtf8(m_pView->m_strCurrentFile.c_str()));
    else if (m_doc.IsStarting())
        SetMessageText("Preparing MS Word...");
    else
        SetMessageText("Ready");
}

void CMainFrame::SetMessageText(const QString& text) {
    m_pMessagePane->setText(text);
}

QString CMainFrame::GetMessageText() const {
    QString strPrompt = statusBar()->currentMessage();
    return strPrompt.isEmpty() ? m_pMessagePane->text() : strPrompt;
}
