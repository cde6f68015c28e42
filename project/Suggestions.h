// A finding's suggestions: findings of one word share one list.
#pragma once

#include "parsers/SharedStrings.h"

using CSuggestions = CSharedStrings;
