// The toolkit's file dialogs.
#include "ui/FileDialogs.h"

#include <QFileDialog>

namespace {
QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.c_str());
}

std::string FirstSelected(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return "";
    return dialog.selectedFiles().front().toStdString();
}
} // namespace

std::string CFileDialogs::ChooseProject(QWidget* pParent, bool bSave,
                                        const std::string& strInitial) {
    QFileDialog dialog(pParent, bSave ? "Save As" : "Open", FromUtf8(strInitial));
    dialog.setAcceptMode(bSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(bSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QString strFilter = "MIRT Files (*.mrk)";
    dialog.setNameFilters(bSave ? QStringList{strFilter} : QStringList{strFilter, "All Files (*)"});
    dialog.setDefaultSuffix("mrk");
    return FirstSelected(dialog);
}

std::vector<std::string> CFileDialogs::ChooseFilesToAdd(QWidget* pParent,
                                                        const QStringList& filters, int& nFilter) {
    QFileDialog dialog(pParent, "Add Files");
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters(filters);
    if (nFilter >= 0 && nFilter < filters.size())
        dialog.selectNameFilter(filters[nFilter]);
    std::vector<std::string> paths;
    if (dialog.exec() != QDialog::Accepted)
        return paths;
    nFilter = static_cast<int>(filters.indexOf(dialog.selectedNameFilter()));
    for (const QString& path : dialog.selectedFiles())
        paths.push_back(path.toStdString());
    return paths;
}

std::string CFileDialogs::ChooseReport(QWidget* pParent) {
    QFileDialog dialog(pParent, "Create Error Report");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({"HTML Files (*.html)"});
    dialog.setDefaultSuffix("html");
    return FirstSelected(dialog);
}

std::string CFileDialogs::ChooseFolder(QWidget* pParent, const std::string& strInitial) {
    return QFileDialog::getExistingDirectory(pParent, "Select Folder", FromUtf8(strInitial))
        .toStdString();
}

std::string CFileDialogs::ChooseWordList(QWidget* pParent) {
    QFileDialog dialog(pParent, "Export Word List");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({"Text Files (*.txt)"});
    dialog.setDefaultSuffix("txt");
    return FirstSelected(dialog);
}
