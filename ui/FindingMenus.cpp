// Menu items of one finding.
#include "ui/FindingMenus.h"

#include "ui/MirtView.h"
#include "ui/RowText.h"

namespace {
QString MenuText(const std::string& strText) {
    return QString::fromUtf8(DoubleAmpersands(strText).c_str());
}
} // namespace

CFindingItems::~CFindingItems() {
    Clear();
}

void CFindingItems::Clear() {
    for (const QPointer<QAction>& pAction : m_actions) {
        if (!pAction)
            continue;
        if (m_pMenu)
            m_pMenu->removeAction(pAction);
        pAction->deleteLater();
    }
    for (const QPointer<QMenu>& pPopup : m_popups) {
        if (!pPopup)
            continue;
        if (m_pMenu)
            m_pMenu->removeAction(pPopup->menuAction());
        pPopup->deleteLater();
    }
    m_actions.clear();
    m_popups.clear();
    m_pMenu = nullptr;
}

void CFindingItems::Build(QMenu* pMenu, QAction* pBefore, const SSelectionState& state,
                          const CCommand& onCommand) {
    Clear();
    if (!state.bOneFinding)
        return;
    m_pMenu = pMenu;
    const SFindingRowView& finding = state.findings.front();
    auto addItem = [&](QMenu* pTo, QAction* pAt, int nId, const QString& text, bool bChecked) {
        auto* pAction = new QAction(text, pTo);
        pAction->setData(nId);
        pAction->setCheckable(true);
        pAction->setChecked(bChecked);
        QObject::connect(
            pAction, &QAction::triggered, pAction,
            [onCommand, nId, pFinding = state.pFinding] { onCommand(nId, pFinding.get()); });
        pTo->insertAction(pAt, pAction);
        if (pTo == pMenu)
            m_actions.push_back(pAction);
    };
    const auto& suggestions = finding.suggestions;
    const size_t nShown = std::min<size_t>(suggestions.size(), MENU_SUGGESTIONS);
    auto chosenIs = [&](const std::string& text) {
        return finding.nChosen >= 0 && static_cast<size_t>(finding.nChosen) < suggestions.size() &&
               suggestions[static_cast<size_t>(finding.nChosen)] == text;
    };
    for (bool bAll : {true, false}) {
        QString strTitle = QString(bAll ? "Replace All '" : "Replace This '") +
                           MenuText(finding.strWord) + "' with";
        auto* pPopup = new QMenu(strTitle, pMenu);
        for (size_t i = 0; i < nShown; ++i) {
            // Replace All is checked when the rule holds this text and the finding took it.
            bool bChecked =
                bAll ? state.rule && *state.rule == suggestions[i] && chosenIs(suggestions[i])
                     : static_cast<int32_t>(i) == finding.nChosen;
            addItem(pPopup, nullptr,
                    (bAll ? ID_REPLACE_ALL_FIRST : ID_REPLACE_THIS_FIRST) + static_cast<int>(i),
                    MenuText(suggestions[i]), bChecked);
        }
        pMenu->insertMenu(pBefore, pPopup);
        m_popups.push_back(pPopup);
    }
    for (size_t i = 0; i < finding.calls.size() && i < MENU_CALLS; ++i)
        addItem(pMenu, pBefore, ID_IGNORE_CALLS_FIRST + int(i),
                "Ignore All in '" + MenuText(finding.calls[i]) + "'", state.callsIgnored[i]);
}
