// The braille files kept in the source tree: the sample documents of samples/ and the fuzz
// seeds of fuzz/corpus/. varnel_test_files writes them (the target write_test_files) and
// checks that the tree holds them as built here (the test committed_test_files).
#pragma once

#include <string>
#include <vector>

namespace test {

struct CommittedFile {
  std::string path;  // relative to the source tree, with '/'
  std::string bytes;
};

// The sample documents: a BASE file of 22-line pages with a short last page, a NAB file
// of 18-line pages, a Win-BES file with graphics on two of its four 18-line pages, and
// an EDEL drawing.
std::string SampleBase();
std::string SampleNab();
std::string SampleWinBes();
std::string SampleDrawing();

// samples/: the four sample documents.
std::vector<CommittedFile> SampleFiles();
// fuzz/corpus/<target>/: for each reader, valid files and the edge cases its code
// distinguishes; for the encoder, the samples behind the bytes that choose a job.
std::vector<CommittedFile> FuzzSeeds();
// Both.
std::vector<CommittedFile> CommittedFiles();

}  // namespace test
