// A CUPS job made ready for the encoder: the document read by the reader of its format,
// the choices of the job applied as varnel-cli applies them to the dialog (the range and
// copies typed into their edits, the sides, graphics and page-break keys pressed where
// the choice differs), then the print checks. Either a job spec, or the refusal the
// dialog would have shown. No input or output of its own.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "document/braille_document.h"
#include "document/formats.h"
#include "print/job_spec.h"

namespace filter {

using document::Format;

// How reading the document went.
enum class ReadOutcome { kRead, kCannotOpen, kTooLarge };

// A choice left to the job: its value as given, or nothing for "as the dialog proposes".
struct JobChoices {
  std::optional<std::string> pageRanges = {};  // "N-M", "N", "N-", "-M"
  std::string copies = "1";
  std::optional<std::string> sides = {};      // single | front | back | double (any case)
  std::optional<std::string> graphics = {};   // true | false and the like
  std::optional<std::string> pageBreak = {};  // true | false and the like
  std::optional<std::string> pageSet = {};    // CUPS's page-set: all | odd | even
};

struct FilterRequest {
  std::string model;             // a model name from the printer description
  std::optional<Format> format;  // nothing: a type none of the readers takes
  std::string documentName;      // shown when the document cannot be opened
  ReadOutcome read = ReadOutcome::kRead;
  std::span<const std::uint8_t> bytes;
  JobChoices choices;
};

struct FilterPlan {
  // The refusal, one line or more; when set, nothing is to be embossed.
  std::optional<std::string> refusal;
  // The questions the dialog would ask before the job, answered OK.
  std::vector<std::string> questions;
  document::BrailleDocument document;
  print::JobSpec spec;
};

FilterPlan PlanJob(const FilterRequest& request);

// The format a file name's extension names, whatever its letter case.
std::optional<Format> FormatOfName(std::string_view fileName);

}  // namespace filter
