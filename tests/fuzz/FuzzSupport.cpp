// Fuzz target support.
#include "tests/fuzz/FuzzSupport.h"

#include "parsers/MirtParserCpp.h"
#include "parsers/MirtParserHtml.h"
#include "parsers/MirtParserJava.h"
#include "parsers/MirtParserJavaScript.h"
#include "parsers/MirtParserPerl.h"
#include "parsers/MirtParserPhp.h"
#include "parsers/MirtParserRc.h"
#include "parsers/MirtParserVb.h"
#include "parsers/MirtParserVbScript.h"

CFuzzApp::CFuzzApp() : CMirtAppContext(settings, display, "/nonexistent/") {}

std::unique_ptr<CMirtParser> MakeBuiltinParser(unsigned nChoice) {
    switch (nChoice % 9) {
    case 0:
        return std::make_unique<CMirtParserCpp>();
    case 1:
        return std::make_unique<CMirtParserRc>();
    case 2:
        return std::make_unique<CMirtParserVb>();
    case 3:
        return std::make_unique<CMirtParserJava>();
    case 4:
        return std::make_unique<CMirtParserHtml>();
    case 5:
        return std::make_unique<CMirtParserVbScript>();
    case 6:
        return std::make_unique<CMirtParserJavaScript>();
    case 7:
        return std::make_unique<CMirtParserPerl>();
    default:
        return std::make_unique<CMirtParserPhp>();
    }
}
