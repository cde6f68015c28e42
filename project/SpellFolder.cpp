// Folder record's stored form: path, include-subfolders flag, mask.
#include "project/SpellFolder.h"

#include "platform/Archive.h"

void CSpellFolder::Store(CArchiveWriter& ar) const {
    ar.WriteString(m_strPath);
    ar.WriteInt32(m_bIncludeSubfolders);
    ar.WriteString(m_strMask);
}

bool CSpellFolder::Load(CArchiveReader& ar) {
    return ar.ReadString(m_strPath) && ar.ReadInt32(m_bIncludeSubfolders) &&
           ar.ReadString(m_strMask);
}
