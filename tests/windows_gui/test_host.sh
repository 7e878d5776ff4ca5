#!/bin/bash
# The window back end's own tests (win32_host_test.cpp), which need a display; run by
# tests/gui/run_gui_test.sh --wine.
# shellcheck source=../gui/gui_lib.sh
source "$GUI_LIB"
wine_run "${HOST_TESTS:?}" --gtest_brief=1
