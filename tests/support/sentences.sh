# shellcheck shell=bash
# sentence NAME | sentence printer|file|range|options ARGS...: the program's own words, as
# tests/support/sentences_main.cpp gives them from the program's source; never a copy.
sentence() { "${VARNEL_SENTENCES:?VARNEL_SENTENCES must name varnel_sentences (ctest sets it)}" "$@"; }
