#include "EngineTestSupport.h"
#include <gtest/gtest.h>
