// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include "ToolOutcome.h"

#include <QString>

class TerminationFlag;

// Starts one external tool and waits for it while the program's windows stay
// responsive: their handlers keep running during the wait. The wait sleeps until
// something happens (no polling) and ends early when the program is asked to quit,
// in which case the tool is stopped.
namespace ToolRunner {

// The parameter string reaches the tool as its command line, split into arguments
// by the Windows convention. The tool gets no input and shows no window; ownerWindow is
// the native handle of the window it belongs to, where the system asks for one.
ToolOutcome RunElevatedAndWait(quintptr ownerWindow, const QString& program, const QString& parameters,
                               const TerminationFlag& termination);

} // namespace ToolRunner
