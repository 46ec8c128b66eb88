// A header that breaks both include rules, for the test of the include check.
#pragma once

#include "Unqualified.h"
#include "core/ChartRecord.h"
#include "mainwin/model/Session.h"
