// File opening for "Edit File".
#include "ui/FileOpener.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <cstdlib>
#include <functional>

namespace {
// Editors that draw in a terminal and have no window of their own.
const char* const kTerminalEditors[] = {"vi",  "vim", "nvim", "nano", "pico",  "ed",
                                        "joe", "jed", "ne",   "mg",   "micro", "mcedit",
                                        "kak", "hx",  "vis",  "jmacs"};

bool NeedsTerminal(const QStringList& command) {
    QString strName = QFileInfo(command.front()).fileName();
    for (const char* pszEditor : kTerminalEditors)
        if (strName == pszEditor)
            return true;
    return strName == "emacs" && command.contains("-nw");
}

QString TerminalProgram() {
    for (const char* pszTerminal : {"x-terminal-emulator", "xterm"}) {
        QString strPath = QStandardPaths::findExecutable(pszTerminal);
        if (!strPath.isEmpty())
            return strPath;
    }
    return "";
}
} // namespace

QStringList EditorCommand(const std::string& strPath, const char* pszVisual,
                          const char* pszEditor) {
    const char* pszChoice = (pszVisual && *pszVisual) ? pszVisual : pszEditor;
    if (pszChoice == nullptr || *pszChoice == '\0')
        return {};
    QStringList command = QProcess::splitCommand(QString::fromUtf8(pszChoice));
    if (command.isEmpty())
        return {};
    command.append(QString::fromUtf8(strPath.c_str()));
    if (!NeedsTerminal(command))
        return command;
    QString strTerminal = TerminalProgram();
    if (strTerminal.isEmpty())
        return {};
    return QStringList{strTerminal, "-e"} + command;
}

namespace {
bool StartEditor(const std::string& strPath) {
    QStringList command = EditorCommand(strPath, std::getenv("VISUAL"), std::getenv("EDITOR"));
    if (command.isEmpty())
        return false;
    QString strProgram = command.takeFirst();
    return QProcess::startDetached(strProgram, command);
}
} // namespace

void OpenFileInEditor(const std::string& strPath, QObject* pContext,
                      std::function<void()> onFailure) {
    auto* pOpener = new QProcess(pContext);
    auto fallBack = [pOpener, strPath, onFailure] {
        if (!StartEditor(strPath) && onFailure)
            onFailure();
        pOpener->deleteLater();
    };
    QObject::connect(pOpener, &QProcess::finished, pOpener,
                     [pOpener, fallBack](int nExitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || nExitCode != 0)
                             fallBack();
                         else
                             pOpener->deleteLater();
                     });
    QObject::connect(pOpener, &QProcess::errorOccurred, pOpener,
                     [fallBack](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart)
                             fallBack();
                     });
    pOpener->start("xdg-open", {QString::fromUtf8(strPath.c_str())});
}
