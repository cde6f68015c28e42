// Usage text.
#include "app/Usage.h"

const char* const g_pszUsageText =
    "\n"
    "Mirtora 3.10.\n"
    "\n"
    "Usage: mirt [<options>...] <project_file_path>\n"
    "\n"
    "Options:\n"
    "  -h, --help               Print this help.\n"
    "  -o, --out file_path      Output report file path.\n"
    "  -n, --noupdate           Ignore files added to the project folder(s).\n"
    "  -e, --reportonlyerrors   Include only errors in the error report.\n"
    "  -r, --reset              Reset results of last run before start.\n"
    "\n"
    "For additional information, see https://www.halvenik.com/mirtora/\n"
    "\n";
