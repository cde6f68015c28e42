// Main window test ground.
#include "tests/ui_support/FrameFixture.h"

#include <QAction>
#include <QMenu>

#include <algorithm>

#include "ui/CommandIds.h"
#include "ui/MainFrame.h"
#include "ui/MirtResultsDlg.h"
#include "ui/MirtView.h"
#include "ui/ResultsModel.h"

void CFrameTest::TearDown() {
    if (pFrame)
        pFrame->GetView()->m_bClosing = true;
    pFrame.reset();
    CUiTest::TearDown();
}

CMainFrame& CFrameTest::Frame() {
    if (!pFrame) {
        pFrame = std::make_unique<CMainFrame>(doc, app, recent);
        pFrame->SetFileDialogs(pDialogs);
        pFrame->resize(900, 500);
        pFrame->show();
    }
    return *pFrame;
}

CMirtView& CFrameTest::View() {
    return *Frame().GetView();
}

CResultsModel& CFrameTest::Model() {
    return View().GetModel();
}

QAction* CFrameTest::Action(int nId) {
    return Frame().GetAction(nId);
}

CFrameTest::Strings CFrameTest::MenuTexts(const QString& strTitle) {
    QMenu* pMenu = Frame().GetMenu(strTitle);
    EXPECT_NE(pMenu, nullptr) << strTitle.toStdString();
    return pMenu ? MenuTexts(pMenu) : Strings{};
}

CFrameTest::Strings CFrameTest::MenuTexts(const QMenu* pMenu) {
    Strings texts;
    for (QAction* pAction : pMenu->actions())
        texts.push_back(pAction->isSeparator() ? "" : pAction->text().toStdString());
    return texts;
}

QMenu* CFrameTest::Popup(const QMenu* pMenu, const QString& strTitleStart) {
    for (QAction* pAction : pMenu->actions())
        if (pAction->menu() && pAction->text().startsWith(strTitleStart))
            return pAction->menu();
    return nullptr;
}

void CFrameTest::CloseResults() {
    CMirtResultsDlg* pDialog = nullptr;
    EXPECT_TRUE(WaitFor([&] {
        pDialog = View().findChild<CMirtResultsDlg*>();
        return pDialog != nullptr && pDialog->isVisible();
    }));
    if (pDialog)
        pDialog->reject();
}

CFrameTest::Strings CFrameTest::Rows() {
    Strings rows;
    CResultsModel& model = Model();
    for (int i = 0; i < model.GetSize(); ++i) {
        if (CSpellError* e = model.GetError(i))
            rows.push_back("  " + e->m_strWord + " " + std::to_string(e->m_nLine) + ":" +
                           std::to_string(e->m_nPos));
        else
            rows.push_back(model.GetFile(i)->GetDisplayName());
    }
    return rows;
}

int CFrameTest::RowOf(const std::string& strRow) {
    Strings rows = Rows();
    auto it = std::find(rows.begin(), rows.end(), strRow);
    return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
}

void CFrameTest::Select(const Strings& rows) {
    bool bFirst = true;
    for (const std::string& strRow : rows) {
        int nRow = RowOf(strRow);
        EXPECT_GE(nRow, 0) << strRow;
        if (nRow < 0)
            continue;
        QModelIndex index = Model().index(nRow, 0);
        auto flags = QItemSelectionModel::Select | QItemSelectionModel::Rows;
        if (bFirst)
            flags |= QItemSelectionModel::Clear;
        View().selectionModel()->select(index, flags);
        View().selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        bFirst = false;
    }
}

void CFrameTest::ExpandAll() {
    Frame().OnCommand(ID_EXPAND_ALL);
}
