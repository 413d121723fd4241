#include "GoBoardPoint.h"
