// Splitting of typed lists.
#include "platform/TextList.h"

std::vector<std::string> SplitList(const std::string& strText) {
    std::vector<std::string> pieces;
    std::string piece;
    for (char c : strText + " ") {
        if (c == ' ' || c == ',' || c == ';') {
            if (!piece.empty())
                pieces.push_back(piece);
            piece.clear();
        } else {
            piece += c;
        }
    }
    return pieces;
}
