// The embosser byte stream of a job: a pure function of the document and the job spec.
#pragma once

#include <string_view>

#include "document/braille_document.h"
#include "print/job_spec.h"

namespace print {

// A document line as the embosser receives it: without its trailing blanks, tabs and line
// or page ends; a line with nothing left is two blank cells.
std::string_view EmbossedLine(std::string_view line);

// Whether the embosser puts the job's pages on both sides of its sheets, one after the
// other: a double-sided model in its 18-line mode.
bool PrintsBothSides(const JobSpec& spec);

// Sends the whole job to `sink`, reporting to `observer`. False when the sink refused a
// byte (nothing was sent after it).
bool EncodeJob(const document::BrailleDocument& doc, const JobSpec& spec, ByteSink& sink,
               JobObserver& observer);

}  // namespace print
