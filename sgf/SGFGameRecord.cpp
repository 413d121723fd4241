#include "SGFGameRecord.h"

std::string SGFGameRecord::hoshiApplication()
{
    return "hoshi:" HOSHI_VERSION;
}
