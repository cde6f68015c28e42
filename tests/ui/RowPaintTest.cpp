// What the delegate paints: the colours of a file row's texts, the red word and the
// green choice of a finding row, the light selection, and the cut that keeps the word
// in sight in a narrow column.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QImage>

#include "project/CheckOptions.h"
#include "tests/ui_support/UiFixture.h"
#include "ui/MirtView.h"
#include "ui/ResultsDelegate.h"
#include "ui/ResultsModel.h"

namespace {
const QColor kRed(240, 0, 0);
const QColor kGreen(0, 153, 0);
const QColor kBlue(0, 0, 153);

class RowPaint : public CUiTest {
protected:
    void TearDown() override {
        if (pView)
            pView->m_bClosing = true;
        pView.reset();
        CUiTest::TearDown();
    }
    // A view in a large font, so that text strokes show their colour unblended.
    CMirtView& View() {
        if (!pView) {
            pView = std::make_unique<CMirtView>(doc, app);
            QFont font = pView->font();
            font.setPixelSize(28);
            font.setBold(true);
            pView->setFont(font);
            pView->resize(1200, 300);
            pView->show();
            pView->OnInitialUpdate();
        }
        return *pView;
    }
    // Whether the colour occurs in the rectangle of the view's picture.
    bool Shows(const QColor& colour, const QRect& area) {
        QImage image = View().viewport()->grab().toImage();
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.rect().contains(x, y) && image.pixelColor(x, y) == colour)
                    return true;
        return false;
    }
    QRect Cell(int nRow, int nColumn) {
        return View().visualRect(View().GetModel().index(nRow, nColumn));
    }
    QRect Row(int nRow) {
        QRect first = Cell(nRow, 0);
        return QRect(0, first.top(), View().viewport()->width(), first.height());
    }

    std::unique_ptr<CMirtView> pView;
};
} // namespace

TEST(RowColours, TheRowColoursAreTheirOwn) {
    QPalette palette;
    palette.setColor(QPalette::Text, QColor(1, 2, 3));
    EXPECT_EQ(CResultsDelegate::Colour(ERowColour::Red, palette), kRed);
    EXPECT_EQ(CResultsDelegate::Colour(ERowColour::Green, palette), kGreen);
    EXPECT_EQ(CResultsDelegate::Colour(ERowColour::Blue, palette), kBlue);
    EXPECT_EQ(CResultsDelegate::Colour(ERowColour::Normal, palette), QColor(1, 2, 3));
}

TEST_F(RowPaint, AFileRowShowsReadOnlyInBlueAndItsErrorsInRed) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    Add("a.txt", "1:teh\n");
    Add("b.txt", "");
    Run();
    File(0)->m_bReadOnly = 1;
    View().FillList();
    EXPECT_TRUE(Shows(kBlue, Row(0)));
    EXPECT_TRUE(Shows(kRed, Row(0)));
    EXPECT_FALSE(Shows(kGreen, Row(0)));
    EXPECT_TRUE(Shows(kGreen, Row(1)));
    EXPECT_FALSE(Shows(kRed, Row(1)));
}

TEST_F(RowPaint, AFindingShowsItsWordInRedAndTheChoiceInGreen) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    Add("a.txt", "1:teh\n");
    Run();
    View().ToggleExpand(0, View().GetModel().GetFile(0));
    EXPECT_TRUE(Shows(kRed, Cell(1, CResultsModel::COLUMN_ERROR)));
    EXPECT_FALSE(Shows(kGreen, Cell(1, CResultsModel::COLUMN_SUGGESTIONS)));
    ASSERT_TRUE(doc.ChooseSuggestion(File(0)->m_errors[0], 1));
    View().viewport()->update();
    EXPECT_TRUE(Shows(kGreen, Cell(1, CResultsModel::COLUMN_SUGGESTIONS)));
}

TEST_F(RowPaint, ASelectedRowIsPaintedInTheLightenedHighlight) {
    Add("a.txt", "");
    Run();
    QPalette palette = View().palette();
    palette.setColor(QPalette::Highlight, QColor(51, 153, 255));
    View().setPalette(palette);
    View().SelectRow(0);
    QRect row = Row(0);
    EXPECT_TRUE(Shows(QColor(209, 231, 255), QRect(row.right() - 20, row.top() + 2, 10, 4)));
}

TEST_F(RowPaint, ALongLineIsCutOnTheLeftSoTheWordStaysInSight) {
    doc.m_options.m_nCheckOptions = MakeCheckOptions(CATEGORY_LANGUAGE, 0);
    std::string strLead(120, 'x');
    Add("a.txt", strLead + " 1:teh\n");
    Run();
    View().ToggleExpand(0, View().GetModel().GetFile(0));
    View().header()->resizeSection(CResultsModel::COLUMN_ERROR, 300);
    View().viewport()->update();
    EXPECT_TRUE(Shows(kRed, Cell(1, CResultsModel::COLUMN_ERROR)));
}
