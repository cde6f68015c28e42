// Row painting of the results list.
#include "ui/ResultsDelegate.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>

#include "ui/DisplayText.h"
#include "ui/HlsColour.h"
#include "ui/ResultsModel.h"
#include "ui/RowText.h"
#include "ui/SuggestionEdit.h"

namespace {
constexpr int kSelectedLuminance = 182;

int TextWidth(const QFontMetrics& metrics, const std::string& text) {
    return metrics.horizontalAdvance(DisplayText(text));
}

// The shortest end of the text that fits the width, cut between characters.
QString TailThatFits(const QFontMetrics& metrics, const QString& text, int nWidth) {
    qsizetype nLow = 0, nHigh = text.size(); // the tail from nHigh always fits
    while (nLow < nHigh) {
        qsizetype nMiddle = nLow + (nHigh - nLow) / 2;
        if (metrics.horizontalAdvance(text.mid(nMiddle)) <= nWidth)
            nHigh = nMiddle;
        else
            nLow = nMiddle + 1;
    }
    if (nHigh < text.size() && text[nHigh].isLowSurrogate())
        ++nHigh;
    return text.mid(nHigh);
}

// Draws the text from x on the row's middle line and returns where it ends.
int DrawAt(QPainter* pPainter, const QRect& area, int x, const std::string& text,
           const QColor& colour) {
    QString qText = DisplayText(text);
    int nWidth = pPainter->fontMetrics().horizontalAdvance(qText);
    pPainter->setPen(colour);
    QRect rect(x, area.top(), nWidth + 1, area.height());
    pPainter->drawText(rect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, qText);
    return x + nWidth;
}

QColor GridColour(const QStyleOptionViewItem& option) {
    const QStyle* pStyle = option.widget ? option.widget->style() : QApplication::style();
    return QColor::fromRgb(static_cast<QRgb>(
        pStyle->styleHint(QStyle::SH_Table_GridLineColor, &option, option.widget)));
}
} // namespace

QColor CResultsDelegate::SelectionColour(const QColor& highlight) {
    SHls hls = RgbToHls(highlight.red(), highlight.green(), highlight.blue());
    hls.nLuminance = kSelectedLuminance;
    SRgb rgb = HlsToRgb(hls);
    return QColor(rgb.nRed, rgb.nGreen, rgb.nBlue);
}

QColor CResultsDelegate::Colour(ERowColour eColour, const QPalette& palette) {
    switch (eColour) {
    case ERowColour::Red:
        return QColor(240, 0, 0);
    case ERowColour::Green:
        return QColor(0, 153, 0);
    case ERowColour::Blue:
        return QColor(0, 0, 153);
    default:
        return palette.color(QPalette::Text);
    }
}

QSize CResultsDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return QSize(option.rect.width(), option.fontMetrics.height() + 4);
}

QWidget* CResultsDelegate::createEditor(QWidget* pParent, const QStyleOptionViewItem&,
                                        const QModelIndex&) const {
    auto* pEdit = new CSuggestionEdit(pParent);
    pEdit->setAccessibleName("Suggestion");
    return pEdit;
}

void CResultsDelegate::setEditorData(QWidget* pEditor, const QModelIndex& index) const {
    const auto* pModel = qobject_cast<const CResultsModel*>(index.model());
    auto* pEdit = qobject_cast<CSuggestionEdit*>(pEditor);
    if (pModel && pEdit && index.row() < pModel->GetSize())
        pEdit->setText(DisplayText(pModel->FindingView(index.row()).strWord));
}

void CResultsDelegate::updateEditorGeometry(QWidget* pEditor, const QStyleOptionViewItem& option,
                                            const QModelIndex&) const {
    pEditor->setGeometry(option.rect);
    if (auto* pEdit = qobject_cast<CSuggestionEdit*>(pEditor))
        pEdit->SetLeft(option.rect.left());
}

void CResultsDelegate::paint(QPainter* pPainter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const auto* pModel = qobject_cast<const CResultsModel*>(index.model());
    if (pModel == nullptr || index.row() >= pModel->GetSize())
        return;
    pPainter->save();
    pPainter->setFont(option.font);
    bool bSelected = option.state.testFlag(QStyle::State_Selected);
    QColor background = bSelected ? SelectionColour(option.palette.color(QPalette::Highlight))
                                  : option.palette.color(QPalette::Base);
    pPainter->fillRect(option.rect, background);
    if (pModel->GetItem(index.row())->IsErrorRow()) {
        PaintFindingCell(pPainter, option, index.column(), pModel->FindingView(index.row()));
    } else if (index.column() == 0) {
        PaintFileRow(pPainter, option, pModel->FileView(index.row()));
    }
    pPainter->setPen(GridColour(option));
    pPainter->drawLine(option.rect.bottomLeft(), option.rect.bottomRight());
    if (pModel->GetItem(index.row())->IsErrorRow())
        pPainter->drawLine(option.rect.topRight(), option.rect.bottomRight());
    pPainter->restore();
}

void CResultsDelegate::PaintFileRow(QPainter* pPainter, const QStyleOptionViewItem& option,
                                    const SFileRowView& file) const {
    QRect area = option.rect.adjusted(2, 0, 0, -1);
    int nHeight = option.rect.height();
    if (file.nSpelling + file.nProfanity > 0)
        PaintExpander(pPainter,
                      QRect(area.left() + 1, option.rect.top() + 2, nHeight - 5, nHeight - 5),
                      option.palette, file.bExpanded);
    pPainter->setClipRect(area);
    const QPalette& palette = option.palette;
    int x = DrawAt(pPainter, area, area.left() + nHeight, file.strPath,
                   Colour(ERowColour::Normal, palette));
    if (file.bReadOnly)
        x = DrawAt(pPainter, area, x, " (Read-only)", Colour(ERowColour::Blue, palette));
    SColouredText suffix = FileStatusSuffix(file);
    DrawAt(pPainter, area, x, suffix.strText, Colour(suffix.eColour, palette));
    pPainter->setClipping(false);
}

void CResultsDelegate::PaintExpander(QPainter* pPainter, const QRect& box, const QPalette& palette,
                                     bool bExpanded) const {
    pPainter->fillRect(box, palette.color(QPalette::Base));
    pPainter->setPen(QColor(128, 128, 128));
    pPainter->drawRect(box.adjusted(0, 0, -1, -1));
    int nMiddleX = box.left() + box.width() / 2;
    int nMiddleY = box.top() + box.height() / 2;
    pPainter->setPen(palette.color(QPalette::Text));
    pPainter->drawLine(box.left() + 2, nMiddleY, box.right() - 2, nMiddleY);
    if (!bExpanded)
        pPainter->drawLine(nMiddleX, box.top() + 2, nMiddleX, box.bottom() - 2);
}

void CResultsDelegate::PaintFindingCell(QPainter* pPainter, const QStyleOptionViewItem& option,
                                        int nColumn, const SFindingRowView& finding) const {
    if (nColumn == CResultsModel::COLUMN_LINE || nColumn == CResultsModel::COLUMN_POS) {
        QRect area = option.rect.adjusted(3, 0, -3, 0);
        QString text =
            QString::number(nColumn == CResultsModel::COLUMN_LINE ? finding.nLine : finding.nPos);
        pPainter->setPen(Colour(ERowColour::Normal, option.palette));
        pPainter->drawText(area, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                           pPainter->fontMetrics().elidedText(text, Qt::ElideRight, area.width()));
    } else if (nColumn == CResultsModel::COLUMN_ERROR) {
        PaintContext(pPainter, option, option.rect.adjusted(5, 0, -3, 0), finding);
    } else {
        PaintSuggestions(pPainter, option, option.rect.adjusted(5, 0, -5, 0), finding);
    }
}

void CResultsDelegate::PaintContext(QPainter* pPainter, const QStyleOptionViewItem& option,
                                    const QRect& area, const SFindingRowView& finding) const {
    const QFontMetrics metrics = pPainter->fontMetrics();
    auto measure = [&](const std::string& text) { return TextWidth(metrics, text); };
    SLineParts parts = SplitLine(finding.strLine, finding.nPos, finding.strWord.size());
    int nWord = measure(parts.strWord);
    SContextLayout layout =
        LayoutContext(area.width(), measure(parts.strBefore), nWord, measure(parts.strAfter));
    pPainter->setClipRect(area);
    const QColor normal = Colour(ERowColour::Normal, option.palette);
    int x = area.left();
    if (layout.bCut) {
        // "..." and then as much of the part's end as fits whole, right-aligned so the
        // end next to the word stays in sight; no half glyph shows beside the dots.
        QRect before(x, area.top(), layout.nBeforeWidth, area.height());
        int nDots = measure("...");
        QString tail =
            TailThatFits(metrics, DisplayText(parts.strBefore), layout.nBeforeWidth - nDots);
        DrawAt(pPainter, area, x, "...", normal);
        pPainter->setPen(normal);
        pPainter->drawText(before, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, tail);
        x += layout.nBeforeWidth;
    } else {
        x = DrawAt(pPainter, area, x, parts.strBefore, normal);
    }
    x = DrawAt(pPainter, area, x, parts.strWord, Colour(ERowColour::Red, option.palette));
    DrawAt(pPainter, area, x, ElideAtWord(parts.strAfter, area.right() + 1 - x, measure), normal);
    pPainter->setClipping(false);
}

void CResultsDelegate::PaintSuggestions(QPainter* pPainter, const QStyleOptionViewItem& option,
                                        const QRect& area, const SFindingRowView& finding) const {
    pPainter->setClipRect(area);
    const QColor normal = Colour(ERowColour::Normal, option.palette);
    int x = area.left();
    for (size_t i = 0; i < finding.suggestions.size() && x <= area.right(); ++i) {
        if (i > 0)
            x = DrawAt(pPainter, area, x, ", ", normal);
        bool bChosen = static_cast<int32_t>(i) == finding.nChosen;
        x = DrawAt(pPainter, area, x, finding.suggestions[i],
                   bChosen ? Colour(ERowColour::Green, option.palette) : normal);
    }
    pPainter->setClipping(false);
}
