// Syntax associations dialog: the list, its painting and its in-place edit.
#include "ui/SyntaxAssociationDlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "parsers/MirtParsers.h"
#include "ui/ContextHelp.h"
#include "ui/InPlaceEdit.h"

namespace {
constexpr int kColumnWidth = 100;
constexpr int kFileTypes = 1;

QString JoinedExtensions(const CMirtParser& parser) {
    QStringList extensions;
    for (const std::string& ext : parser.m_extensions)
        extensions.append(QString::fromUtf8(ext.c_str()));
    return extensions.join(' ');
}

// Rows drawn by the list itself: the selected one in the highlight colour with white
// text, the others black on the window colour, each cell on one line, cut with "...".
class CSyntaxRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* pPainter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        bool bSelected = option.state.testFlag(QStyle::State_Selected);
        pPainter->save();
        pPainter->fillRect(option.rect, bSelected ? option.palette.color(QPalette::Highlight)
                                                  : option.palette.color(QPalette::Base));
        pPainter->setPen(bSelected ? QColor(Qt::white) : QColor(Qt::black));
        QRect area = option.rect.adjusted(3, 0, -3, 0);
        QString text =
            option.fontMetrics.elidedText(index.data().toString(), Qt::ElideRight, area.width());
        pPainter->drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
        pPainter->restore();
    }

    // The edit covers the "File Types" cell only and keeps to its left edge.
    QWidget* createEditor(QWidget* pParent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* pEdit = new CInPlaceEdit(pParent);
        pEdit->setAccessibleName("File Types");
        return pEdit;
    }
    void updateEditorGeometry(QWidget* pEditor, const QStyleOptionViewItem& option,
                              const QModelIndex&) const override {
        pEditor->setGeometry(option.rect);
        if (auto* pEdit = qobject_cast<CInPlaceEdit*>(pEditor))
            pEdit->SetLeft(option.rect.left());
    }
};
} // namespace

CSyntaxAssociationDlg::CSyntaxAssociationDlg(CMirtParsers& parsers, QWidget* pParent)
    : QDialog(pParent), m_parsers(parsers) {
    setWindowTitle("File Types/Syntax Associations");
    m_pList = new QTreeWidget;
    m_pList->setAccessibleName("Syntax Associations");
    m_pList->setColumnCount(2);
    m_pList->setHeaderLabels({"Syntax", "File Types"});
    m_pList->setRootIsDecorated(false);
    m_pList->setAllColumnsShowFocus(true);
    m_pList->setSelectionMode(QAbstractItemView::SingleSelection);
    m_pList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pList->setItemDelegate(new CSyntaxRowDelegate(m_pList));
    m_pList->setWhatsThis("Each syntax with the file types (extensions without the dot, "
                          "lower case) whose files it checks.");
    for (size_t i = 0; i < parsers.GetSize(); ++i) {
        auto* pItem =
            new QTreeWidgetItem(m_pList, {QString::fromUtf8(parsers.GetAt(i)->GetName().c_str()),
                                          JoinedExtensions(*parsers.GetAt(i))});
        pItem->setFlags(pItem->flags() | Qt::ItemIsEditable);
    }
    m_pList->header()->resizeSection(0, kColumnWidth);
    FitFileTypes();
    // The list takes the focus, which marks its first row; that row is then the selected
    // one too, so that Edit does what the marked row suggests.
    if (m_pList->topLevelItemCount() > 0)
        m_pList->setCurrentItem(m_pList->topLevelItem(0));

    m_pEdit = new QPushButton("&Edit");
    m_pEdit->setWhatsThis("Edits the file types of the selected syntax.");
    m_pReset = new QPushButton("&Reset");
    m_pReset->setWhatsThis("Puts back every syntax's own file types.");
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* pSide = new QHBoxLayout;
    pSide->addWidget(m_pEdit);
    pSide->addWidget(m_pReset);
    pSide->addStretch();
    pSide->addWidget(pButtons);
    auto* pLayout = new QVBoxLayout(this);
    pLayout->addWidget(m_pList);
    pLayout->addLayout(pSide);
    connect(m_pEdit, &QPushButton::clicked, this, &CSyntaxAssociationDlg::OnEdit);
    connect(m_pReset, &QPushButton::clicked, this, &CSyntaxAssociationDlg::OnReset);
    connect(pButtons, &QDialogButtonBox::accepted, this, &CSyntaxAssociationDlg::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(420, 320);
    AddContextHelp(this);
}

void CSyntaxAssociationDlg::FitFileTypes() {
    m_pList->resizeColumnToContents(kFileTypes);
    m_pList->header()->resizeSection(
        kFileTypes, std::max(m_pList->header()->sectionSize(kFileTypes), kColumnWidth));
}

void CSyntaxAssociationDlg::OnEdit() {
    QTreeWidgetItem* pItem = m_pList->currentItem();
    if (pItem != nullptr && pItem->isSelected())
        m_pList->editItem(pItem, kFileTypes);
}

void CSyntaxAssociationDlg::OnReset() {
    for (int i = 0; i < m_pList->topLevelItemCount() && i < int(m_parsers.GetSize()); ++i)
        m_pList->topLevelItem(i)->setText(
            kFileTypes,
            QString::fromUtf8(
                m_parsers.GetAt(static_cast<size_t>(i))->GetDefaultExtensions().c_str()));
    FitFileTypes();
}

void CSyntaxAssociationDlg::accept() {
    for (int i = 0; i < m_pList->topLevelItemCount() && i < int(m_parsers.GetSize()); ++i)
        m_parsers.GetAt(static_cast<size_t>(i))
            ->SetExtensions(m_pList->topLevelItem(i)->text(kFileTypes).toStdString());
    QDialog::accept();
}
