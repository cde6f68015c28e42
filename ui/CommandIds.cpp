// Command prompts.
#include "ui/CommandIds.h"

#include <iterator>

namespace {
struct SPrompt {
    int nId;
    const char* pszText;
};

constexpr SPrompt kPrompts[] = {
    {ID_ADD_FILES, "Add files\nAdd files"},
    {ID_ADD_FOLDER, "Add folder\nAdd folder"},
    {ID_RUN, "Run\nRun"},
    {ID_SAVE_CHANGES, "Save all changes\nSave changes"},
    {ID_EDIT_FILE, "Edit file\nEdit file"},
    {ID_REMOVE_FILE, "Remove file\nRemove file"},
    {ID_IGNORE, "Ignore\nIgnore"},
    {ID_ADD_SUGGESTION, "Add Suggestion\nAdd Suggestion"},
    {ID_CREATE_REPORT, "Create Error Report\nCreate Error Report"},
    {ID_VIEW_DICTIONARY, "View Dictionary\nView Dictionary"},
    {ID_SHOW_ONLY_WORD, "Show all only errors for selected word\nOnly selected word errors"},
    {ID_PREVIOUS_ERROR, "Previous error\nPrevious error"},
    {ID_NEXT_ERROR, "Next error\nNext error"},
    {ID_EXPAND_ALL, "Expand all errors\nExpand all errors"},
    {ID_COLLAPSE_ALL, "Collapse all errors\nCollapse all errors"},
    {ID_OPTIONS, "Options\nOptions"},
    {32790, "Sort by Add Order\nAdd Order"},
    {32791, "Sort by Last Check Date\nLast Check Date"},
    {32792, "Sort by Modification Date\nModification Date"},
    {32793, "Sort by Number of Errors\nNumber of Errors"},
    {32794, "Sort by File Name\nFile Name"},
    {32795, "Sort by File Type\nFile Type"},
    {ID_SYNTAX_ASSOCIATIONS, "Setup Syntax Associations\nSyntax Associations"},
    {ID_SUPPORT, "Contact Customer Support\nContact Customer Support"},
    // The standard commands' own texts.
    {ID_FILE_NEW, "Create a new document\nNew"},
    {ID_FILE_OPEN, "Open an existing document\nOpen"},
    {ID_FILE_SAVE, "Save the active document\nSave"},
    {ID_EDIT_UNDO, "Undo the last action\nUndo"},
    {ID_APP_ABOUT, "Display program information, version number and copyright\nAbout"},
    {ID_APP_EXIT, "Quit the application; prompts to save documents\nExit"},
    {ID_CONTEXT_HELP, "Display help for clicked buttons, menus and windows\nHelp"},
    {ID_HELP_TOPICS, "List Help topics\nHelp Topics"},
};
} // namespace

const char* CommandPrompt(int nId) {
    for (const SPrompt& prompt : kPrompts)
        if (prompt.nId == nId)
            return prompt.pszText;
    if (nId >= ID_FILE_MRU_FIRST && nId < ID_FILE_MRU_FIRST + 16)
        return "Open this document";
    return nullptr;
}
