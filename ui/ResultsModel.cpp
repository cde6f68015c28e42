// Results list model: rows, their cell texts and the snapshots the delegate paints.
#include "ui/ResultsModel.h"

#include <mutex>

#include "project/MirtDoc.h"
#include "ui/DisplayText.h"

namespace {
using CLock = std::lock_guard<std::recursive_mutex>;

std::string TrimmedLine(const SFindingRowView& finding) {
    SLineParts parts = SplitLine(finding.strLine, finding.nPos, finding.strWord.size());
    return parts.strBefore + parts.strWord + parts.strAfter;
}
} // namespace

CResultsModel::CResultsModel(CMirtDoc& doc, QObject* pParent)
    : QAbstractTableModel(pParent), m_doc(doc) {}

int CResultsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : GetSize();
}

int CResultsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : COLUMN_COUNT;
}

QVariant CResultsModel::data(const QModelIndex& index, int nRole) const {
    if (!index.isValid() || index.row() >= GetSize())
        return {};
    if (nRole == Qt::DisplayRole)
        return CellText(index.row(), index.column());
    if (nRole == Qt::AccessibleTextRole)
        return SpokenText(index.row(), index.column());
    return {};
}

QString CResultsModel::SpokenText(int nRow, int nColumn) const {
    if (!GetItem(nRow)->IsErrorRow())
        return nColumn == COLUMN_LINE ? DisplayText(SpokenFileRow(FileView(nRow))) : QString();
    if (nColumn == COLUMN_ERROR)
        return DisplayText(SpokenContext(FindingView(nRow)));
    if (nColumn == COLUMN_SUGGESTIONS)
        return DisplayText(SpokenSuggestions(FindingView(nRow)));
    return CellText(nRow, nColumn);
}

QString CResultsModel::CellText(int nRow, int nColumn) const {
    if (!GetItem(nRow)->IsErrorRow())
        return nColumn == COLUMN_LINE ? DisplayText(FileRowText(FileView(nRow))) : QString();
    SFindingRowView finding = FindingView(nRow);
    switch (nColumn) {
    case COLUMN_LINE:
        return QString::number(finding.nLine);
    case COLUMN_POS:
        return QString::number(finding.nPos);
    case COLUMN_ERROR:
        return DisplayText(TrimmedLine(finding));
    default:
        return DisplayText(JoinSuggestions(finding.suggestions));
    }
}

QVariant CResultsModel::headerData(int nSection, Qt::Orientation orientation, int nRole) const {
    static const char* const kTitles[COLUMN_COUNT] = {"Line", "Pos", "Spelling error",
                                                      "Suggestions"};
    if (orientation != Qt::Horizontal || nSection < 0 || nSection >= COLUMN_COUNT ||
        (nRole != Qt::DisplayRole && nRole != Qt::AccessibleTextRole))
        return {};
    return QString::fromLatin1(kTitles[nSection]);
}

// A finding's suggestion can be typed in place; the view starts that edit only when
// "Add Suggestion" asks for it.
Qt::ItemFlags CResultsModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || index.row() >= GetSize())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == COLUMN_SUGGESTIONS && GetItem(index.row())->IsErrorRow())
        flags |= Qt::ItemIsEditable;
    return flags;
}

void CResultsModel::ResetRows(CRows rows) {
    beginResetModel();
    m_rows = std::move(rows);
    IndexFileRows();
    endResetModel();
}

void CResultsModel::IndexFileRows() {
    m_fileRows.clear();
    for (int i = 0; i < GetSize(); ++i) {
        const SListItemData* pItem = m_rows[static_cast<size_t>(i)].get();
        if (!pItem->IsErrorRow())
            m_fileRows.emplace(pItem->GetKey(), i);
    }
}

void CResultsModel::InsertRows(int nRow, CRows rows) {
    if (rows.empty())
        return;
    beginInsertRows(QModelIndex(), nRow, nRow + static_cast<int>(rows.size()) - 1);
    const int nCount = static_cast<int>(rows.size());
    for (auto& entry : m_fileRows)
        if (entry.second >= nRow)
            entry.second += nCount;
    for (int i = 0; i < nCount; ++i)
        if (!rows[static_cast<size_t>(i)]->IsErrorRow())
            m_fileRows[rows[static_cast<size_t>(i)]->GetKey()] = nRow + i;
    m_rows.insert(m_rows.begin() + nRow, std::make_move_iterator(rows.begin()),
                  std::make_move_iterator(rows.end()));
    endInsertRows();
}

void CResultsModel::RemoveRows(int nRow, int nCount) {
    if (nCount <= 0)
        return;
    beginRemoveRows(QModelIndex(), nRow, nRow + nCount - 1);
    for (int i = nRow; i < nRow + nCount; ++i)
        if (!GetItem(i)->IsErrorRow())
            m_fileRows.erase(GetItem(i)->GetKey());
    for (auto& entry : m_fileRows)
        if (entry.second >= nRow + nCount)
            entry.second -= nCount;
    m_rows.erase(m_rows.begin() + nRow, m_rows.begin() + nRow + nCount);
    endRemoveRows();
}

void CResultsModel::RowChanged(int nRow) {
    emit dataChanged(index(nRow, 0), index(nRow, COLUMN_COUNT - 1));
}

const SListItemData* CResultsModel::GetItem(int nRow) const {
    return m_rows.at(static_cast<size_t>(nRow)).get();
}

CSpellFile* CResultsModel::GetFile(int nRow) const {
    const SListItemData* pItem = GetItem(nRow);
    if (pItem->IsErrorRow())
        return static_cast<const SListItemDataSpellError*>(pItem)->m_pFile.get();
    return static_cast<const SListItemDataFile*>(pItem)->m_pFile.get();
}

CSpellError* CResultsModel::GetError(int nRow) const {
    const SListItemData* pItem = GetItem(nRow);
    return pItem->IsErrorRow() ? static_cast<const SListItemDataSpellError*>(pItem)->m_pError.get()
                               : nullptr;
}

int CResultsModel::FindRow(const std::string& strKey) const {
    for (int i = 0; i < GetSize(); ++i)
        if (m_rows[static_cast<size_t>(i)]->GetKey() == strKey)
            return i;
    return -1;
}

int CResultsModel::FindFileRow(const std::string& strKey) const {
    auto it = m_fileRows.find(strKey);
    return it == m_fileRows.end() ? -1 : it->second;
}

SFileRowView CResultsModel::FileView(int nRow) const {
    const CSpellFile* pFile = GetFile(nRow);
    SFileRowView view;
    CLock lock(m_doc.GetLock());
    view.strPath = pFile->m_strPath;
    view.strDisplayName = pFile->GetDisplayName();
    view.bReadOnly = pFile->m_bReadOnly != 0;
    view.nStatus = pFile->m_nStatus;
    view.nSyntax = pFile->m_nSyntax;
    view.nSpelling = pFile->CountErrors(KIND_SPELLING);
    view.nProfanity = pFile->CountErrors(KIND_PROFANITY);
    view.bExpanded = pFile->m_bExpanded != 0;
    view.tChecked = pFile->m_tChecked;
    return view;
}

SFindingRowView CResultsModel::FindingView(int nRow) const {
    const CSpellError* pError = GetError(nRow);
    SFindingRowView view;
    if (pError == nullptr)
        return view;
    CLock lock(m_doc.GetLock());
    view.nLine = pError->m_nLine;
    view.nPos = pError->m_nPos;
    view.strLine = pError->GetLine();
    view.strWord = pError->m_strWord;
    view.suggestions = pError->m_suggestions;
    view.calls = pError->m_calls;
    view.nChosen = pError->m_nChosen;
    view.nKind = pError->m_nKind;
    view.nCategory = pError->m_nCategory;
    return view;
}
