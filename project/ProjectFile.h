// The project file (".mrk"): format version 5 written, versions 0 to 5 read.
#pragma once

#include <string>

class CArchiveReader;
class CArchiveWriter;
class CMirtDoc;

void StoreProject(const CMirtDoc& doc, CArchiveWriter& ar);
// Deletes the document's contents and loads the stream into it. False when the stream
// is truncated or malformed; the reader then holds the reason.
[[nodiscard]] bool LoadProject(CMirtDoc& doc, CArchiveReader& ar);
// Reads the project file at the path into the document. False, with the message for
// the user, when it is not a regular file (a device or a pipe would be read for ever),
// cannot be opened, or does not read as a project.
[[nodiscard]] bool ReadProjectFile(CMirtDoc& doc, const std::string& strPath,
                                   std::string& strMessage);
