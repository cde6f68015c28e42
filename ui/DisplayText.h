// Bytes of a source or a path as the window shows them.
#pragma once

#include <QString>
#include <string>

// UTF-8 where the bytes are UTF-8; otherwise each byte as its Latin-1 character, so
// that a source in a legacy encoding reads as written instead of as replacement marks.
QString DisplayText(const std::string& text);
