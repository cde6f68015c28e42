// What the fuzz targets share: an application context that keeps nothing and shows
// nothing, and the built-in parsers.
#pragma once

#include <memory>
#include <string>

#include "platform/MessageDisplay.h"
#include "platform/SettingsStore.h"
#include "project/MirtAppContext.h"

class CSilentDisplay : public CMessageDisplay {
public:
    int ShowMessage(const std::string&, unsigned, unsigned) override { return IDOK; }
};

struct SFuzzAppParts {
    CMemorySettingsStore settings;
    CSilentDisplay display;
};

class CFuzzApp : private SFuzzAppParts, public CMirtAppContext {
public:
    CFuzzApp();
    CMirtSpellEngine* GetCurrentEngine() override { return nullptr; }
};

// A new parser of the built-in syntax with this number (taken modulo nine).
std::unique_ptr<CMirtParser> MakeBuiltinParser(unsigned nChoice);
