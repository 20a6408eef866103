// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: The Tovalin developers

#pragma once

#include "ConversionRequest.h"
#include "IntermediateNames.h"
#include "ToolSet.h"

#include <QObject>
#include <QString>

#include <optional>

class ConversionView;
class TerminationFlag;

// One press of Convert: checks the request, runs splitter, fader and converter in turn,
// removes the intermediate files and gives the encoded file the output name. Every
// failure is logged as one and leaves no intermediate file and no changed user file.
class ConversionRun {
public:
    enum class Result { Done, Failed, Stopped };

    // ownerWindow is the native handle of the window the tools' windows would belong to.
    ConversionRun(ConversionView& view, const TerminationFlag& termination, quintptr ownerWindow = 0);

    // Runs a request that RequestCheck has let through. The output path and every name derived from it are fixed
    // here, whatever the window's fields say later.
    Result execute(const CheckedRequest& checked, const ToolSet& tools);

private:
    // What a failure leaves: nothing of the run, or the finished ringtone under its encoded name.
    enum class Keep { Nothing, Encoded };

    Result fail(const QString& reason, const QString& toolError = {}, Keep keep = Keep::Nothing);
    void removeIntermediates(Keep keep) const;

    ConversionView& view_;
    const TerminationFlag& termination_;
    quintptr ownerWindow_;
    std::optional<IntermediateNames> names_;
};
