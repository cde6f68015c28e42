// Paints the rows of the results list: a file row across the whole width with its
// expander box, path and status; a finding row column by column, with the word in red
// inside its context and the chosen suggestion in green.
#pragma once

#include <QStyledItemDelegate>

#include "ui/RowText.h"

class CResultsDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* pPainter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // The in-place edit of "Add Suggestion": a box over the "Suggestions" cell holding
    // the finding's word.
    QWidget* createEditor(QWidget* pParent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* pEditor, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* pEditor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

    // The background of a selected row: the highlight colour with its luminance raised
    // to 182 of 200, so that the row's coloured texts stay readable on it.
    static QColor SelectionColour(const QColor& highlight);
    static QColor Colour(ERowColour eColour, const QPalette& palette);

private:
    void PaintFileRow(QPainter* pPainter, const QStyleOptionViewItem& option,
                      const SFileRowView& file) const;
    void PaintExpander(QPainter* pPainter, const QRect& box, const QPalette& palette,
                       bool bExpanded) const;
    void PaintFindingCell(QPainter* pPainter, const QStyleOptionViewItem& option, int nColumn,
                          const SFindingRowView& finding) const;
    void PaintContext(QPainter* pPainter, const QStyleOptionViewItem& option, const QRect& area,
                      const SFindingRowView& finding) const;
    void PaintSuggestions(QPainter* pPainter, const QStyleOptionViewItem& option, const QRect& area,
                          const SFindingRowView& finding) const;
};
