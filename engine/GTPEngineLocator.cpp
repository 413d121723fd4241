#include "GTPEngineCommand.h"
