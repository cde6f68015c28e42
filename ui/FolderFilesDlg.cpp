// Select Folder dialog.
#include "ui/FolderFilesDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <filesystem>

#include "parsers/MirtParsers.h"
#include "platform/TextList.h"
#include "project/FolderScan.h"
#include "ui/ContextHelp.h"
#include "ui/FileDialogs.h"

namespace {
QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.c_str());
}

// "*.cpp;*.c;..." for a parser's extensions.
std::string MaskOf(const CMirtParser& parser) {
    std::string strMask;
    for (const std::string& ext : parser.m_extensions)
        strMask += (strMask.empty() ? "*." : ";*.") + ext;
    return strMask;
}

// The folder as a full path, so that the files found are named by full paths; one typed
// with a separator at its end scans to paths without a double one.
std::string FullFolderPath(const std::string& strTyped) {
    std::string strPath = std::filesystem::absolute(strTyped).lexically_normal().string();
    while (strPath.size() > 1 && strPath.back() == '/')
        strPath.pop_back();
    return strPath;
}
} // namespace

CFolderFilesDlg::CFolderFilesDlg(const CMirtParsers& parsers, CFileDialogs& dialogs,
                                 const std::string& strFolderPath, int32_t bIncludeSubfolders,
                                 const std::string& strFileMask, QWidget* pParent)
    : QDialog(pParent), m_strFolderPath(strFolderPath), m_bIncludeSubfolders(bIncludeSubfolders),
      m_strFileMask(strFileMask), m_dialogs(dialogs) {
    setWindowTitle("Select Folder");
    auto* pGrid = new QGridLayout(this);
    auto* pFolderLabel = new QLabel("Folder Path");
    m_pFolderEdit = new QLineEdit(FromUtf8(strFolderPath));
    m_pFolderEdit->setMinimumWidth(320);
    pFolderLabel->setBuddy(m_pFolderEdit);
    m_pBrowse = new QPushButton("...");
    m_pBrowse->setAccessibleName("...");
    pGrid->addWidget(pFolderLabel, 0, 0, 1, 2);
    pGrid->addWidget(m_pFolderEdit, 1, 0);
    pGrid->addWidget(m_pBrowse, 1, 1);
    m_pSubfolders = new QCheckBox("Include subfolders");
    m_pSubfolders->setChecked(bIncludeSubfolders != 0);
    pGrid->addWidget(m_pSubfolders, 2, 0, 1, 2);
    auto* pMaskLabel = new QLabel("File Mask");
    m_pMaskBox = new QComboBox;
    m_pMaskBox->setEditable(true);
    for (size_t i = 0; i < parsers.GetSize(); ++i)
        if (!parsers.GetAt(i)->m_extensions.empty())
            m_pMaskBox->addItem(FromUtf8(MaskOf(*parsers.GetAt(i))));
    m_pMaskBox->setEditText(FromUtf8(strFileMask));
    pMaskLabel->setBuddy(m_pMaskBox);
    pGrid->addWidget(pMaskLabel, 3, 0, 1, 2);
    pGrid->addWidget(m_pMaskBox, 4, 0, 1, 2);
    m_pFolderEdit->setWhatsThis("The folder whose files are added; \"...\" chooses one.");
    m_pSubfolders->setWhatsThis("Also the files of every folder below it, except those "
                                "whose names begin with a dot.");
    m_pMaskBox->setWhatsThis("The file masks, separated by blanks, commas or semicolons; "
                             "empty takes every file.");
    auto* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    pGrid->addWidget(pButtons, 5, 0, 1, 2);
    // A scan needs a folder: OK waits for one.
    QPushButton* pOk = pButtons->button(QDialogButtonBox::Ok);
    pOk->setEnabled(!m_pFolderEdit->text().trimmed().isEmpty());
    connect(m_pFolderEdit, &QLineEdit::textChanged, pOk,
            [pOk](const QString& text) { pOk->setEnabled(!text.trimmed().isEmpty()); });
    AddContextHelp(this);
    connect(pButtons, &QDialogButtonBox::accepted, this, &CFolderFilesDlg::accept);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_pBrowse, &QPushButton::clicked, this, &CFolderFilesDlg::OnBrowse);
}

void CFolderFilesDlg::OnBrowse() {
    std::string strFolder = m_dialogs.ChooseFolder(this, m_pFolderEdit->text().toStdString());
    if (!strFolder.empty())
        m_pFolderEdit->setText(FromUtf8(strFolder));
}

void CFolderFilesDlg::accept() {
    std::string strTyped = m_pFolderEdit->text().trimmed().toStdString();
    if (strTyped.empty())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_strFolderPath = FullFolderPath(strTyped);
    m_bIncludeSubfolders = m_pSubfolders->isChecked() ? 1 : 0;
    m_strFileMask = m_pMaskBox->currentText().toStdString();
    if (m_strFileMask.empty())
        m_strFileMask = "*.*";
    m_files.clear();
    ScanFolderMasks(m_files, m_strFolderPath, SplitList(m_strFileMask), m_bIncludeSubfolders != 0);
    QApplication::restoreOverrideCursor();
    QDialog::accept();
}
