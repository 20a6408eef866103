// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include "ConversionRequest.h"
#include "PathStyle.h"
#include "TimeReader.h"

#include <QString>

// Everything a request must pass before any tool runs, checked in this order:
// the start time, the end time, the length of the section, the end after the start,
// the fade-in and fade-out lengths, the fades fitting the section, double quotes in
// any field, the output naming the input file, and an output path the fader cannot read.
// Then what the input's own headers tell (InputAudio): MPEG audio inside, and, where its
// length is exact, a start before its end and fades fitting what the splitter will really
// cut. An input that is missing or cannot be read passes; the run reports it.
namespace RequestCheck {

// Throws InvalidTimeError or RequestRefusal; returns the request when it may run.
CheckedRequest check(const ConversionRequest& request, const TimeReader& reader, PathStyle style = nativePathStyle());

// The same checks but those of the output path, which a preview does not use.
CheckedRequest checkSection(const ConversionRequest& request, const TimeReader& reader);

// Whether both paths name one file: compared absolute and clean, through symbolic
// links where the files exist, and without regard to case in Windows style.
// An empty path names no file.
bool namesSameFile(const QString& first, const QString& second, PathStyle style = nativePathStyle());

} // namespace RequestCheck
