// The project file (".mrk"): format version 5 written, versions 0 to 5 read.
#pragma once

class CArchiveReader;
class CArchiveWriter;
class CMirtDoc;

void StoreProject(const CMirtDoc& doc, CArchiveWriter& ar);
// Deletes the document's contents and loads the stream into it. False when the stream
// is truncated or malformed; the reader then holds the reason.
[[nodiscard]] bool LoadProject(CMirtDoc& doc, CArchiveReader& ar);
