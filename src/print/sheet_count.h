// The sheets of paper a job takes, counted from the pages the encoder sends.
#pragma once

#include <cstdint>

#include "document/braille_document.h"
#include "print/job_spec.h"

namespace print {

// Every page the encoder ends, blank back pages and copy ends included, is one side of a
// sheet; the sides of a double-sided job go two to a sheet.
std::int64_t CountSheets(const document::BrailleDocument& doc, const JobSpec& spec);

}  // namespace print
