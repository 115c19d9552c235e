// The log sink of the base layer under the report layer's names.
#pragma once

#include "base/LogSink.h"

namespace vorlex::report {

using base::kBlack;
using base::kBlue;
using base::kGreen;
using base::kRed;
using base::LogColour;
using base::LogSink;
using base::LogStyle;

}  // namespace vorlex::report
