// Writing chosen replacements back into the source files.
#include "project/WriteBack.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/AtomicFile.h"
#include "platform/FileStatus.h"
#include "project/LineReader.h"
#include "project/MirtAppContext.h"
#include "project/MirtDoc.h"
#include "project/PathListing.h"

namespace {
// A counting finding as it was when the write began, and what the write makes of it.
struct SPlannedChange {
    CRefPtr<CSpellError> pError;
    int32_t nPos = 0;
    std::string strWord;
    std::string strLine;
    std::string strReplacement;
    bool bReplace = false;
    bool bApplied = false; // written: leaves the file
    bool bMoved = false;   // on a rewritten line: new position and line text
};

using CPlannedLines = std::map<int32_t, std::vector<SPlannedChange*>>;

// The document's lock when there is one.
std::unique_lock<std::recursive_mutex> LockIfAny(std::recursive_mutex* pLock) {
    return pLock ? std::unique_lock<std::recursive_mutex>(*pLock)
                 : std::unique_lock<std::recursive_mutex>();
}

bool WriteAll(int fd, const char* p, size_t n) {
    while (n > 0) {
        ssize_t nWritten = write(fd, p, n);
        if (nWritten < 0 && errno == EINTR)
            continue;
        if (nWritten <= 0)
            return false;
        p += nWritten;
        n -= static_cast<size_t>(nWritten);
    }
    return true;
}

// Copies the source to a file that must not exist yet; a partial copy is removed.
bool CopyToNewFile(const std::string& strSource, const std::string& strTarget) {
    int in = open(strSource.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    struct stat st {};
    int out = fstat(in, &st) != 0 ? -1
                                  : open(strTarget.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                                         st.st_mode & 0777);
    bool bOk = out >= 0;
    char buffer[65536];
    while (bOk) {
        ssize_t n = read(in, buffer, sizeof(buffer));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            bOk = n == 0;
            break;
        }
        bOk = WriteAll(out, buffer, static_cast<size_t>(n));
    }
    close(in);
    if (out >= 0) {
        bOk = fsync(out) == 0 && bOk;
        bOk = close(out) == 0 && bOk;
        if (!bOk)
            unlink(strTarget.c_str());
    }
    return bOk;
}

// Applies the line's replacements from right to left. False when the line is not the
// one checked (or a word is not where it was found).
bool RewriteLine(std::string& strLine, std::vector<SPlannedChange*> collection) {
    for (size_t i = collection.size(); i-- > 0;) {
        SPlannedChange* p = collection[i];
        if (i + 1 == collection.size() && p->strLine != strLine)
            return false;
        if (!p->bReplace)
            continue;
        size_t nPos = static_cast<size_t>(p->nPos);
        if (p->nPos < 0 || nPos > strLine.size() ||
            strLine.compare(nPos, p->strWord.size(), p->strWord) != 0)
            return false;
        strLine =
            strLine.substr(0, nPos) + p->strReplacement + strLine.substr(nPos + p->strWord.size());
        auto nShift = static_cast<int32_t>(p->strReplacement.size()) -
                      static_cast<int32_t>(p->strWord.size());
        p->bApplied = true;
        collection.erase(collection.begin() + static_cast<std::ptrdiff_t>(i));
        for (SPlannedChange* q : collection) {
            if (q->nPos > p->nPos)
                q->nPos += nShift;
            q->strLine = strLine;
            q->bMoved = true;
        }
    }
    return true;
}

// Reads the source line by line and builds its new text; false when a line with
// findings is not the one checked, a finding lies past the end, or reading fails.
bool BuildNewText(const std::string& strPath, CPlannedLines& lines, std::string& strText) {
    CLineReader reader;
    if (!reader.Open(strPath))
        return false;
    std::string strLine, strLineEnd;
    int32_t nLine = 0;
    while (reader.ReadLine(strLine, strLineEnd)) {
        ++nLine;
        auto it = lines.find(nLine);
        if (it != lines.end() && !RewriteLine(strLine, it->second))
            return false;
        strText += strLine;
        strText += strLineEnd;
    }
    return !reader.HasError() && (lines.empty() || lines.rbegin()->first <= nLine);
}

// The file the path names, so that a link keeps pointing at the rewritten text.
std::string ResolvedPath(const std::string& strPath) {
    std::unique_ptr<char, decltype(&free)> pReal(realpath(strPath.c_str(), nullptr), &free);
    return pReal ? std::string(pReal.get()) : strPath;
}
} // namespace

bool CanOpenForWriting(const std::string& strPath) {
    if (IsReadOnlyFile(strPath))
        return false;
    int fd = open(strPath.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    bool bRegular = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    close(fd);
    return bRegular;
}

std::string FindBackupName(const std::string& strPath) {
    std::string strName = strPath + ".mirt";
    struct stat st {};
    for (unsigned n = 1; lstat(strName.c_str(), &st) == 0 && n < UINT_MAX; ++n)
        strName = strPath + ".mirt" + std::to_string(n);
    return strName;
}

namespace {
using CPlannedChanges = std::vector<std::unique_ptr<SPlannedChange>>;

// Takes the counting findings of the file, grouped by line in the file's order.
void PlanChanges(const CSpellFile& file, CPlannedChanges& planned, CPlannedLines& lines) {
    for (CSpellError* pError : file.m_errors) {
        if (!pError->IsCounting())
            continue;
        auto p = std::make_unique<SPlannedChange>();
        p->pError = CRefPtr<CSpellError>(pError);
        p->nPos = pError->m_nPos;
        p->strWord = pError->m_strWord;
        p->strLine = pError->GetLine();
        int32_t nChosen = pError->m_nChosen;
        if (nChosen >= 0 && static_cast<size_t>(nChosen) < pError->m_suggestions.size()) {
            p->bReplace = true;
            p->strReplacement = pError->m_suggestions[static_cast<size_t>(nChosen)];
        }
        lines[pError->m_nLine].push_back(p.get());
        planned.push_back(std::move(p));
    }
}

// Once the new text is in place: written findings leave the file, the others on a
// rewritten line take their new position and line text.
void TakeOffApplied(CSpellFile& file, const CPlannedChanges& planned) {
    for (const auto& p : planned) {
        CSpellError* pError = p->pError.get();
        if (p->bApplied) {
            auto it = std::find(file.m_errors.begin(), file.m_errors.end(), pError);
            if (it != file.m_errors.end()) {
                file.m_errors.erase(it);
                pError->Release();
            }
        } else if (p->bMoved) {
            pError->m_nPos = p->nPos;
            pError->SetLine(p->strLine);
        }
    }
}
} // namespace

bool CSpellFile::ApplyChanges(bool bMakeBackup, std::recursive_mutex* pLock) {
    CPlannedChanges planned;
    CPlannedLines lines;
    std::string strPath;
    {
        auto lock = LockIfAny(pLock);
        strPath = m_strPath;
        PlanChanges(*this, planned, lines);
    }
    std::string strText;
    if (!CanOpenForWriting(strPath) || !BuildNewText(strPath, lines, strText))
        return false;
    // The backup is made only once the file is known to be as checked; the writer
    // removes its temporary file on every way out before the commit.
    CAtomicFileWriter writer;
    if (!writer.Open(ResolvedPath(strPath)) || !writer.Write(strText))
        return false;
    if (bMakeBackup && !CopyToNewFile(strPath, FindBackupName(strPath)))
        return false;
    if (!writer.Commit())
        return false;
    SFileStatus status;
    bool bStatus = GetFileStatus(strPath, status);
    auto lock = LockIfAny(pLock);
    TakeOffApplied(*this, planned);
    if (bStatus) {
        m_tModified = status.tModified;
        m_tChecked = status.tModified;
    }
    return true;
}

// A file being checked must not change under the run, so nothing is written while a
// run is going on (the command is disabled then too).
bool CMirtDoc::SaveChanges() {
    if (IsRunActive())
        return false;
    return CWriteBack(*this).Run();
}

CWriteBack::CWriteBack(CMirtDoc& doc) : m_doc(doc) {}

bool CWriteBack::Run() {
    CollectFiles();
    if (!RefuseReadOnlyFiles() || !ConfirmModifiedFiles())
        return false;
    bool bBackup =
        m_doc.GetApp().MessageBox(
            "It is highly recommended to backup affected files.\nWould you like to make such "
            "backup?",
            MB_YESNO | MB_ICONQUESTION) == IDYES;
    for (const CRefPtr<CSpellFile>& pFile : m_update)
        if (!pFile->ApplyChanges(bBackup, &m_doc.GetLock()))
            m_failed.push_back(pFile->m_strPath);
    return Finish();
}

// Files with a pending change: those changed on disk after their check go on the
// modified list, the others (with their modification time read again) are updated.
void CWriteBack::CollectFiles() {
    std::vector<CRefPtr<CSpellFile>> candidates;
    {
        std::lock_guard<std::recursive_mutex> lock(m_doc.GetLock());
        for (CSpellFile* pFile : m_doc.m_files) {
            if (!pFile->HasPendingChanges())
                continue;
            if (pFile->m_tModified > pFile->m_tChecked && pFile->m_tChecked != 0)
                m_modified.push_back(pFile->m_strPath);
            else
                candidates.emplace_back(pFile);
        }
    }
    for (CRefPtr<CSpellFile>& pFile : candidates) {
        SFileStatus status;
        if (GetFileStatus(pFile->m_strPath, status)) {
            std::lock_guard<std::recursive_mutex> lock(m_doc.GetLock());
            pFile->m_tModified = status.tModified;
        }
        m_update.push_back(std::move(pFile));
    }
}

bool CWriteBack::RefuseReadOnlyFiles() {
    for (const CRefPtr<CSpellFile>& pFile : m_update)
        if (!CanOpenForWriting(pFile->m_strPath))
            m_failed.push_back(pFile->m_strPath);
    if (m_failed.empty())
        return true;
    m_doc.GetApp().MessageBox(
        "Unable to save changes.\nThe following files have Read-Only attribute:\n" +
            ListPathsForMessage(m_failed),
        MB_OK | MB_ICONEXCLAMATION);
    return false;
}

bool CWriteBack::ConfirmModifiedFiles() {
    if (m_modified.empty())
        return true;
    return m_doc.GetApp().MessageBox(
               "The following files was modified after the latest spell checking,\nthey would "
               "be excluded from update\n" +
                   ListPathsForMessage(m_modified) + "Would you like to proceed?",
               MB_YESNO | MB_ICONQUESTION) == IDYES;
}

bool CWriteBack::Finish() {
    if (m_failed.empty()) {
        m_doc.GetApp().MessageBox("All files updated successfully", MB_OK | MB_ICONINFORMATION);
        return true;
    }
    m_doc.GetApp().MessageBox("Unable to save changes to the files:\n" +
                                  ListPathsForMessage(m_failed) +
                                  "All other files updated successfully",
                              MB_OK | MB_ICONEXCLAMATION);
    return false;
}
