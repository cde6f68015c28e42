// Message boxes of the window.
#include "ui/QtMessageDisplay.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QThread>

namespace {
// The caption of every message box: the application's title.
const char* const kCaption = "Mirtora";

QMessageBox::StandardButtons ButtonsOf(unsigned nType) {
    switch (nType & 0x0F) {
    case MB_OKCANCEL:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNOCANCEL:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MB_YESNO:
        return QMessageBox::Yes | QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon IconOf(unsigned nType) {
    switch (nType & 0xF0) {
    case MB_ICONSTOP:
        return QMessageBox::Critical;
    case MB_ICONQUESTION:
        return QMessageBox::Question;
    case MB_ICONEXCLAMATION:
        return QMessageBox::Warning;
    case MB_ICONINFORMATION:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// A Yes/No question has no way out but its two buttons, as on the platform it was made
// for: Escape or the title bar's close would answer No, and to the backup question
// that means writing the sources without one.
class CQuestionBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent* pEvent) override {
        if (pEvent->key() == Qt::Key_Escape && pEvent->modifiers() == Qt::NoModifier) {
            pEvent->accept();
            return;
        }
        QMessageBox::keyPressEvent(pEvent);
    }
    void closeEvent(QCloseEvent* pEvent) override {
        if (clickedButton() == nullptr)
            pEvent->ignore();
        else
            QMessageBox::closeEvent(pEvent);
    }
};

bool OnUserInterfaceThread() {
    return qApp != nullptr && QThread::currentThread() == qApp->thread();
}
} // namespace

QMessageBox* MakeMessageBox(QWidget* pParent, const std::string& strText, unsigned nType,
                            bool bAnswerRequired) {
    QMessageBox* pBox = nullptr;
    QString strCaption = QString::fromLatin1(kCaption);
    QString strMessage = QString::fromUtf8(strText.c_str());
    if (bAnswerRequired && (nType & 0x0F) == MB_YESNO)
        pBox = new CQuestionBox(IconOf(nType), strCaption, strMessage, ButtonsOf(nType), pParent);
    else
        pBox = new QMessageBox(IconOf(nType), strCaption, strMessage, ButtonsOf(nType), pParent);
    pBox->setAttribute(Qt::WA_DeleteOnClose);
    return pBox;
}

int AnswerOf(int nButton) {
    switch (nButton) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    default:
        return IDOK;
    }
}

int CQtMessageDisplay::ShowMessage(const std::string& strText, unsigned nType, unsigned) {
    if (!OnUserInterfaceThread()) {
        if (qApp != nullptr)
            QMetaObject::invokeMethod(
                qApp, [strText, nType] { MakeMessageBox(nullptr, strText, nType)->open(); },
                Qt::QueuedConnection);
        unsigned nButtons = nType & 0x0F;
        if (nButtons == MB_OK)
            return IDOK;
        return nButtons == MB_YESNO ? IDNO : IDCANCEL;
    }
    QPointer<QMessageBox> pBox = MakeMessageBox(QApplication::activeWindow(), strText, nType, true);
    pBox->setAttribute(Qt::WA_DeleteOnClose, false);
    int nButton = pBox->exec();
    delete pBox;
    return AnswerOf(nButton);
}
