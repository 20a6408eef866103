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

// One press of Convert: runs splitter, fader and converter in turn, removes the
// intermediate files and gives the encoded file the output name. Or a preview: the
// splitter and the fader alone, in a folder of their own, leaving the faded section.
// Every failure is logged as one and leaves no intermediate file and no changed user file.
class ConversionRun {
public:
    enum class Result { Done, Failed, Stopped };

    // ownerWindow is the native handle of the window the tools' windows would belong to.
    ConversionRun(ConversionView& view, const TerminationFlag& termination, quintptr ownerWindow = 0);

    // Runs a request that RequestCheck has let through. The output path and every name derived from it are fixed
    // here, whatever the window's fields say later.
    Result execute(const CheckedRequest& checked, const ToolSet& tools);

    // Runs the splitter and the fader of a request that RequestCheck::checkSection let
    // through, as a conversion runs them but with their files in folder, which is the
    // program's own; the output path is not used. When it is done, the faded section
    // stays as previewFile() and nothing else is left.
    Result preview(const CheckedRequest& checked, const ToolSet& tools, const QString& folder);
    QString previewFile() const;

private:
    // What a failure leaves: nothing of the run, or the finished ringtone under its encoded name.
    enum class Keep { Nothing, Encoded };

    // Starts the run: the log cleared, Convert disabled, then the tools of the first count
    // steps in turn. Done when each made its file.
    Result runTools(const CheckedRequest& checked, const ToolSet& tools, std::size_t count);
    Result fail(const QString& reason, const QString& toolError = {}, Keep keep = Keep::Nothing);
    void removeIntermediates(Keep keep) const;

    ConversionView& view_;
    const TerminationFlag& termination_;
    quintptr ownerWindow_;
    std::optional<IntermediateNames> names_;
    // The log's last line when the run fails.
    QString failedLine_;
};
