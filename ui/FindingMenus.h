// The menu items of one selected finding: the "Replace All" and "Replace This" popups
// with its first eight suggestions, and an "Ignore All in" item for each of its calls
// (at most 21). The "Edit" menu and the finding's context menu each hold a set.
#pragma once

#include <QAction>
#include <QMenu>
#include <QPointer>

#include <functional>
#include <vector>

class CSpellError;
struct SSelectionState;

constexpr int ID_REPLACE_ALL_FIRST = 32801;
constexpr int ID_REPLACE_THIS_FIRST = 32812;
constexpr int ID_IGNORE_CALLS_FIRST = 32823;
constexpr int MENU_SUGGESTIONS = 8;
constexpr int MENU_CALLS = 21;

class CFindingItems {
public:
    CFindingItems() = default;
    CFindingItems(const CFindingItems&) = delete;
    CFindingItems& operator=(const CFindingItems&) = delete;
    ~CFindingItems();

    // Takes out what the last Build put in. The items go later, since one of them may
    // be the one whose command is running.
    void Clear();
    // Puts the items for the selection's one finding before pBefore; nothing unless
    // exactly one finding row is selected. Each item sends its id and that finding to
    // onCommand, whatever is selected when it is chosen.
    using CCommand = std::function<void(int nId, CSpellError* pFinding)>;
    void Build(QMenu* pMenu, QAction* pBefore, const SSelectionState& state,
               const CCommand& onCommand);

private:
    // The menu may go first (a context menu is deleted when it closes), taking the items
    // with it.
    QPointer<QMenu> m_pMenu;
    std::vector<QPointer<QAction>> m_actions;
    std::vector<QPointer<QMenu>> m_popups;
};
