// The ids of the window's commands. The program's own commands keep the numbers of
// their string table entries; the others are the standard document and help commands.
// The sort commands' ids are the sort orders (project/FileOrder.h).
#pragma once

enum ECommandId : int {
    ID_ADD_FILES = 32771,
    ID_ADD_FOLDER = 32772,
    ID_RUN = 32773,
    ID_SAVE_CHANGES = 32774,
    ID_EDIT_FILE = 32775,
    ID_REMOVE_FILE = 32776,
    ID_IGNORE = 32777,
    ID_ADD_SUGGESTION = 32779,
    ID_CREATE_REPORT = 32780,
    ID_VIEW_DICTIONARY = 32781,
    ID_RESET_RESULTS = 32782,
    ID_SHOW_ONLY_WORD = 32784,
    ID_PREVIOUS_ERROR = 32785,
    ID_NEXT_ERROR = 32786,
    ID_EXPAND_ALL = 32787,
    ID_COLLAPSE_ALL = 32788,
    ID_OPTIONS = 32789,
    ID_SYNTAX_ASSOCIATIONS = 32796,
    ID_EXPORT_WORDS = 32797,
    ID_SUPPORT = 32799,
    ID_SHOW_LABEL = 32844,
    ID_FILTER_BOX = 32845,
    ID_SEARCH_LABEL = 32848,
    ID_FIND = 32849,
    ID_FIND_NEXT = 32850,
    ID_FIND_PREVIOUS = 32851,
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_MRU_FIRST = 57616,
    ID_EDIT_UNDO = 57643,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_CONTEXT_HELP = 57669,
    ID_HELP_TOPICS = 57670
};

// The prompt of a command: what the status bar shows while its menu item or button is
// highlighted, then "\n" and the button's tooltip. Null for commands without one.
const char* CommandPrompt(int nId);
