// The usage text printed for -h and for a console run without a project.
#pragma once

extern const char* const g_pszUsageText;
