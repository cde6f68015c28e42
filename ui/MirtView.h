// The results list: every project file as a row and, under an expanded file, a row for
// each finding it shows. It follows the document's notifications, applies the display
// filter, sorts the project's files and keeps the selection across rebuilds.
#pragma once

#include <QTreeView>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "project/FileOrder.h"
#include "project/MirtDocView.h"
#include "project/RefCounter.h"
#include "project/ResultFilter.h"
#include "project/SpellError.h"
#include "ui/ResultsModel.h"

class CMirtAppContext;
class CMirtDoc;
class CNotificationQueue;
class CResultsDelegate;
class CRunMessage;
class CSpellFile;
class QDialog;

// The selection as the commands' update rules see it.
struct SSelectionState {
    int nRows = 0;
    // Distinct paths of the selected rows' files, in row order.
    std::vector<std::string> files;
    bool bAnyFileRow = false;
    // The selected findings: each distinct word and category once, in row order.
    std::vector<SFindingRowView> findings;
    // Exactly one row is selected and it is a finding row (findings[0]); then the
    // dictionary's rule for its word and category, and which of its calls are ignored.
    bool bOneFinding = false;
    CRefPtr<CSpellError> pFinding;
    std::optional<std::string> rule;
    std::vector<bool> callsIgnored;
};

class CMirtView : public QTreeView, public CMirtDocView {
    Q_OBJECT
public:
    CMirtView(CMirtDoc& doc, CMirtAppContext& app, QWidget* pParent = nullptr);
    ~CMirtView() override;
    // Starting an edit from outside is refused too, unless "Add Suggestion" asked for it.
    using QTreeView::edit;

    // Called on the checking thread; carried over to this view's thread.
    void PostNotification(SViewNotification notification) override;
    bool PostRunMessage(const std::shared_ptr<CRunMessage>& pMessage) override;

    // A project was created or opened: its files take the current sort, the filter
    // shows everything, and the list is filled.
    void OnInitialUpdate();
    void FillList();
    // Marks the file and its findings visible or not; true when the file is listed.
    bool ApplyFilter(CSpellFile& file);
    void ToggleExpand(int nRow, CSpellFile* pFile);
    void SaveSelection();
    void RestoreSelection();
    // SaveSelection, FillList, RestoreSelection: what every command that rebuilds does.
    void Rebuild();
    void UpdateFileRow(CSpellFile* pFile);
    void SortFiles(int32_t nCommand);
    void SetFilter(const CResultFilter& filter);
    // Find Next (bForward) or Find Prev over the rows, from the first selected one.
    void Find(bool bForward, const std::string& strText);

    // The commands on the selected rows (MirtViewCommands.cpp).
    SSelectionState GetSelectionState() const;
    void OnIgnore();
    // On the finding given, or the one selected finding.
    void OnReplaceAll(int nSuggestion, CSpellError* pError = nullptr);
    void OnReplaceThis(int nSuggestion, CSpellError* pError = nullptr);
    void OnIgnoreCalls(int nCall, CSpellError* pError = nullptr);
    void OnAddSuggestion();
    // Ends an Add Suggestion edit in progress, keeping what was typed. Called before
    // anything that rebuilds the list, changes the selection or replaces the project.
    void EndEdit();
    // The filter shows only the selected findings' words; false when none is selected.
    bool OnShowOnlySelectedWords();
    void OnSaveChanges();
    void OnEditFile();
    void OnRemoveFiles();
    void OnNextError(bool bForward);
    void OnExpandAll(bool bExpand);
    // Files dropped on the list.
    void OnDropPaths(const std::vector<std::string>& paths);
    // The local paths a drop carries; other addresses are left out.
    static std::vector<std::string> DroppedPaths(const class QMimeData& data);
    // The words of the selected findings, for the filter.
    std::vector<std::string> SelectedWords() const;

    // Opens a file in an editor; true when something was started.
    using CFileOpener = std::function<bool(const std::string& strPath)>;
    void SetFileOpener(CFileOpener opener) { m_fileOpener = std::move(opener); }

    // The text the status bar shows for the selection; empty unless one row is selected.
    std::string SelectionStatusText() const;
    int FirstSelectedRow() const;
    std::vector<int> SelectedRows() const;
    // Selects and focuses the row alone.
    void SelectRow(int nRow);
    bool IsEmptyProject() const;

    CResultsModel& GetModel() const { return *m_pModel; }
    CMirtDoc& GetDocument() const { return m_doc; }

    static const char* const WELCOME_TEXT;

    std::string m_strCurrentFile;
    int32_t m_nSortCommand = SORT_ADD_ORDER;
    CResultFilter m_filter;
    // Set while the window closes: the end of a run then shows and asks nothing.
    bool m_bClosing = false;

signals:
    // The frame refreshes its idle status text and the command states.
    void IdleMessageRequested();
    // The status text of a single selected row.
    void MessageText(const QString& text);
    void SelectionChanged();
    // Sent by the Results dialog's "Create Error Report...".
    void ReportRequested();
    // The end of a run was handled.
    void RunEnded();
    // A folder was dropped: "Add Folder..." opens on it.
    void AddFolderRequested(const QString& folder);
    // A right click on selected rows: the file menu, or the finding menu.
    void ContextMenuRequested(const QPoint& globalPos, bool bFileMenu);
    // The Results dialog of a run that has ended, shown and not yet closed.
    void ResultsDialogOpened(QDialog* pDialog);

protected:
    void drawRow(QPainter* pPainter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;
    void paintEvent(QPaintEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void keyPressEvent(QKeyEvent* pEvent) override;
    void showEvent(QShowEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void contextMenuEvent(QContextMenuEvent* pEvent) override;
    void dragEnterEvent(QDragEnterEvent* pEvent) override;
    void dragMoveEvent(QDragMoveEvent* pEvent) override;
    void dropEvent(QDropEvent* pEvent) override;
    // The only in-place edit is the one "Add Suggestion" asks for, on a finding row.
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* pEvent) override;
    void commitData(QWidget* pEditor) override;
    void closeEditor(QWidget* pEditor, QAbstractItemDelegate::EndEditHint hint) override;

private:
    void OnNotification(SViewNotification notification);
    void ShowRunMessage(const std::shared_ptr<CRunMessage>& pMessage);
    void OnRunEnded(const SCheckStats* pStats);
    void OnSelectionChanged();
    void PaintWelcome();
    void FitColumns();
    // The file row of the row's file, for a finding row the file row above it.
    int FileRowOf(int nRow) const;
    bool FindInCollapsedFile(int nRow, const std::string& strText);
    // The suggestion under the point of a finding row's "Suggestions" cell, or -1.
    int SuggestionUnder(const QPoint& point) const;
    void ChooseSuggestionUnder(const QPoint& point);
    CSpellError* SingleSelectedFinding() const;
    void SelectAfterRemoval(int nFirstRow);
    bool Matches(int nRow, const std::string& strText) const;
    // Rows for the file's findings that count and pass the filter; under the lock.
    CResultsModel::CRows FindingRows(CSpellFile* pFile);

    CMirtDoc& m_doc;
    CMirtAppContext& m_app;
    CResultsModel* m_pModel;
    CResultsDelegate* m_pDelegate;
    CNotificationQueue* m_pQueue;
    int m_nSelectionTop = -1;
    std::string m_strSelectionKey;
    int32_t m_nSelectionLine = -1;
    int32_t m_nSelectionPos = -1;
    bool m_bEditRequested = false;
    // The finding the open edit is for, whatever is selected meanwhile.
    CRefPtr<CSpellError> m_pEditedError;
    CFileOpener m_fileOpener;
};
