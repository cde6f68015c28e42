// Results list: rows, expansion, selection, notifications, sorting and search.
#include "ui/MirtView.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>

#include <mutex>

#include "platform/SettingsStore.h"
#include "project/MirtAppContext.h"
#include "project/MirtDoc.h"
#include "project/RunMessage.h"
#include "ui/MirtResultsDlg.h"
#include "ui/NotificationQueue.h"
#include "ui/QtMessageDisplay.h"
#include "ui/ResultsDelegate.h"

namespace {
using CLock = std::lock_guard<std::recursive_mutex>;

constexpr int kNumberColumnWidth = 50;
constexpr int kInitialErrorColumnWidth = 100;
} // namespace

const char* const CMirtView::WELCOME_TEXT =
    "Welcome to MIRT.\n\nTo start new project please add files you want to check\nusing "
    "\"Add files...\" or \"Add folder...\" menu command.\n";

CMirtView::CMirtView(CMirtDoc& doc, CMirtAppContext& app, QWidget* pParent)
    : QTreeView(pParent), m_doc(doc), m_app(app), m_pModel(new CResultsModel(doc, this)),
      m_pDelegate(new CResultsDelegate(this)) {
    m_pQueue = new CNotificationQueue(
        [this](CNotificationQueue::CItem item) {
            if (auto* pNotification = std::get_if<SViewNotification>(&item))
                OnNotification(std::move(*pNotification));
            else
                ShowRunMessage(std::get<std::shared_ptr<CRunMessage>>(item));
        },
        this);
    setModel(m_pModel);
    setItemDelegate(m_pDelegate);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setIndentation(0);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    setMouseTracking(true);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(true);
    header()->resizeSection(CResultsModel::COLUMN_LINE, kNumberColumnWidth);
    header()->resizeSection(CResultsModel::COLUMN_POS, kNumberColumnWidth);
    header()->resizeSection(CResultsModel::COLUMN_ERROR, kInitialErrorColumnWidth);
    setAccessibleName("Results");
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CMirtView::OnSelectionChanged);
    m_doc.AddView(this);
}

CMirtView::~CMirtView() {
    m_doc.RemoveView(this);
}

void CMirtView::PostNotification(SViewNotification notification) {
    m_pQueue->Post(std::move(notification));
}

bool CMirtView::PostRunMessage(const std::shared_ptr<CRunMessage>& pMessage) {
    m_pQueue->Post(pMessage);
    return true;
}

// The box does not block this thread: the run waits for the answer, and the box goes
// away when the run is stopped or cancelled first.
void CMirtView::ShowRunMessage(const std::shared_ptr<CRunMessage>& pMessage) {
    if (pMessage->IsAnswered())
        return;
    QPointer<QMessageBox> pBox = MakeMessageBox(window(), pMessage->GetText(), pMessage->GetType());
    connect(pBox, &QMessageBox::finished, this,
            [pMessage](int nButton) { pMessage->Answer(AnswerOf(nButton)); });
    if (!pMessage->SetCloser([pBox] {
            QMetaObject::invokeMethod(
                qApp,
                [pBox] {
                    if (pBox)
                        pBox->reject();
                },
                Qt::QueuedConnection);
        })) {
        delete pBox;
        return;
    }
    pBox->open();
}

void CMirtView::OnInitialUpdate() {
    // A refusal (a run is active) is fine here: the list then shows the current order.
    static_cast<void>(m_doc.SortFiles(m_nSortCommand));
    m_filter.Reset();
    FillList();
}

void CMirtView::OnNotification(SViewNotification notification) {
    // What a former project's run sent belongs to a list that is gone.
    if (notification.nGeneration != m_doc.GetGeneration())
        return;
    m_strCurrentFile.clear();
    if (notification.nCode == NOTIFY_REBUILD) {
        if (notification.nArgument == 0)
            Rebuild();
        else
            FillList();
    } else if (notification.nCode == NOTIFY_FILE && notification.pFile) {
        UpdateFileRow(notification.pFile.get());
    }
    emit IdleMessageRequested();
    if (notification.nCode == NOTIFY_RUN_ENDED)
        OnRunEnded(notification.pStats.get());
}

void CMirtView::OnRunEnded(const SCheckStats* pStats) {
    if (pStats == nullptr || m_bClosing) {
        emit RunEnded();
        return;
    }
    int32_t nOptions;
    {
        CLock lock(m_doc.GetLock());
        nOptions = m_doc.m_options.m_nCheckOptions;
    }
    auto* pDialog = new CMirtResultsDlg(*pStats, nOptions, this);
    pDialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(pDialog, &QDialog::finished, this, [this, pDialog] {
        bool bReport = pDialog->m_bReportRequested;
        m_doc.RefreshFiles(true);
        if (bReport)
            emit ReportRequested();
    });
    pDialog->open();
    emit ResultsDialogOpened(pDialog);
    emit RunEnded();
}

CResultsModel::CRows CMirtView::FindingRows(CSpellFile* pFile) {
    CResultsModel::CRows rows;
    for (CSpellError* pError : pFile->m_errors)
        if (pError->IsCounting() && pError->m_bVisible)
            rows.push_back(std::make_unique<SListItemDataSpellError>(pError, pFile));
    return rows;
}

bool CMirtView::ApplyFilter(CSpellFile& file) {
    CLock lock(m_doc.GetLock());
    m_filter.Apply(file);
    return file.m_bVisible != 0;
}

void CMirtView::FillList() {
    // The rows go; an edit on one of them ends first, keeping its text.
    EndEdit();
    CResultsModel::CRows rows;
    bool bHasFiles;
    {
        CLock lock(m_doc.GetLock());
        bHasFiles = !m_doc.m_files.empty();
        for (CSpellFile* pFile : m_doc.m_files) {
            if (!ApplyFilter(*pFile))
                continue;
            rows.push_back(std::make_unique<SListItemDataFile>(pFile));
            if (pFile->m_bExpanded) {
                CResultsModel::CRows findings = FindingRows(pFile);
                std::move(findings.begin(), findings.end(), std::back_inserter(rows));
            }
        }
    }
    m_pModel->ResetRows(std::move(rows));
    FitColumns();
    header()->setEnabled(bHasFiles);
    setAccessibleDescription(bHasFiles ? QString() : QString::fromLatin1(WELCOME_TEXT));
    viewport()->update();
    emit IdleMessageRequested();
}

// "Spelling error" takes half the width on every rebuild; "Suggestions", the last
// section, stretches over what is left whenever the view changes its size.
void CMirtView::FitColumns() {
    header()->resizeSection(CResultsModel::COLUMN_ERROR, viewport()->width() / 2);
}

// The list is first filled before the window has its size.
void CMirtView::showEvent(QShowEvent* pEvent) {
    QTreeView::showEvent(pEvent);
    FitColumns();
}

void CMirtView::ToggleExpand(int nRow, CSpellFile* pFile) {
    CResultsModel::CRows findings;
    bool bExpanded;
    {
        CLock lock(m_doc.GetLock());
        pFile->m_bExpanded = pFile->m_bExpanded ? 0 : 1;
        bExpanded = pFile->m_bExpanded != 0;
        if (bExpanded)
            findings = FindingRows(pFile);
    }
    m_pModel->RowChanged(nRow);
    if (bExpanded) {
        m_pModel->InsertRows(nRow + 1, std::move(findings));
        return;
    }
    int nEnd = nRow + 1;
    while (nEnd < m_pModel->GetSize() && m_pModel->GetItem(nEnd)->IsErrorRow())
        ++nEnd;
    m_pModel->RemoveRows(nRow + 1, nEnd - nRow - 1);
}

void CMirtView::SaveSelection() {
    int nRow = FirstSelectedRow();
    m_strSelectionKey.clear();
    m_nSelectionLine = m_nSelectionPos = -1;
    m_nSelectionTop = -1;
    if (nRow < 0)
        return;
    m_strSelectionKey = m_pModel->GetItem(nRow)->GetKey();
    m_nSelectionTop = visualRect(m_pModel->index(nRow, 0)).top();
    if (CSpellError* pError = m_pModel->GetError(nRow)) {
        CLock lock(m_doc.GetLock());
        m_nSelectionLine = pError->m_nLine;
        m_nSelectionPos = pError->m_nPos;
    }
}

void CMirtView::RestoreSelection() {
    if (m_strSelectionKey.empty() || m_pModel->GetSize() == 0)
        return;
    // The rows' places after the rebuild, which the list otherwise works out later.
    executeDelayedItemsLayout();
    int nRow = m_pModel->FindRow(m_strSelectionKey);
    if (nRow < 0)
        return;
    int nLast = m_pModel->GetSize() - 1;
    int nSelect = nRow;
    if (m_nSelectionLine >= 0 && nRow < nLast) {
        CLock lock(m_doc.GetLock());
        int i = nRow + 1;
        for (;; ++i) {
            const CSpellError* pError = m_pModel->GetError(i);
            if (pError == nullptr || pError->m_nLine > m_nSelectionLine ||
                (pError->m_nLine == m_nSelectionLine && pError->m_nPos >= m_nSelectionPos) ||
                i == nLast)
                break;
        }
        nSelect = m_pModel->GetItem(i)->IsErrorRow() ? i : nRow;
    }
    SelectRow(nSelect);
    QModelIndex index = m_pModel->index(nSelect, 0);
    scrollTo(index);
    if (m_nSelectionTop >= 0)
        verticalScrollBar()->setValue(verticalScrollBar()->value() + visualRect(index).top() -
                                      m_nSelectionTop);
}

void CMirtView::Rebuild() {
    SaveSelection();
    FillList();
    RestoreSelection();
}

void CMirtView::UpdateFileRow(CSpellFile* pFile) {
    int32_t nStatus;
    std::string strPath;
    {
        CLock lock(m_doc.GetLock());
        nStatus = pFile->m_nStatus;
        strPath = pFile->m_strPath;
    }
    if (nStatus == STATUS_CHECKING)
        m_strCurrentFile = strPath;
    int nRow = m_pModel->FindFileRow(strPath);
    if (nRow >= 0) {
        m_pModel->RowChanged(nRow);
        return;
    }
    // A file that left the project meanwhile is not listed again.
    if (nStatus != STATUS_CHECKED || pFile->m_bRemoved)
        return;
    if (!ApplyFilter(*pFile))
        return;
    CResultsModel::CRows rows;
    rows.push_back(std::make_unique<SListItemDataFile>(pFile));
    m_pModel->InsertRows(m_pModel->GetSize(), std::move(rows));
}

void CMirtView::SortFiles(int32_t nCommand) {
    if (m_doc.IsRunActive() || nCommand == m_nSortCommand || !IsSortOrder(nCommand))
        return;
    if (!m_doc.SortFiles(nCommand))
        return;
    m_nSortCommand = nCommand;
    Rebuild();
}

void CMirtView::SetFilter(const CResultFilter& filter) {
    m_filter.CopyFrom(filter);
    Rebuild();
}

int CMirtView::FirstSelectedRow() const {
    std::vector<int> rows = SelectedRows();
    return rows.empty() ? -1 : rows.front();
}

std::vector<int> CMirtView::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void CMirtView::SelectRow(int nRow) {
    QModelIndex index = m_pModel->index(nRow, 0);
    selectionModel()->select(index,
                             QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

bool CMirtView::IsEmptyProject() const {
    CLock lock(m_doc.GetLock());
    return m_doc.m_files.empty();
}

int CMirtView::FileRowOf(int nRow) const {
    while (nRow > 0 && m_pModel->GetItem(nRow)->IsErrorRow())
        --nRow;
    return nRow;
}

std::string CMirtView::SelectionStatusText() const {
    std::vector<int> rows = SelectedRows();
    if (rows.size() != 1)
        return "";
    int nRow = rows.front();
    if (m_pModel->GetItem(nRow)->IsErrorRow())
        return FindingStatusText(m_pModel->FindingView(nRow));
    SFileRowView file = m_pModel->FileView(nRow);
    const CMirtParser* pParser = m_app.m_parsers.FindById(file.nSyntax);
    return FileStatusText(file, pParser && file.nSyntax != -1 ? pParser->GetName() : "");
}

void CMirtView::OnSelectionChanged() {
    // Moving away (Find Next, Next Error) ends the edit; its text stays with its finding.
    if (m_bEditRequested && m_pEditedError &&
        (SelectedRows().size() != 1 || SingleSelectedFinding() != m_pEditedError.get()))
        EndEdit();
    std::string strText = SelectionStatusText();
    if (!strText.empty())
        emit MessageText(QString::fromUtf8(strText.c_str()));
    emit SelectionChanged();
}

void CMirtView::drawRow(QPainter* pPainter, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const {
    if (m_pModel->GetItem(index.row())->IsErrorRow()) {
        QTreeView::drawRow(pPainter, option, index);
        return;
    }
    // A file row is drawn across every column.
    QStyleOptionViewItem rowOption = option;
    int nLeft = columnViewportPosition(0);
    int nLastColumn = CResultsModel::COLUMN_COUNT - 1;
    int nRight = columnViewportPosition(nLastColumn) + columnWidth(nLastColumn);
    rowOption.rect = QRect(nLeft, option.rect.top(), nRight - nLeft, option.rect.height());
    if (selectionModel()->isRowSelected(index.row(), QModelIndex()))
        rowOption.state |= QStyle::State_Selected;
    else
        rowOption.state &= ~QStyle::State_Selected;
    m_pDelegate->paint(pPainter, rowOption, m_pModel->index(index.row(), 0));
}

void CMirtView::paintEvent(QPaintEvent* pEvent) {
    if (!IsEmptyProject()) {
        QTreeView::paintEvent(pEvent);
        return;
    }
    PaintWelcome();
}

// An empty project shows a welcome in the colours of an inactive window's title.
void CMirtView::PaintWelcome() {
    QPainter painter(viewport());
    QRect area = viewport()->rect();
    QLinearGradient gradient(area.topLeft(), area.topRight());
    gradient.setColorAt(0, palette().color(QPalette::Inactive, QPalette::Dark));
    gradient.setColorAt(1, palette().color(QPalette::Inactive, QPalette::Mid));
    painter.fillRect(area, gradient);
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setPointSizeF(font.pointSizeF() * 1.5);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(palette().color(QPalette::Inactive, QPalette::BrightText));
    int nTop = 2 * header()->height();
    painter.drawText(area.adjusted(8, nTop, -8, 0),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                     QString::fromLatin1(WELCOME_TEXT));
}

// Every click selects its row first (and so ends an edit in progress).
void CMirtView::mousePressEvent(QMouseEvent* pEvent) {
    QTreeView::mousePressEvent(pEvent);
    QModelIndex index = indexAt(pEvent->position().toPoint());
    if (!index.isValid() || pEvent->button() != Qt::LeftButton)
        return;
    int nRow = index.row();
    if (m_pModel->GetItem(nRow)->IsErrorRow()) {
        ChooseSuggestionUnder(pEvent->position().toPoint());
        return;
    }
    int x = pEvent->position().toPoint().x() - columnViewportPosition(0);
    if (x < visualRect(index).height())
        ToggleExpand(nRow, m_pModel->GetFile(nRow));
}

void CMirtView::mouseDoubleClickEvent(QMouseEvent* pEvent) {
    QModelIndex index = indexAt(pEvent->position().toPoint());
    if (index.isValid() && !m_pModel->GetItem(index.row())->IsErrorRow()) {
        ToggleExpand(index.row(), m_pModel->GetFile(index.row()));
        return;
    }
    QTreeView::mouseDoubleClickEvent(pEvent);
}

void CMirtView::keyPressEvent(QKeyEvent* pEvent) {
    int nKey = pEvent->key();
    int nSelected = currentIndex().isValid() && selectionModel()->isSelected(currentIndex())
                        ? currentIndex().row()
                        : FirstSelectedRow();
    if ((nKey == Qt::Key_Right || nKey == Qt::Key_Left) && pEvent->modifiers() == Qt::NoModifier &&
        nSelected >= 0) {
        int nFileRow = FileRowOf(nSelected);
        CSpellFile* pFile = m_pModel->GetFile(nFileRow);
        bool bExpanded;
        {
            CLock lock(m_doc.GetLock());
            bExpanded = pFile->m_bExpanded != 0;
        }
        if (bExpanded == (nKey == Qt::Key_Left))
            ToggleExpand(nFileRow, pFile);
        SelectRow(nFileRow);
    }
    QTreeView::keyPressEvent(pEvent);
}

bool CMirtView::Matches(int nRow, const std::string& strText) const {
    CLock lock(m_doc.GetLock());
    const CSpellError* pError = m_pModel->GetError(nRow);
    return pError != nullptr && pError->MatchesText(strText);
}

// Expands a collapsed file whose visible findings hold a match and selects the first.
bool CMirtView::FindInCollapsedFile(int nRow, const std::string& strText) {
    CSpellFile* pFile = m_pModel->GetFile(nRow);
    int nCount = 0;
    bool bFound = false;
    {
        CLock lock(m_doc.GetLock());
        if (pFile->m_bExpanded)
            return false;
        for (const CSpellError* pError : pFile->m_errors) {
            if (!pError->IsCounting() || !pError->m_bVisible)
                continue;
            ++nCount;
            if (pError->MatchesText(strText)) {
                bFound = true;
                break;
            }
        }
    }
    if (!bFound)
        return false;
    ToggleExpand(nRow, pFile);
    SelectRow(nRow + nCount);
    return true;
}

void CMirtView::Find(bool bForward, const std::string& strText) {
    m_app.GetSettings().WriteString("", "LastSearch", strText);
    int nSize = m_pModel->GetSize();
    if (nSize == 0)
        return;
    int nStart = std::max(FirstSelectedRow(), 0);
    selectionModel()->clearSelection();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    int i = nStart;
    bool bFound = false;
    for (;;) {
        i = bForward ? (i + 1) % nSize : (i + nSize - 1) % nSize;
        if (i == nStart)
            break;
        if (m_pModel->GetItem(i)->IsErrorRow()) {
            if (Matches(i, strText)) {
                SelectRow(i);
                bFound = true;
                break;
            }
        } else if (FindInCollapsedFile(i, strText)) {
            bFound = true;
            break;
        }
    }
    QApplication::restoreOverrideCursor();
    if (!bFound) {
        m_app.MessageBox("Nothing found", MB_OK);
        return;
    }
    scrollTo(currentIndex());
}
