// The embosser byte stream of a job: a pure function of the document and the job spec.
#pragma once

#include "document/braille_document.h"
#include "print/job_spec.h"

namespace print {

// Sends the whole job to `sink`, one byte a call, reporting to `observer`. False when the
// sink refused a byte (nothing was sent after it).
bool EncodeJob(const document::BrailleDocument& doc, const JobSpec& spec, ByteSink& sink,
               JobObserver& observer);

}  // namespace print
