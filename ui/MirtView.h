// The results list: every project file as a row and, under an expanded file, a row for
// each finding it shows. It follows the document's notifications, applies the display
// filter, sorts the project's files and keeps the selection across rebuilds.
#pragma once

#include <QTreeView>

#include <memory>
#include <string>
#include <vector>

#include "project/FileOrder.h"
#include "project/MirtDocView.h"
#include "project/ResultFilter.h"
#include "ui/ResultsModel.h"

class CMirtAppContext;
class CMirtDoc;
class CNotificationQueue;
class CResultsDelegate;
class CRunMessage;
class CSpellFile;
class QDialog;

class CMirtView : public QTreeView, public CMirtDocView {
    Q_OBJECT
public:
    CMirtView(CMirtDoc& doc, CMirtAppContext& app, QWidget* pParent = nullptr);
    ~CMirtView() override;

    // Called on the checking thread; carried over to this view's thread.
    void PostNotification(SViewNotification notification) override;
    bool PostRunMessage(const std::shared_ptr<CRunMessage>& pMessage) override;

    // A project was created or opened: its files take the current sort, the filter
    // shows everything, and the list is filled.
    void OnInitialUpdate();
    void FillList();
    void ApplyFilter(CSpellFile& file);
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

    // The text the status bar shows for the selection; empty unless one row is selected.
    std::string SelectionStatusText() const;
    int FirstSelectedRow() const;
    std::vector<int> SelectedRows() const;
    // Selects and focuses the row; the rows selected before stay when bAdd is set.
    void SelectRow(int nRow, bool bAdd = false);
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
};
