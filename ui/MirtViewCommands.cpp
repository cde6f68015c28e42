// Results list: the commands on the selected rows, choosing suggestions with the
// mouse, the in-place edit of a new suggestion, dropped files and the context menus.
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <mutex>
#include <utility>

#include "platform/FileStatus.h"
#include "project/MirtAppContext.h"
#include "project/MirtDoc.h"
#include "ui/FileOpener.h"
#include "ui/MirtView.h"
#include "ui/SuggestionEdit.h"

namespace {
using CLock = std::lock_guard<std::recursive_mutex>;

// Copies what a command needs of a finding, under the document lock.
SFindingRowView Snapshot(CMirtDoc& doc, const CSpellError* pError) {
    SFindingRowView view;
    CLock lock(doc.GetLock());
    view.strWord = pError->m_strWord;
    view.nCategory = pError->m_nCategory;
    view.suggestions = pError->m_suggestions;
    view.calls = pError->m_calls;
    view.nChosen = pError->m_nChosen;
    return view;
}
} // namespace

SSelectionState CMirtView::GetSelectionState() const {
    SSelectionState state;
    std::vector<int> rows = SelectedRows();
    state.nRows = static_cast<int>(rows.size());
    for (int nRow : rows) {
        std::string strKey = m_pModel->GetItem(nRow)->GetKey();
        if (std::find(state.files.begin(), state.files.end(), strKey) == state.files.end())
            state.files.push_back(strKey);
        if (!m_pModel->GetItem(nRow)->IsErrorRow()) {
            state.bAnyFileRow = true;
            continue;
        }
        SFindingRowView finding = m_pModel->FindingView(nRow);
        bool bSeen = std::any_of(state.findings.begin(), state.findings.end(), [&](auto& f) {
            return f.strWord == finding.strWord && f.nCategory == finding.nCategory;
        });
        if (!bSeen)
            state.findings.push_back(std::move(finding));
    }
    state.bOneFinding = state.nRows == 1 && !state.findings.empty();
    if (state.bOneFinding) {
        state.pFinding = CRefPtr<CSpellError>(m_pModel->GetError(rows.front()));
        const SFindingRowView& finding = state.findings.front();
        CLock lock(m_doc.GetLock());
        std::string strRule;
        if (m_doc.m_dictionary.LookupReplacement(finding.strWord, finding.nCategory, strRule))
            state.rule = strRule;
        for (const std::string& call : finding.calls)
            state.callsIgnored.push_back(m_doc.m_ignoreCalls.Has(call));
    }
    return state;
}

std::vector<std::string> CMirtView::SelectedWords() const {
    std::vector<std::string> words;
    for (const SFindingRowView& finding : GetSelectionState().findings)
        words.push_back(finding.strWord);
    return words;
}

CSpellError* CMirtView::SingleSelectedFinding() const {
    std::vector<int> rows = SelectedRows();
    return rows.size() == 1 ? m_pModel->GetError(rows.front()) : nullptr;
}

void CMirtView::OnIgnore() {
    std::vector<SFindingRowView> findings = GetSelectionState().findings;
    if (findings.empty())
        return;
    SaveSelection();
    for (const SFindingRowView& finding : findings)
        m_doc.IgnoreAllWord(finding.strWord, finding.nCategory);
    FillList();
    RestoreSelection();
}

void CMirtView::OnReplaceAll(int nSuggestion, CSpellError* pError) {
    if (pError == nullptr)
        pError = SingleSelectedFinding();
    if (pError == nullptr)
        return;
    SFindingRowView finding = Snapshot(m_doc, pError);
    if (nSuggestion < 0 || static_cast<size_t>(nSuggestion) >= finding.suggestions.size())
        return;
    SaveSelection();
    m_doc.ReplaceAllWord(finding.strWord, finding.nCategory,
                         finding.suggestions[static_cast<size_t>(nSuggestion)]);
    FillList();
    RestoreSelection();
}

void CMirtView::OnReplaceThis(int nSuggestion, CSpellError* pError) {
    if (pError == nullptr)
        pError = SingleSelectedFinding();
    if (pError != nullptr && m_doc.ChooseSuggestion(pError, nSuggestion))
        viewport()->update();
}

void CMirtView::OnIgnoreCalls(int nCall, CSpellError* pError) {
    if (pError == nullptr)
        pError = SingleSelectedFinding();
    if (pError == nullptr)
        return;
    SFindingRowView finding = Snapshot(m_doc, pError);
    if (nCall < 0 || static_cast<size_t>(nCall) >= finding.calls.size())
        return;
    SaveSelection();
    m_doc.IgnoreCallsTo(finding.calls[static_cast<size_t>(nCall)]);
    FillList();
    RestoreSelection();
}

void CMirtView::OnAddSuggestion() {
    EndEdit();
    std::vector<int> rows = SelectedRows();
    if (rows.size() != 1 || !m_pModel->GetItem(rows.front())->IsErrorRow())
        return;
    m_bEditRequested = true;
    m_pEditedError = CRefPtr<CSpellError>(m_pModel->GetError(rows.front()));
    QModelIndex index = m_pModel->index(rows.front(), CResultsModel::COLUMN_SUGGESTIONS);
    if (!QTreeView::edit(index, QAbstractItemView::AllEditTriggers, nullptr)) {
        m_bEditRequested = false;
        m_pEditedError = CRefPtr<CSpellError>();
    }
}

bool CMirtView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* pEvent) {
    if (!m_bEditRequested || !index.isValid() || !m_pModel->GetItem(index.row())->IsErrorRow())
        return false;
    return QTreeView::edit(index, trigger, pEvent);
}

void CMirtView::EndEdit() {
    if (auto* pEdit = findChild<CSuggestionEdit*>(); pEdit != nullptr && m_bEditRequested) {
        commitData(pEdit);
        closeEditor(pEdit, QAbstractItemDelegate::NoHint);
    }
    m_bEditRequested = false;
}

// An edit that ends with a text puts it first among the suggestions of the finding it
// was opened for, and chooses it; an empty box is taken as a change of mind, since
// writing it back would delete the word.
void CMirtView::commitData(QWidget* pEditor) {
    auto* pEdit = qobject_cast<CSuggestionEdit*>(pEditor);
    CRefPtr<CSpellError> pError = std::exchange(m_pEditedError, CRefPtr<CSpellError>());
    if (pEdit == nullptr || !pError || pEdit->text().isEmpty())
        return;
    if (m_doc.AddSuggestion(pError.get(), pEdit->text().toStdString()))
        viewport()->update();
}

void CMirtView::closeEditor(QWidget* pEditor, QAbstractItemDelegate::EndEditHint hint) {
    m_bEditRequested = false;
    m_pEditedError = CRefPtr<CSpellError>();
    QTreeView::closeEditor(pEditor, hint);
    emit SelectionChanged();
}

bool CMirtView::OnShowOnlySelectedWords() {
    std::vector<std::string> words = SelectedWords();
    if (words.empty())
        return false;
    CResultFilter filter;
    filter.SetWords(words);
    SetFilter(filter);
    return true;
}

void CMirtView::OnSaveChanges() {
    SaveSelection();
    (void)m_doc.SaveChanges();
    FillList();
    RestoreSelection();
}

void CMirtView::OnEditFile() {
    std::vector<std::string> files = GetSelectionState().files;
    if (files.size() != 1)
        return;
    if (m_fileOpener) {
        m_fileOpener(files.front());
        return;
    }
    std::string strPath = files.front();
    OpenFileInEditor(strPath, this, [this, strPath] {
        m_app.MessageBox("Unable to open file " + strPath +
                             "\nNo program to open it was found; set VISUAL or EDITOR to your "
                             "editor.",
                         MB_OK | MB_ICONEXCLAMATION);
    });
}

void CMirtView::OnRemoveFiles() {
    std::vector<std::string> files = GetSelectionState().files;
    if (files.empty())
        return;
    int nFirstRow = FirstSelectedRow();
    std::string strQuestion = files.size() == 1
                                  ? "Remove file '" + files.front() + "'?"
                                  : "Remove " + std::to_string(files.size()) + " files?";
    if (m_app.MessageBox(strQuestion, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    for (const std::string& strPath : files)
        m_doc.RemoveFile(strPath);
    FillList();
    SelectAfterRemoval(nFirstRow);
}

// The row at the first selected row's old place, or the one before when the list now
// ends before it; none when neither exists.
void CMirtView::SelectAfterRemoval(int nFirstRow) {
    int nSize = m_pModel->GetSize();
    int nRow = nFirstRow < nSize ? nFirstRow : nFirstRow - 1;
    if (nRow < 0 || nRow >= nSize)
        return;
    SelectRow(nRow);
    scrollTo(m_pModel->index(nRow, 0));
}

// Steps on from the row the last step reached (the current row, when it is selected),
// and moves the selection there: keeping the rows passed selected would turn the next
// Delete or Ignore into one on all of them.
void CMirtView::OnNextError(bool bForward) {
    int nStart = FirstSelectedRow();
    if (nStart < 0)
        return;
    if (selectionModel()->isRowSelected(currentIndex().row(), QModelIndex()))
        nStart = currentIndex().row();
    for (int i = nStart + (bForward ? 1 : -1); i >= 0 && i < m_pModel->GetSize();
         i += bForward ? 1 : -1) {
        if (m_pModel->GetItem(i)->IsErrorRow())
            continue;
        bool bHasErrors;
        {
            CLock lock(m_doc.GetLock());
            bHasErrors = m_pModel->GetFile(i)->HasErrors();
        }
        if (bHasErrors) {
            SelectRow(i);
            scrollTo(m_pModel->index(i, 0));
            return;
        }
    }
}

void CMirtView::OnExpandAll(bool bExpand) {
    {
        CLock lock(m_doc.GetLock());
        for (CSpellFile* pFile : m_doc.m_files)
            pFile->m_bExpanded = bExpand ? 1 : 0;
    }
    Rebuild();
}

// Folders open "Add Folder..." on them; files are added; paths that cannot be read are
// passed over.
void CMirtView::OnDropPaths(const std::vector<std::string>& paths) {
    for (const std::string& strPath : paths) {
        SFileStatus status;
        if (!GetFileStatus(strPath, status))
            continue;
        if (status.bDirectory) {
            emit AddFolderRequested(QString::fromUtf8(strPath.c_str()));
        } else {
            m_doc.AddFile(strPath);
        }
    }
    m_doc.RebuildWatcher();
    Rebuild();
    m_doc.SetModifiedFlag();
}

void CMirtView::dragEnterEvent(QDragEnterEvent* pEvent) {
    if (pEvent->mimeData()->hasUrls())
        pEvent->acceptProposedAction();
}

void CMirtView::dragMoveEvent(QDragMoveEvent* pEvent) {
    if (pEvent->mimeData()->hasUrls())
        pEvent->acceptProposedAction();
}

std::vector<std::string> CMirtView::DroppedPaths(const QMimeData& data) {
    std::vector<std::string> paths;
    for (const QUrl& url : data.urls())
        if (url.isLocalFile())
            paths.push_back(url.toLocalFile().toStdString());
    return paths;
}

void CMirtView::dropEvent(QDropEvent* pEvent) {
    std::vector<std::string> paths = DroppedPaths(*pEvent->mimeData());
    if (paths.empty())
        return;
    pEvent->acceptProposedAction();
    OnDropPaths(paths);
}

int CMirtView::SuggestionUnder(const QPoint& point) const {
    QModelIndex index = indexAt(point);
    if (!index.isValid() || index.column() != CResultsModel::COLUMN_SUGGESTIONS ||
        !m_pModel->GetItem(index.row())->IsErrorRow())
        return -1;
    QFontMetrics metrics(font());
    auto measure = [&](const std::string& text) {
        return metrics.horizontalAdvance(QString::fromUtf8(text.c_str()));
    };
    int x = point.x() - columnViewportPosition(CResultsModel::COLUMN_SUGGESTIONS);
    return SuggestionAt(m_pModel->FindingView(index.row()).suggestions, x, measure);
}

// A click on the chosen suggestion takes the choice back.
void CMirtView::ChooseSuggestionUnder(const QPoint& point) {
    int nSuggestion = SuggestionUnder(point);
    if (nSuggestion < 0)
        return;
    int nRow = indexAt(point).row();
    CSpellError* pError = m_pModel->GetError(nRow);
    int32_t nChosen;
    {
        CLock lock(m_doc.GetLock());
        nChosen = pError->m_nChosen;
    }
    if (m_doc.ChooseSuggestion(pError, nChosen == nSuggestion ? -1 : nSuggestion)) {
        m_pModel->RowChanged(nRow);
        // Undo, Save Changes and the title follow the change.
        emit SelectionChanged();
    }
}

void CMirtView::mouseMoveEvent(QMouseEvent* pEvent) {
    QTreeView::mouseMoveEvent(pEvent);
    if (SuggestionUnder(pEvent->position().toPoint()) >= 0)
        viewport()->setCursor(Qt::PointingHandCursor);
    else
        viewport()->unsetCursor();
}

void CMirtView::contextMenuEvent(QContextMenuEvent* pEvent) {
    std::vector<int> rows = SelectedRows();
    if (rows.empty())
        return;
    bool bFileMenu = std::any_of(rows.begin(), rows.end(), [this](int nRow) {
        return !m_pModel->GetItem(nRow)->IsErrorRow();
    });
    emit ContextMenuRequested(pEvent->globalPos(), bFileMenu);
}
