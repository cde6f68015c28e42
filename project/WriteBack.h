// The "Save changes" command: which files can be written, the questions before
// writing, the write of each file and the one message that tells the outcome.
#pragma once

#include <string>
#include <vector>

#include "project/RefCounter.h"
#include "project/SpellFile.h"

class CMirtDoc;

class CWriteBack {
public:
    explicit CWriteBack(CMirtDoc& doc);
    // True when every file selected for the update was written.
    [[nodiscard]] bool Run();

private:
    void CollectFiles();
    [[nodiscard]] bool RefuseReadOnlyFiles();
    [[nodiscard]] bool ConfirmModifiedFiles();
    [[nodiscard]] bool Finish();

    CMirtDoc& m_doc;
    std::vector<CRefPtr<CSpellFile>> m_update;
    std::vector<std::string> m_modified;
    std::vector<std::string> m_failed;
};

// A file this program may write in place: a regular file with a write permission bit
// that opens for writing (without being created or truncated). The permission bits
// are asked too, since root may open any file.
[[nodiscard]] bool CanOpenForWriting(const std::string& strPath);

// The first free backup name: the path with ".mirt", then ".mirt1", ".mirt2" ...
std::string FindBackupName(const std::string& strPath);
