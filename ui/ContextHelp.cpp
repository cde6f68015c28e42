// F1 help for dialog controls.
#include "ui/ContextHelp.h"

#include <QApplication>
#include <QShortcut>
#include <QWhatsThis>
#include <QWidget>

void AddContextHelp(QWidget* pDialog) {
    auto* pShortcut = new QShortcut(QKeySequence(Qt::Key_F1), pDialog);
    QObject::connect(pShortcut, &QShortcut::activated, pDialog, [pDialog] {
        QWidget* pFocus = QApplication::focusWidget();
        for (QWidget* p = pFocus; p != nullptr && p != pDialog; p = p->parentWidget())
            if (!p->whatsThis().isEmpty()) {
                QWhatsThis::showText(p->mapToGlobal(QPoint(0, p->height())), p->whatsThis(), p);
                return;
            }
    });
}
