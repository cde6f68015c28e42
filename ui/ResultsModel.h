// The results list's rows as an item model: a file row for each listed file, and a
// finding row under an expanded file for each finding it shows. The rows are built by
// the view; every read of a file or finding takes the document lock.
#pragma once

#include <QAbstractTableModel>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/ListItemData.h"
#include "ui/RowText.h"

class CMirtDoc;

class CResultsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum EColumn { COLUMN_LINE, COLUMN_POS, COLUMN_ERROR, COLUMN_SUGGESTIONS, COLUMN_COUNT };
    using CRows = std::vector<std::unique_ptr<SListItemData>>;

    explicit CResultsModel(CMirtDoc& doc, QObject* pParent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int nRole = Qt::DisplayRole) const override;
    QVariant headerData(int nSection, Qt::Orientation orientation,
                        int nRole = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Replaces every row.
    void ResetRows(CRows rows);
    void InsertRows(int nRow, CRows rows);
    void RemoveRows(int nRow, int nCount);
    // Tells the view that the row's file or finding changed.
    void RowChanged(int nRow);

    int GetSize() const { return static_cast<int>(m_rows.size()); }
    const SListItemData* GetItem(int nRow) const;
    CSpellFile* GetFile(int nRow) const;
    // Null for a file row.
    CSpellError* GetError(int nRow) const;
    // The first row whose key is the path, and the file row whose key it is; -1 if none.
    int FindRow(const std::string& strKey) const;
    int FindFileRow(const std::string& strKey) const;

    // What the row shows now, read under the document lock.
    SFileRowView FileView(int nRow) const;
    SFindingRowView FindingView(int nRow) const;

private:
    QString CellText(int nRow, int nColumn) const;
    // The cell as a screen reader reads it: what the colours tell the eye, in words.
    QString SpokenText(int nRow, int nColumn) const;
    // A run sends two notifications per file, each looking its file row up by path;
    // the index follows every change of the rows.
    void IndexFileRows();

    CMirtDoc& m_doc;
    CRows m_rows;
    std::unordered_map<std::string, int> m_fileRows;
};
