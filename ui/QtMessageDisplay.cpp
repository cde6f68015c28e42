// Message boxes of the window.
#include "ui/QtMessageDisplay.h"

#include <QApplication>
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

bool OnUserInterfaceThread() {
    return qApp != nullptr && QThread::currentThread() == qApp->thread();
}
} // namespace

QMessageBox* MakeMessageBox(QWidget* pParent, const std::string& strText, unsigned nType) {
    auto* pBox = new QMessageBox(IconOf(nType), QString::fromLatin1(kCaption),
                                 QString::fromUtf8(strText.c_str()), ButtonsOf(nType), pParent);
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
    QPointer<QMessageBox> pBox = MakeMessageBox(QApplication::activeWindow(), strText, nType);
    pBox->setAttribute(Qt::WA_DeleteOnClose, false);
    int nButton = pBox->exec();
    delete pBox;
    return AnswerOf(nButton);
}
