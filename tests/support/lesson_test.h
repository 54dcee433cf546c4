// What a test of the lessons of a program reads: the test framework, the runs of a program on
// the recording device, the views of its log and the values of the texts it draws.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "lesson_run.h"
#include "log_view.h"
#include "machine.h"
#include "markup_value.h"
#include "screen.h"
